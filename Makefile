BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: deps build run test bench install package fuzz clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/huebit

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# Each fuzz target for FUZZ_SECONDS (default 60) in its own clang build folder, build-fuzz.
fuzz: deps
	@JOBS=$(JOBS) scripts/fuzz.sh

bench: build
	$(BUILD_DIR)/bench/huebit_bench

# Into PREFIX (default /usr/local); DESTDIR works as usual for staging.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package in $(BUILD_DIR): huebit_<version>_amd64.deb
package: build
	@cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
