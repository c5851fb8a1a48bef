BUILD_DIR ?= build
RUN_DIR ?= build-run
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: deps deps-run build build-run run test test-sanitize soak bench install uninstall \
	package fuzz clean

# Everything: building and running the program, its tests, benchmarks and fuzz targets.
deps:
	@scripts/install-deps.sh

# Only what building and running the program needs.
deps-run:
	@scripts/install-deps.sh --run

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DHUEBIT_BUILD_TESTS=ON \
		-DHUEBIT_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

# The program alone, in a folder of its own: no tests, benchmarks or fuzz targets. Its prefix is
# the one `make install` installs into, so an installed copy knows itself by its folder.
build-run: deps-run
	@cmake -S . -B $(RUN_DIR) -DCMAKE_BUILD_TYPE=Release -DHUEBIT_BUILD_TESTS=OFF \
		-DHUEBIT_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX=$(abspath $(PREFIX)) >/dev/null
	@cmake --build $(RUN_DIR) -j$(JOBS)

run: build-run
	$(RUN_DIR)/src/huebit

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The whole CTest suite again on a build with AddressSanitizer and UBSan, in build-sanitize.
test-sanitize: deps
	@JOBS=$(JOBS) scripts/test-sanitize.sh

# The monkey test at full length on the release build, its memory judged after the warm-up.
SOAK_EVENTS ?= 20000
soak: build
	@$(BUILD_DIR)/tests/soak/huebit_monkey --events $(SOAK_EVENTS) --max-growth 5

# Each fuzz target for FUZZ_SECONDS (default 60) in its own clang build folder, build-fuzz.
FUZZ_SECONDS ?= 60
fuzz: deps
	@FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) scripts/fuzz.sh

bench: build
	$(BUILD_DIR)/bench/huebit_bench

# Into PREFIX (default /usr/local); DESTDIR works as usual for staging.
install: build-run
	@cmake --install $(RUN_DIR) --prefix $(abspath $(PREFIX))

# What the last `make install` put there, as $(RUN_DIR)/install_manifest.txt lists it.
uninstall:
	@cmake -DMANIFEST=$(RUN_DIR)/install_manifest.txt -P cmake/uninstall.cmake

# A Debian package in $(BUILD_DIR): huebit_<version>-1_amd64.deb
package: build
	@cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) $(RUN_DIR) build-sanitize build-fuzz
