# The two commands of the README: `make play` and `make check`; and the
# browser's `make web` and `make serve-web`.
BUILD ?= build
CHECK_BUILD ?= build-check
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)
WEB_HOST_BUILD ?= build-web-host
WEB_BUILD ?= build-web
WEB_DIST ?= dist/web
WEB_PORT ?= 8000
# Debian's emscripten finds node's acorn here for its optimising passes.
export NODE_PATH := /usr/share/nodejs

.PHONY: play check deps build fuzz web web-build serve-web

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLBAS_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/zolbas

# The fuzz targets for a bounded time, then every test under
# AddressSanitizer and UndefinedBehaviorSanitizer, under a virtual X server
# when there is no display; CTest's summary comes last.
check: deps
	cmake -S . -B $(CHECK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOLBAS_SANITIZE=ON -DZOLBAS_TESTS=ON \
	  -DZOLBAS_WEB_BUILD=$(abspath $(WEB_BUILD)) -DZOLBAS_WEB_DIST=$(abspath $(WEB_DIST))
	cmake --build $(CHECK_BUILD) -j $(JOBS)
	$(MAKE) --no-print-directory web-build
	cmake --build $(WEB_BUILD) -j $(JOBS)
	$(MAKE) --no-print-directory fuzz
	tools/run-tests.sh $(CHECK_BUILD)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLBAS_FUZZ=ON -DZOLBAS_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zolbas_fuzzers
	tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The browser build: the host tools and files, then the WebAssembly with
# Debian's emscripten; `make web` writes the page to dist/web/.
web-build: deps
	cmake -S web/host -B $(WEB_HOST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WEB_HOST_BUILD) -j $(JOBS)
	emcmake cmake -S web -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DZOLBAS_WEB_HOST=$(abspath $(WEB_HOST_BUILD)) -DZOLBAS_WEB_DIST=$(abspath $(WEB_DIST))

web: web-build
	cmake --build $(WEB_BUILD) -j $(JOBS) --target zolbas_web_dist

# Serves the page on this machine only, until interrupted.
serve-web: web
	python3 web/serve.py $(WEB_DIST) $(WEB_PORT)
