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
# Chromium and in WebKitGTK (Safari's engine) through Debian's Selenium, and
# in Firefox ESR through puppeteer-core from npm (WebDriver BiDi; Debian has
# no geckodriver).
# emscripten's tools are Python and node scripts: Debian's python3 first on
# PATH, Debian's node modules. npm installs puppeteer-core: Debian's npm
# where Node.js came without one (NodeSource's nodejs brings its own, and
# conflicts with Debian's).
WEB_BUILD ?= build-web
WEB_PACKAGES := cmake make emscripten
NPM_PACKAGE := $(if $(shell command -v npm),,npm)
WEB_TEST_PACKAGES := chromium chromium-driver webkit2gtk-driver python3-selenium firefox-esr fonts-liberation2 \
                     $(NPM_PACKAGE)
# puppeteer-core at the versions tests/hosts/package-lock.json pins, in the
# build tree with npm's cache, with no browser of its own (Debian's
# firefox-esr is the one).
NODE_MODULES := $(BUILD)/firefox-host/node_modules
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

# tools/packages.sh installs what is missing, with sudo when not root: one
# line saying what and how much, a progress line, and apt's log in
# $(PACKAGES_LOG), shown only when something fails.
PACKAGES_FOR ?= the tests
PACKAGES_LOG := $(BUILD)/packages.log
INSTALL_PACKAGES = bash tools/packages.sh install --log $(PACKAGES_LOG) --for "$(PACKAGES_FOR)"

# Builds and CTest through tools/progress.sh: progress lines in place on a
# terminal and left out elsewhere; warnings, errors, failing tests' output
# and the summary as they come.
QUIET_BUILD := bash tools/progress.sh build
QUIET_TEST  := bash tools/progress.sh test
# The scripts that start a virtual display or a session bus keep their
# private sessions (tests/support/private-session.sh) in the build tree.
export LEXIDOR_SESSION_ROOT := $(abspath $(BUILD))

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
        screenshot-windows bench format glossary clean package package-check web screenshot-web measure

all: build

deps:
	@$(INSTALL_PACKAGES) $(PACKAGES)

# The Windows build and its tests under Wine need the cross compiler and Wine
# (with its 32-bit part); `make test` installs them with the other tests'
# packages, in one go.
WIN32_DEPS = LEXIDOR_PACKAGES_LOG=$(PACKAGES_LOG) LEXIDOR_PACKAGES_FOR="$(PACKAGES_FOR)" bash tests/win32/install-deps.sh
test-deps:
	@$(WIN32_DEPS) $(TEST_PACKAGES)
	@$(MAKE) $(NODE_MODULES)/.package-lock.json

$(NODE_MODULES)/.package-lock.json: tests/hosts/package.json tests/hosts/package-lock.json
	@echo "Installing puppeteer-core from npm in $(dir $(NODE_MODULES)) (tests/hosts/package-lock.json)"
	@mkdir -p $(dir $(NODE_MODULES))
	@cp tests/hosts/package.json tests/hosts/package-lock.json $(dir $(NODE_MODULES))
	@cd $(dir $(NODE_MODULES)) && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --no-update-notifier \
	    --loglevel=error --cache $(abspath $(BUILD))/npm-cache

# `make test` configures every time (the Windows tools may have just been
# installed); `make run` only when the tree has never been configured, after
# that the build itself re-runs CMake when a CMakeLists.txt changed.
configure: deps
	@echo "Configuring $(BUILD)/ (CMake)"
	@$(QUIET_BUILD) cmake -S . -B $(BUILD) -DLEXIDOR_TESTS=ON -DLEXIDOR_WEB_PAGE=$(WEB_PAGE) $(CMAKE_ARGS)

# The first configure of `make run` leaves the tests out (their packages may
# not be there); `make test` turns them on.
$(BUILD)/CMakeCache.txt:
	@$(MAKE) deps PACKAGES="$(RUN_PACKAGES)" PACKAGES_FOR="the program"
	@echo "Configuring $(BUILD)/ (CMake)"
	@$(QUIET_BUILD) cmake -S . -B $(BUILD) -DLEXIDOR_TESTS=OFF $(CMAKE_ARGS)

