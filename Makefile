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
            desktop-file-utils appstream icoutils fonts-dejavu-core clang-format strace \
            dbus at-spi2-core python3-pyatspi python3-gi

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The sanitizer build and the fuzzer each have a tree of their own; the fuzzer
# needs clang and its libFuzzer runtime.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD     ?= build-fuzz
FUZZ_SECONDS   ?= 60
FUZZ_PACKAGES  := cmake make clang-14 libclang-rt-14-dev llvm-14

WIN32_BUILD    ?= build-win32

# The benchmarks have a Release tree of their own.
BENCH_BUILD    ?= build-bench
BENCH_PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libbenchmark-dev libx11-dev \
                  libxdamage-dev xvfb xauth fonts-liberation2 fonts-dejavu-core

.PHONY: all deps test-deps configure build run test test-sanitize fuzz windows screenshot \
        screenshot-windows bench format glossary clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# The Windows build and its tests under Wine need the cross compiler and Wine
# (with its 32-bit part); `make test` installs them too.
test-deps:
	bash tests/win32/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No desktop found: starting Lexidor on a virtual X display (xvfb-run)."; \
	    xvfb-run -a $(BUILD)/src/qt/lexidor; \
	else \
	    $(BUILD)/src/qt/lexidor; \
	fi

test: test-deps build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# Every test again with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_ARGS) -DLEXIDOR_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j$(JOBS)

# The window logic under libFuzzer for FUZZ_SECONDS; new inputs it finds go to
# $(FUZZ_BUILD)/corpus, the seeds in tests/fuzz/corpus stay as they are.
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"
	CXX=clang++-14 cmake -S tests/fuzz -B $(FUZZ_BUILD)
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/lexidor_fuzz_window -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    $(FUZZ_BUILD)/corpus tests/fuzz/corpus

# lexidor.exe: one 32-bit Windows program, nothing to install beside it.
windows: test-deps
	cmake -S . -B $(WIN32_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
	    -DCMAKE_BUILD_TYPE=MinSizeRel -DLEXIDOR_TESTS=OFF -DLEXIDOR_QT=OFF $(CMAKE_ARGS)
	cmake --build $(WIN32_BUILD) -j$(JOBS)
	@echo "built $(WIN32_BUILD)/src/win32/lexidor.exe"

screenshot-windows: windows
	bash tests/win32/screenshot.sh $(WIN32_BUILD)/src/win32/lexidor.exe docs/lexidor-windows.png

# Start-up and memory against a bare Qt window, key steps on the fake and on
# the real widgets, and lexidor.exe when $(WIN32_BUILD) holds one: prints the
# table and writes bench/results.md. Never part of `make test`.
bench:
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES)"
	cmake -S . -B $(BENCH_BUILD) -DLEXIDOR_BENCH=ON -DLEXIDOR_TESTS=OFF -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	WIN32_BUILD=$(WIN32_BUILD) xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
	    bash bench/run-bench.sh $(BENCH_BUILD) bench/results.md

screenshot: build
	bash tools/screenshot.sh $(BUILD)/src/qt/lexidor docs/lexidor.png

# docs/glosario.md again from the catalogue; commit it with the texts it follows.
glossary: configure
	cmake --build $(BUILD) --target glossary

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
