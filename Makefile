# The two commands of the README: `make play` and `make check`.
BUILD ?= build
CHECK_BUILD ?= build-check
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)

.PHONY: play check deps build fuzz deb

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLBAS_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/zolbas

# The Debian package, dist/zolbas_VERSION_amd64.deb, from the build of play.
deb: build
	cd $(BUILD) && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX=$(CURDIR)/dist

# The fuzz targets for a bounded time, then every test under
# AddressSanitizer and UndefinedBehaviorSanitizer, under a virtual X server
# when there is no display; CTest's summary comes last.
check: deps
	cmake -S . -B $(CHECK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOLBAS_SANITIZE=ON -DZOLBAS_TESTS=ON
	cmake --build $(CHECK_BUILD) -j $(JOBS)
	$(MAKE) --no-print-directory fuzz
	tools/run-tests.sh $(CHECK_BUILD)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLBAS_FUZZ=ON -DZOLBAS_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zolbas_fuzzers
	tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
