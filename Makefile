# make run   - install what is missing, build, start Tolvani
# make test  - the same set-up, then the whole test suite, headless
# make bench - the same set-up, then the benchmarks

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	$(BUILD_DIR)/tolvani

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

clean:
	rm -rf $(BUILD_DIR)