build: configure
	@echo "Building in $(BUILD)/ ($(JOBS) jobs)"
	@$(QUIET_BUILD) cmake --build $(BUILD) -j$(JOBS)

# Only the program: no test programs, no Windows program, no test packages.
# tools/run-lexidor.sh starts it on the desktop, or on a private virtual
# display when there is none; Ctrl+C ends it with "Lexidor closed" (exec:
# so that make sees the script end well, not its shell killed).
run: $(BUILD)/CMakeCache.txt
	@$(MAKE) deps PACKAGES="$(RUN_PACKAGES)" PACKAGES_FOR="the program"
	@$(QUIET_BUILD) cmake --build $(BUILD) -j$(JOBS) --target lexidor
	@exec bash tools/run-lexidor.sh $(BUILD)/src/qt/lexidor $(BUILD)

# The whole log of the last run is $(BUILD)/Testing/Temporary/LastTest.log.
test: test-deps web build
	@echo "Testing ($(JOBS) at a time; full log: $(BUILD)/Testing/Temporary/LastTest.log)"
	@$(QUIET_TEST) ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# Every test again with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@echo "Configuring and building $(SANITIZE_BUILD)/ (AddressSanitizer, UBSan)"
	@$(QUIET_BUILD) cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_ARGS) -DLEXIDOR_SANITIZE=ON
	@$(QUIET_BUILD) cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	@echo "Testing $(SANITIZE_BUILD)/"
	@$(QUIET_TEST) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j$(JOBS)

# The window logic under libFuzzer for FUZZ_SECONDS; new inputs it finds go to
# $(FUZZ_BUILD)/corpus, the seeds in tests/fuzz/corpus stay as they are.
fuzz:
	@$(MAKE) deps PACKAGES="$(FUZZ_PACKAGES)" PACKAGES_FOR="the fuzzer"
	@CXX=clang++-14 $(QUIET_BUILD) cmake -S tests/fuzz -B $(FUZZ_BUILD)
	@$(QUIET_BUILD) cmake --build $(FUZZ_BUILD) -j$(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/lexidor_fuzz_window -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    $(FUZZ_BUILD)/corpus tests/fuzz/corpus

# lexidor.exe: one 32-bit Windows program, nothing to install beside it. The
# same tree `make test` builds and tests, $(BUILD)/win32.
windows: PACKAGES_FOR = the Windows build
windows: $(BUILD)/CMakeCache.txt
	@$(WIN32_DEPS)
	@$(QUIET_BUILD) cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	@$(QUIET_BUILD) cmake --build $(BUILD) -j$(JOBS) --target lexidor_windows
	@echo "built $(WIN32_BUILD)/src/win32/lexidor.exe"

# Where this machine cannot execute 32-bit programs, the pictures are of the
# x86_64 build of the same sources, in a 64-bit prefix. Wine keeps no
# contrast theme: the window under one is shown by the window test program,
# which answers the setting itself.
screenshot-windows: windows
	@if /usr/lib/wine/wine --version >/dev/null 2>&1; then \
	    tree=$(WIN32_BUILD) arch=win32; \
	else \
	    $(QUIET_BUILD) cmake --build $(BUILD) -j$(JOBS) --target lexidor_windows_x86_64 || exit 1; \
	    tree=$(BUILD)/win64 arch=win64; \
	fi; \
	for dpi in 96 144; do \
	    out=docs/lexidor-windows.png; [ $$dpi = 96 ] || out=docs/lexidor-windows-150.png; \
	    WINEARCH=$$arch bash tests/win32/screenshot.sh $$tree/src/win32/lexidor.exe $$out \
	        $(abspath $(BUILD))/wine-prefix-x11 csn $$dpi || exit 1; \
	done; \
	for theme in dark light; do \
	    WINEARCH=$$arch bash tests/win32/screenshot.sh $$tree/tests/win32/lexidor-window-test.exe \
	        docs/lexidor-windows-contrast-$$theme.png $(abspath $(BUILD))/wine-prefix-x11 csn 96 $$theme || exit 1; \
	done

# Start-up and memory against a bare Qt window, key steps on the fake and on
# the real widgets, and lexidor.exe when $(WIN32_BUILD) holds one (make windows): prints the
# table and writes bench/results.md. Never part of `make test`.
bench: web
	@$(MAKE) deps PACKAGES="$(BENCH_PACKAGES) $(WEB_TEST_PACKAGES)" PACKAGES_FOR="the benchmarks"
	@$(QUIET_BUILD) cmake -S . -B $(BENCH_BUILD) -DLEXIDOR_BENCH=ON -DLEXIDOR_TESTS=OFF -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)
	@$(QUIET_BUILD) cmake --build $(BENCH_BUILD) -j$(JOBS)
	WIN32_BUILD=$(abspath $(WIN32_BUILD)) WEB_PAGE=$(WEB_PAGE) bash tests/support/private-session.sh --root $(BENCH_BUILD) \
	    --display=1024x768x24 -- bash bench/run-bench.sh $(BENCH_BUILD) bench/results.md

