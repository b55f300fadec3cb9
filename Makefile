# SPDX-License-Identifier: MIT
# A thin wrapper over CMake: `make run` and `make test` do all the set-up on
# a fresh Debian 12 machine (packages, configure, build) and then run.

BUILD     ?= build
JOBS      ?= 2
CMAKE_ARGS ?=
ifeq ($(CI),true)
  CMAKE_ARGS += -DLEXIDOR_WERROR=ON
endif

# Debian packages the program needs to build and run (`make run`): the
# compiler, Qt (whose CMake files also look for xkbcommon), fonts, and Xvfb
# for a machine without a desktop.
RUN_PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libxkbcommon-dev \
                xvfb xauth fonts-liberation2 fonts-dejavu-core

# The web edition (`make web`): one self-contained page, built by Debian's
# emscripten in a tree of its own; its tests run it in Debian's headless
# Chromium through Debian's Selenium. emscripten's tools are Python and
# node scripts: Debian's python3 first on PATH, Debian's node modules.
WEB_BUILD ?= build-web
WEB_PACKAGES := cmake make emscripten
WEB_TEST_PACKAGES := chromium chromium-driver python3-selenium fonts-liberation2
EMSCRIPTEN_ENV := env PATH=/usr/bin:$$PATH NODE_PATH=/usr/share/nodejs
WEB_PAGE := $(abspath $(WEB_BUILD))/lexidor.html

# What the tests add (`make test`, which also runs tests/win32/install-deps.sh
# for the Windows cross compiler and Wine), with what packaging needs so that
# the package test runs too; Orca and its speech for the screen-reader test.
PACKAGE_PACKAGES := dpkg-dev file lintian
TEST_PACKAGES := $(RUN_PACKAGES) libgtest-dev hunspell hunspell-es xdotool x11-utils imagemagick \
                 desktop-file-utils appstream icoutils clang-format strace dbus-bin \
                 dbus-daemon at-spi2-core python3-pyatspi python3-gi orca speech-dispatcher \
                 speech-dispatcher-espeak-ng $(PACKAGE_PACKAGES) $(WEB_PACKAGES) $(WEB_TEST_PACKAGES)
PACKAGES ?= $(TEST_PACKAGES)

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# sudo resets the environment: apt gets its settings on its own command line
# (no questions, and no debconf notice that apt-utils is missing).
APT := $(SUDO) env DEBIAN_FRONTEND=noninteractive DEBCONF_NOWARNINGS=yes apt-get

# No "Entering/Leaving directory" lines from the builds below (cmake --build
# runs make, and the Windows tree's build runs it again): they inherit this.
MAKEFLAGS += --no-print-directory

# The sanitizer build and the fuzzer each have a tree of their own; the fuzzer
# needs clang and its libFuzzer runtime.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD     ?= build-fuzz
FUZZ_SECONDS   ?= 60
FUZZ_PACKAGES  := cmake make clang-14 libclang-rt-14-dev llvm-14

# The Windows program is built inside the Linux tree (cmake/Windows.cmake).
WIN32_BUILD    := $(BUILD)/win32

# The .deb's own tree, and the package-check root: a fresh Debian 12 made by
# debootstrap.
PACKAGE_BUILD  ?= build-package
# Debian's hardening flags for the packaged program.
PACKAGE_CXXFLAGS := -D_FORTIFY_SOURCE=2 -fstack-protector-strong
PACKAGE_LDFLAGS  := -Wl,-z,relro,-z,now
PACKAGE_ROOT   ?= $(PACKAGE_BUILD)/root

# The benchmarks have a Release tree of their own.
BENCH_BUILD    ?= build-bench
BENCH_PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libxkbcommon-dev libbenchmark-dev libx11-dev \
                  libxdamage-dev xvfb xauth fonts-liberation2 fonts-dejavu-core

.PHONY: all deps test-deps configure build run test test-sanitize fuzz windows screenshot \
        screenshot-windows bench format glossary clean package package-check web screenshot-web

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(APT) update -qq && \
	    $(APT) install -y -qq --no-install-recommends $$missing; \
	fi

# The Windows build and its tests under Wine need the cross compiler and Wine
# (with its 32-bit part); `make test` installs them too.
test-deps:
	bash tests/win32/install-deps.sh

# `make test` configures every time (the Windows tools may have just been
# installed); `make run` only when the tree has never been configured, after
# that the build itself re-runs CMake when a CMakeLists.txt changed.
configure: deps
	cmake -S . -B $(BUILD) -DLEXIDOR_TESTS=ON -DLEXIDOR_WEB_PAGE=$(WEB_PAGE) $(CMAKE_ARGS)

