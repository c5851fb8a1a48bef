BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: deps build run test test-sanitize soak bench install package fuzz clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/huebit

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
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package in $(BUILD_DIR): huebit_<version>_amd64.deb
package: build
	@cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz
