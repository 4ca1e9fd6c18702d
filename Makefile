# One command each for running and testing soundcfg on a fresh Debian machine:
# both install what is missing, build, and prepare the Wine prefix first.
export BUILD_DIR := $(CURDIR)/build
# The Wine prefixes are made while the build runs.
MAKEFLAGS += --no-print-directory -j2

.PHONY: setup build prefix analyze run test docs bench fuzz clean

setup:
	@bash tools/setup.sh

build: setup
	@bash tools/build.sh

prefix: setup
	@bash tools/wine-prefix.sh

run: build prefix
	@bash tools/run-demo.sh

analyze: build
	@bash tools/analyze.sh

test: build prefix analyze
	@bash tools/run-tests.sh

# Refreshes docs/fault-matrix.md from a run of the fault cases.
docs: build prefix
	@bash tools/docs.sh

bench: build prefix
	@bash tools/bench.sh

# A longer fuzzing run: FUZZ_SECONDS for each fuzzer.
FUZZ_SECONDS ?= 600
fuzz: build
	@bash tools/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR)