# The first configure of `make run` leaves the tests out (their packages may
# not be there); `make test` turns them on.
$(BUILD)/CMakeCache.txt:
	@$(MAKE) deps PACKAGES="$(RUN_PACKAGES)"
	cmake -S . -B $(BUILD) -DLEXIDOR_TESTS=OFF $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Only the program: no test programs, no Windows program, no test packages.
run: $(BUILD)/CMakeCache.txt
	@$(MAKE) deps PACKAGES="$(RUN_PACKAGES)"
	cmake --build $(BUILD) -j$(JOBS) --target lexidor
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No desktop found: Lexidor runs on a virtual X display (xvfb-run), so its window is"; \
	    echo "invisible. Press Ctrl+C to end it."; \
	    xvfb-run -a $(BUILD)/src/qt/lexidor; \
	else \
	    $(BUILD)/src/qt/lexidor; \
	fi

test: test-deps web build
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

# lexidor.exe: one 32-bit Windows program, nothing to install beside it. The
# same tree `make test` builds and tests, $(BUILD)/win32.
windows: test-deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j$(JOBS) --target lexidor_windows
	@echo "built $(WIN32_BUILD)/src/win32/lexidor.exe"

screenshot-windows: windows
	bash tests/win32/screenshot.sh $(WIN32_BUILD)/src/win32/lexidor.exe docs/lexidor-windows.png \
	    $(abspath $(BUILD))/wine-prefix-x11

# Start-up and memory against a bare Qt window, key steps on the fake and on
# the real widgets, and lexidor.exe when $(WIN32_BUILD) holds one (make windows): prints the
# table and writes bench/results.md. Never part of `make test`.
bench: web
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES) $(WEB_TEST_PACKAGES)"
	cmake -S . -B $(BENCH_BUILD) -DLEXIDOR_BENCH=ON -DLEXIDOR_TESTS=OFF -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	WIN32_BUILD=$(abspath $(WIN32_BUILD)) WEB_PAGE=$(WEB_PAGE) xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
	    bash bench/run-bench.sh $(BENCH_BUILD) bench/results.md

# $(WEB_BUILD)/lexidor.html: the glossary in one HTML file, to open from disk
# in any current browser; nothing else is needed beside it.
web:
	@$(MAKE) deps PACKAGES="$(WEB_PACKAGES)"
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel $(CMAKE_ARGS)
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j$(JOBS)
	@echo "built $(WEB_PAGE)"

screenshot-web: web
	@$(MAKE) deps PACKAGES="$(WEB_TEST_PACKAGES)"
	/usr/bin/python3 tools/screenshot-web.py $(WEB_PAGE) docs/lexidor-web.png docs/lexidor-web-phone.png

screenshot: build
	bash tools/screenshot.sh $(BUILD)/src/qt/lexidor docs/lexidor.png

# docs/glosario.md again from the catalogue; commit it with the texts it follows.
glossary: configure
	cmake --build $(BUILD) --target glossary
# lexidor_VERSION_ARCH.deb in this folder: a Release tree of its own with
# only the program (no tests, no Windows program), packed by CPack and
# checked with lintian.
package:
	@$(MAKE) deps PACKAGES="$(RUN_PACKAGES) $(PACKAGE_PACKAGES)"
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DLEXIDOR_TESTS=OFF \
	    -DLEXIDOR_WINDOWS=OFF -DCMAKE_CXX_FLAGS="$(PACKAGE_CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(PACKAGE_LDFLAGS)" $(CMAKE_ARGS)
	cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	rm -rf $(PACKAGE_BUILD)/package lexidor_*.deb
	cpack --config $(PACKAGE_BUILD)/CPackConfig.cmake -B $(PACKAGE_BUILD)/package
	cp $(PACKAGE_BUILD)/package/lexidor_*.deb .
	lintian --fail-on error,warning lexidor_*.deb
	@ls lexidor_*.deb

# Installs the package into a fresh Debian 12 root and starts it there under
# Xvfb; writes $(PACKAGE_ROOT).png. Not part of `make test` (it writes about
# 860 MB).
package-check: package
	@$(MAKE) deps PACKAGES="debootstrap"
	bash tools/package-check.sh $(PACKAGE_ROOT) lexidor_*.deb

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(WEB_BUILD) $(PACKAGE_BUILD) lexidor_*.deb
