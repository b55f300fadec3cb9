# SPDX-License-Identifier: MIT
# A thin wrapper over CMake: `make run` and `make test` do all the set-up on
# a fresh Debian 12 machine (packages, configure, build) and then run.

BUILD     ?= build
JOBS      ?= 2
CMAKE_ARGS ?=
ifeq ($(CI),true)
  CMAKE_ARGS += -DLEXIDOR_WERROR=ON
endif

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev \
            hunspell hunspell-es xvfb xauth xdotool x11-utils imagemagick fonts-liberation2 \
            desktop-file-utils appstream icoutils fonts-dejavu-core clang-format

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test screenshot format clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No desktop found: starting Lexidor on a virtual X display (xvfb-run)."; \
	    xvfb-run -a $(BUILD)/src/platform/qt/lexidor; \
	else \
	    $(BUILD)/src/platform/qt/lexidor; \
	fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

screenshot: build
	bash tools/screenshot.sh $(BUILD)/src/platform/qt/lexidor docs/lexidor.png

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
