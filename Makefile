# The user's entry points. `make run` and `make test` each work on a fresh Debian 12 machine.
.PHONY: run test bench build packages test-packages bench-packages clean format fuzz fuzz-packages \
        bench-peers bench-peers-packages windows test-windows dist dist-packages test-dist \
        web web-packages serve-web bench-web

BUILD_PACKAGES := cmake ninja-build g++ make
# Quillet.dll: the MinGW-w64 cross compiler, widl and Wine's IDL files, and Wine to test it.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 mingw-w64-tools libwine-dev wine64
# The web page: Emscripten to build it, and a real Chromium driven by Selenium to test it.
WEB_PACKAGES := $(BUILD_PACKAGES) emscripten python3
WEB_TEST_PACKAGES := $(WEB_PACKAGES) chromium chromium-driver python3-selenium
TEST_PACKAGES  := $(BUILD_PACKAGES) help2man libgtest-dev libgmock-dev pybind11-dev python3-dev python3-pytest \
                  libreoffice-writer-nogui python3-uno libreoffice-script-provider-python poppler-utils \
                  $(WINDOWS_PACKAGES) $(WEB_TEST_PACKAGES)
BENCH_PACKAGES := $(BUILD_PACKAGES) libbenchmark-dev pybind11-dev python3-dev
# make dist: the manual page, the .deb and its checks, the Windows setup; make test-dist: pip too.
DIST_PACKAGES  := $(BUILD_PACKAGES) help2man pybind11-dev python3-dev dpkg-dev fakeroot file lintian \
                  nsis gzip man-db pkg-config python3-venv python3-pip python3-setuptools \
                  python3-wheel $(WINDOWS_PACKAGES)
FUZZ_PACKAGES  := $(BUILD_PACKAGES) clang libclang-rt-14-dev

JOBS ?= $(shell nproc)
CMAKE_CONFIGURE = cmake -S . -G Ninja -Wno-dev

RELEASE_DIR := build/release
TEST_DIR    := build/test
BENCH_DIR   := build/bench
TSAN_DIR    := build/tsan
FUZZ_DIR    := build/fuzz
FUZZ_SECONDS ?= 60
WINDOWS_DIR := build/windows
DIST_DIR    := build/dist
WEB_BUILD_DIR := build/web-wasm
WEB_DIR     := build/web
WEB_PORT    ?= 8000
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

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer; then Quillet.dll,
# cross-built for Windows, tested under Wine.
test: test-packages
	@$(CMAKE_CONFIGURE) -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DGLYPHWRIGHT_SANITIZE=ON -DGLYPHWRIGHT_WERROR=ON >/dev/null
	@cmake --build $(TEST_DIR) -j $(JOBS)
	@cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)
	@# The thread test alone, once more under ThreadSanitizer.
	@$(CMAKE_CONFIGURE) -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHWRIGHT_THREAD_SANITIZE=ON -DGLYPHWRIGHT_WERROR=ON >/dev/null
	@cmake --build $(TSAN_DIR) -j $(JOBS) --target threads_tests
	@TSAN_OPTIONS=halt_on_error=1 $(TSAN_DIR)/tests/threads/threads_tests --gtest_brief=1
	@# The web page in headless Chromium, against the command's own output.
	@$(MAKE) --no-print-directory web
	@tests/web/run-web-tests $(WEB_DIR) $(TEST_DIR)/hosts/cli/glyphwright
	@$(MAKE) --no-print-directory windows
	@tests/com/run-wine-tests $(WINDOWS_DIR)

fuzz-packages:
	@tools/install-packages $(FUZZ_PACKAGES)

# Every fuzz target for FUZZ_SECONDS each (clang, libFuzzer, AddressSanitizer and UBSan). An input
# that breaks one is kept in fuzz/regressions/, which `make test` replays.
fuzz: fuzz-packages
	@CC=clang CXX=clang++ $(CMAKE_CONFIGURE) -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHWRIGHT_FUZZ=ON -DGLYPHWRIGHT_TESTS=OFF -DGLYPHWRIGHT_WERROR=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	@tools/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# Quillet.dll and its test client, cross-built with MinGW-w64 (docs/windows.md).
windows:
	@$(CMAKE_CONFIGURE) -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DGLYPHWRIGHT_WERROR=ON >/dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target Quillet glyphwright-com-client

# The Wine tests alone.
test-windows: test-packages windows
	@tests/com/run-wine-tests $(WINDOWS_DIR)

dist-packages:
	@tools/install-packages $(DIST_PACKAGES)

# dist/: glyphwright_<version>_amd64.deb, glyphwright-<version>-setup.exe, glyphwright.oxt, the
# source tarball and SHA256SUMS (docs/install.md).
dist: dist-packages windows
	@$(CMAKE_CONFIGURE) -B $(DIST_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DGLYPHWRIGHT_TESTS=OFF -DGLYPHWRIGHT_WERROR=ON >/dev/null
	@cmake --build $(DIST_DIR) -j $(JOBS)
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target glyphwright_setup
	@tools/make-dist $(DIST_DIR) $(WINDOWS_DIR)

# Every delivery installed as its users install it: cmake --install, the .deb, the Windows setup
# under Wine, pip into a fresh venv.
test-dist: dist
	@tests/install/run-dist-tests $(DIST_DIR)

web-packages:
	@tools/install-packages $(WEB_PACKAGES)

# The web page (docs/web.md): index.html, glyphwright.js and glyphwright.wasm in build/web.
# Emscripten's tools need Debian's Node.js modules (acorn) even when another node is first on
# the PATH.
web: web-packages
	@NODE_PATH=/usr/share/nodejs emcmake $(CMAKE_CONFIGURE) -B $(WEB_BUILD_DIR) \
		-DCMAKE_BUILD_TYPE=MinSizeRel -DGLYPHWRIGHT_TESTS=OFF \
		-DGLYPHWRIGHT_SITE_DIR=$(abspath $(WEB_DIR)) >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD_DIR) -j $(JOBS) --target glyphwright_site

# Serves build/web on http://127.0.0.1:$(WEB_PORT)/ (this machine only).
serve-web: web
	@echo "Serving $(WEB_DIR) on http://127.0.0.1:$(WEB_PORT)/"
	@/usr/bin/python3 -m http.server --bind 127.0.0.1 --directory $(WEB_DIR) $(WEB_PORT)

# The page's speed and size, measured in headless Chromium.
bench-web:
	@tools/install-packages $(WEB_TEST_PACKAGES)
	@$(MAKE) --no-print-directory web
	@bench/web/run-web-bench $(WEB_DIR)

bench-packages:
	@tools/install-packages $(BENCH_PACKAGES)

bench: bench-packages
	@$(CMAKE_CONFIGURE) -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DGLYPHWRIGHT_TESTS=OFF -DGLYPHWRIGHT_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@tools/run-benchmarks $(BENCH_DIR)
	@echo "== Python call overhead"
	@PYTHONPATH=$(BENCH_DIR)/hosts/python /usr/bin/python3 bench/python/call_overhead.py \
		$(BENCH_DIR)/bench/component/late_binding_bench
	@echo "== Writer: Everything in Document on a 50-page manuscript"
	@if command -v soffice >/dev/null && /usr/bin/python3 -c "import uno" 2>/dev/null; then \
		/usr/bin/python3 bench/libreoffice/writer_bulk_pass.py $(BENCH_DIR)/hosts/libreoffice/glyphwright.oxt; \
	else echo "skipped: needs libreoffice-writer-nogui, python3-uno and libreoffice-script-provider-python"; fi

# The same jobs side by side with the tools chemists use today (npm packages, pinned in
# bench/peers/package.json, installed into ~/.cache/glyphwright/peers).
bench-peers: bench-peers-packages
	@$(CMAKE_CONFIGURE) -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DGLYPHWRIGHT_TESTS=OFF -DGLYPHWRIGHT_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target peer_jobs glyphwright
	@tools/run-bench-peers $(BENCH_DIR)

# Node.js and npm from Debian, unless the machine has them already (from elsewhere).
bench-peers-packages: bench-packages
	@command -v node >/dev/null && command -v npm >/dev/null || tools/install-packages nodejs npm

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
