# The commands of the README: `make play`, `make check`, `make windows`,
# and the browser's `make web` and `make serve-web`.
BUILD ?= build
CHECK_BUILD ?= build-check
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)
WEB_HOST_BUILD ?= build-web-host
WEB_BUILD ?= build-web
WEB_DIST ?= dist/web
WEB_PORT ?= 8000
# Debian's emscripten finds node's acorn here for its optimising passes.
export NODE_PATH := /usr/share/nodejs

.PHONY: play check deps build fuzz deb windows windows-build web web-build serve-web

deps:
	@tools/install-deps.sh linux

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLBAS_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/zolbas

# The Debian package, dist/zolbas_VERSION_amd64.deb, from the build of play.
deb: build
	cd $(BUILD) && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX=$(CURDIR)/dist

# The fuzz targets for a bounded time, the Windows build's tests through
# Wine, then every test under AddressSanitizer and
# UndefinedBehaviorSanitizer, under a virtual X server when there is no
# display; CTest's summary of the Linux tests comes last.
# The browser build is configured first: the Linux tests run its node tests
# and its page, so node must be there when they are configured.
check: deps
	$(MAKE) --no-print-directory web-build
	cmake -S . -B $(CHECK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOLBAS_SANITIZE=ON -DZOLBAS_TESTS=ON \
	  -DZOLBAS_WEB_BUILD=$(abspath $(WEB_BUILD)) -DZOLBAS_WEB_DIST=$(abspath $(WEB_DIST))
	cmake --build $(CHECK_BUILD) -j $(JOBS)
	cmake --build $(WEB_BUILD) -j $(JOBS)
	$(MAKE) --no-print-directory fuzz
	$(MAKE) --no-print-directory windows-build WINDOWS_TARGET=all
	tools/run-tests.sh $(WINDOWS_BUILD) $(CHECK_BUILD)

# The Windows program, cross-compiled, and the zip file players download.
windows: WINDOWS_TARGET = zolbas_windows_zip
windows: windows-build
	cp $(WINDOWS_BUILD)/zolbas-windows-x86_64.zip dist/
	@echo "Written: dist/zolbas-windows-x86_64.zip"

WINDOWS_TARGET ?= all
windows-build:
	@tools/install-deps.sh windows
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	      -DCMAKE_BUILD_TYPE=Release -DZOLBAS_TESTS=ON
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target $(WINDOWS_TARGET)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLBAS_FUZZ=ON -DZOLBAS_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zolbas_fuzzers
	tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The browser build: the host tools and files, then the WebAssembly with
# Debian's emscripten; `make web` writes the page to dist/web/.
web-build:
	@tools/install-deps.sh web
	cmake -S web/host -B $(WEB_HOST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WEB_HOST_BUILD) -j $(JOBS)
	emcmake cmake -S web -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DZOLBAS_WEB_HOST=$(abspath $(WEB_HOST_BUILD)) -DZOLBAS_WEB_DIST=$(abspath $(WEB_DIST))

web: web-build
	cmake --build $(WEB_BUILD) -j $(JOBS) --target zolbas_web_dist

# Serves the page on this machine only, until interrupted.
serve-web: web
	python3 web/serve.py $(WEB_DIST) $(WEB_PORT)