# $(WEB_BUILD)/lexidor.html: the glossary in one HTML file, to open from disk
# in any current browser; nothing else is needed beside it.
web:
	@$(MAKE) deps PACKAGES="$(WEB_PACKAGES)" PACKAGES_FOR="the web edition"
	@echo "Building the web edition in $(WEB_BUILD)/ (emscripten)"
	@$(EMSCRIPTEN_ENV) $(QUIET_BUILD) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel $(CMAKE_ARGS)
	@$(EMSCRIPTEN_ENV) $(QUIET_BUILD) cmake --build $(WEB_BUILD) -j$(JOBS)
	@echo "built $(WEB_PAGE)"

screenshot-web: web
	@$(MAKE) deps PACKAGES="$(WEB_TEST_PACKAGES)"
	/usr/bin/python3 tools/screenshot-web.py $(WEB_PAGE) docs/lexidor-web.png docs/lexidor-web-phone.png \
	    docs/lexidor-web-noscript.png docs/lexidor-web-print.png docs/lexidor-web-contrast

screenshot: build
	bash tools/screenshot.sh $(BUILD)/src/qt/lexidor docs/lexidor.png
	for theme in dark light; do \
	    bash tools/screenshot.sh $(BUILD)/src/qt/lexidor docs/lexidor-contrast-$$theme.png $$theme || exit 1; \
	done

# docs/glosario.md again from the catalogue; commit it with the texts it follows.
glossary: configure
	cmake --build $(BUILD) --target glossary
# lexidor_VERSION_ARCH.deb in this folder: a Release tree of its own with
# only the program (no tests, no Windows program), packed by CPack and
# checked with lintian.
package:
	@$(MAKE) deps PACKAGES="$(RUN_PACKAGES) $(PACKAGE_PACKAGES)" PACKAGES_FOR="the package"
	@$(QUIET_BUILD) cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DLEXIDOR_TESTS=OFF \
	    -DLEXIDOR_WINDOWS=OFF -DCMAKE_CXX_FLAGS="$(PACKAGE_CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(PACKAGE_LDFLAGS)" $(CMAKE_ARGS)
	@$(QUIET_BUILD) cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	rm -rf $(PACKAGE_BUILD)/package lexidor_*.deb
	cpack --config $(PACKAGE_BUILD)/CPackConfig.cmake -B $(PACKAGE_BUILD)/package
	cp $(PACKAGE_BUILD)/package/lexidor_*.deb .
	bash tests/support/private-session.sh --root $(PACKAGE_BUILD) -- lintian --fail-on error,warning lexidor_*.deb
	@ls lexidor_*.deb

# Installs the package into a fresh Debian 12 root and starts it there under
# Xvfb; writes $(PACKAGE_ROOT).png. Not part of `make test` (it writes about
# 860 MB).
package-check: package
	@$(MAKE) deps PACKAGES="debootstrap" PACKAGES_FOR="the package check"
	bash tools/package-check.sh $(PACKAGE_ROOT) lexidor_*.deb

# What a fresh Debian 12 downloads and installs for `make run` and `make
# test`, as apt reckons it, and what the build trees here take on disk
# (tools/measure-setup.sh; --readme writes the figures into README.md).
measure:
	@bash tools/measure-setup.sh $(MEASURE_ARGS)

# The package lists, for tools/measure-setup.sh: make print-RUN_PACKAGES.
print-%:
	@echo $($*)

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(WEB_BUILD) $(PACKAGE_BUILD) lexidor_*.deb
