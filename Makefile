# Front door: `make run` builds and runs the landscape demo, `make test` builds and runs every
# test. Both install the Debian packages they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test build deps-run deps-test clean

deps-run:
	@tools/install-deps.sh run

deps-test:
	@tools/install-deps.sh test

build:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: deps-run
	@$(MAKE) --no-print-directory build CMAKE_FLAGS="-DVYN_BUILD_TESTS=OFF"
	cd $(BUILD)/app && ./landscape

# Every suite plain and under AddressSanitizer with UndefinedBehaviorSanitizer; the suites of
# the window, the loop and the timers (label "threads") also under ThreadSanitizer.
test: deps-test
	@$(MAKE) --no-print-directory build CMAKE_FLAGS="-DVYN_BUILD_TESTS=ON"
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory build BUILD=build-asan CMAKE_FLAGS="-DVYN_BUILD_TESTS=ON -DVYN_SANITIZE=address,undefined"
	ctest --test-dir build-asan --output-on-failure -j $(JOBS) -LE unsanitized
	cmake -S . -B build-tsan -DVYN_BUILD_TESTS=ON -DVYN_SANITIZE=thread
	cmake --build build-tsan -j $(JOBS) --target thread-suites
	ctest --test-dir build-tsan --output-on-failure -j $(JOBS) -L threads

clean:
	rm -rf build build-*

.PHONY: bench
bench: deps-test
	@$(MAKE) --no-print-directory build BUILD=build-bench CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DVYN_BUILD_TESTS=OFF -DVYN_BUILD_BENCH=ON"
