# Front door: `make run` builds and runs the landscape demo, `make test` builds and runs every
# test. Both install the Debian packages they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test test-windows web build deps-run deps-test deps-windows deps-bench deps-web clean

deps-run:
	@tools/install-deps.sh run

deps-test:
	@tools/install-deps.sh test

deps-windows:
	@tools/install-deps.sh windows

deps-bench:
	@tools/install-deps.sh bench

deps-web:
	@tools/install-deps.sh web

build:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: deps-run
	@$(MAKE) --no-print-directory build CMAKE_FLAGS="-DVYN_BUILD_TESTS=OFF"
	cd $(BUILD)/app && ./landscape

# Every suite (with the benchmark instruments' own) plain and under AddressSanitizer with
# UndefinedBehaviorSanitizer; the suites of
# the window, the loop and the timers (label "threads") also under ThreadSanitizer; then the
# Windows build and its tests under Wine; then the browser build and its pages (label "web").
test: deps-test
	@$(MAKE) --no-print-directory build CMAKE_FLAGS="-DVYN_BUILD_TESTS=ON -DVYN_BUILD_BENCH=ON"
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -LE web
	@$(MAKE) --no-print-directory build BUILD=build-asan CMAKE_FLAGS="-DVYN_BUILD_TESTS=ON -DVYN_SANITIZE=address,undefined"
	ctest --test-dir build-asan --output-on-failure -j $(JOBS) -LE unsanitized
	cmake -S . -B build-tsan -DVYN_BUILD_TESTS=ON -DVYN_SANITIZE=thread
	cmake --build build-tsan -j $(JOBS) --target thread-suites
	ctest --test-dir build-tsan --output-on-failure -j $(JOBS) -L threads
	@$(MAKE) --no-print-directory test-windows
	@$(MAKE) --no-print-directory web
	ctest --test-dir $(BUILD) --output-on-failure -L web

# The Windows build, cross-compiled with mingw-w64, and every suite of it run under Wine, all in
# one X server (cmake/vynWindowsTests.cmake says why); the host build's end-to-end suite drives
# the Windows demo there too. Release: static Windows executables with debug information take
# far longer to link.
WINDOWS_BUILD ?= build-windows
test-windows: deps-windows
	cmake -S . -B $(BUILD) -DVYN_BUILD_TESTS=ON
	cmake --build $(BUILD) -j $(JOBS) --target e2e_landscape
	@$(MAKE) --no-print-directory build BUILD=$(WINDOWS_BUILD) CMAKE_FLAGS="-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DVYN_BUILD_TESTS=ON -DVYN_HOST_BUILD_DIR=$(CURDIR)/$(BUILD)"
	xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

# The browser build into $(WEB_BUILD), its static site in $(WEB_BUILD)/site; the demo's data
# comes from the host build's make-landscape. Then the build installed into $(WEB_BUILD)/install
# and a program built against it with its page (tests/web/page-program) into site/page-program.
# Debian's emscripten is on a node that is not Debian's in some places: NODE_PATH lets its
# optimiser find Debian's acorn. Its cache of system libraries is used where it is writable, else
# one of this build's own.
WEB_BUILD ?= build-web
web: deps-web
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target landscape-data
	NODE_PATH=/usr/share/nodejs $(if $(shell test -w "$$(em-config CACHE)" || echo own),EM_CACHE=$(CURDIR)/$(WEB_BUILD)/em-cache) \
	  sh -c 'emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DVYN_HOST_BUILD_DIR=$(CURDIR)/$(BUILD) && cmake --build $(WEB_BUILD) -j $(JOBS) \
	    && cmake --install $(WEB_BUILD) --prefix $(CURDIR)/$(WEB_BUILD)/install \
	    && emcmake cmake -S tests/web/page-program -B $(WEB_BUILD)/page-program -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_FIND_ROOT_PATH=$(CURDIR)/$(WEB_BUILD)/install -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=$(CURDIR)/$(WEB_BUILD)/site/page-program \
	    && cmake --build $(WEB_BUILD)/page-program'

clean:
	rm -rf build build-*

.PHONY: bench
bench: deps-bench
	@$(MAKE) --no-print-directory build BUILD=build-bench CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DVYN_BUILD_TESTS=OFF -DVYN_BUILD_BENCH=ON"

# The API reference from the public headers, into $(BUILD)/docs/html; fails on any undocumented
# public entity.
.PHONY: docs
docs: deps-test
	tests/tools/check-api-reference.sh $(CURDIR) $(CURDIR)/$(BUILD)/docs
