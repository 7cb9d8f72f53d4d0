# Tabulon: one entry point for a fresh machine.
#   make run    set up, build, start the application
#   make test   set up, build under the sanitizers, run every test
#   make build  set up and build the optimised executables into build/bin/
#   make bench  build and run the benchmarks

JOBS      ?= $(shell nproc)
BUILD     := build
TESTBUILD := build/sanitize
FUZZBUILD := build/fuzz
FUZZ_SECONDS ?= 5

.PHONY: all bootstrap build run test fuzz bench clean

all: build

bootstrap:
	scripts/bootstrap

build: bootstrap
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=OFF
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/tabulon ]; then $(BUILD)/bin/tabulon; else $(BUILD)/bin/xls2vcf --help; fi

test: bootstrap
	cmake -S . -B $(TESTBUILD) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON
	cmake --build $(TESTBUILD) -j $(JOBS)
	cd $(TESTBUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) fuzz

# libFuzzer needs clang; the fuzz targets get a build of their own.
fuzz: bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(FUZZBUILD) -DCMAKE_BUILD_TYPE=Debug -DFUZZ=ON
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzzers
	tests/fuzz/run-all $(FUZZBUILD)/bin $(FUZZ_SECONDS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
