BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	$(BUILD_DIR)/src/huebit

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD_DIR)/bench/huebit_bench

clean:
	rm -rf $(BUILD_DIR)
