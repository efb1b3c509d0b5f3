# The user's entry points. `make run` and `make test` each work on a fresh Debian 12 machine.
.PHONY: run test bench build packages test-packages bench-packages clean format

BUILD_PACKAGES := cmake ninja-build g++ make
TEST_PACKAGES  := $(BUILD_PACKAGES) libgtest-dev libgmock-dev pybind11-dev python3-dev python3-pytest \
                  libreoffice-writer-nogui python3-uno libreoffice-script-provider-python poppler-utils
BENCH_PACKAGES := $(BUILD_PACKAGES) libbenchmark-dev pybind11-dev python3-dev

JOBS ?= $(shell nproc)
CMAKE_CONFIGURE = cmake -S . -G Ninja -Wno-dev

RELEASE_DIR := build/release
TEST_DIR    := build/test
BENCH_DIR   := build/bench
GLYPHWRIGHT := $(RELEASE_DIR)/hosts/cli/glyphwright

# Build, then run the main job on the bundled sample texts.
run: packages build
	@tools/run-samples $(GLYPHWRIGHT)

packages:
	@tools/install-packages $(BUILD_PACKAGES)

build:
	@$(CMAKE_CONFIGURE) -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DGLYPHWRIGHT_TESTS=OFF >/dev/null
	@cmake --build $(RELEASE_DIR) -j $(JOBS)

test-packages:
	@tools/install-packages $(TEST_PACKAGES)

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: test-packages
	@$(CMAKE_CONFIGURE) -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DGLYPHWRIGHT_SANITIZE=ON >/dev/null
	@cmake --build $(TEST_DIR) -j $(JOBS)
	@cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

bench-packages:
	@tools/install-packages $(BENCH_PACKAGES)

bench: bench-packages
	@$(CMAKE_CONFIGURE) -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DGLYPHWRIGHT_TESTS=OFF -DGLYPHWRIGHT_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@tools/run-benchmarks $(BENCH_DIR)
	@echo "== Python call overhead"
	@PYTHONPATH=$(BENCH_DIR)/hosts/python /usr/bin/python3 bench/python/call_overhead.py \
		$(BENCH_DIR)/bench/component/late_binding_bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
