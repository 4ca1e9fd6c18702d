# One command each for running and testing soundcfg on a fresh Debian machine:
# both install what is missing and build first.
MAKEFLAGS += --no-print-directory

.PHONY: setup build run test dist docs bench fuzz mutants clean

setup:
	@bash tools/setup.sh

build: setup
	@bash tools/build.sh

run: setup
	@bash tools/build.sh run
	@bash tools/demo.sh

test: build
	@bash tools/run-tests.sh

# The release archive for players, from the product alone.
dist: setup
	@bash tools/build.sh product
	@bash tools/dist.sh build/i686/soundcfg.exe

# Refreshes docs/fault-matrix.md from a run of the fault cases, the product's
# where this host runs it under Wine.
docs: build
	@bash tools/run-tests.sh -R '^(FaultMatrix|Unprivileged)\.'
	@cp build/i686/fault-matrix.md docs/ 2>/dev/null || cp build/x86_64/fault-matrix.md docs/

bench: build
	@bash tools/bench.sh

# A longer fuzzing run: FUZZ_SECONDS for each fuzzer.
FUZZ_SECONDS ?= 600
fuzz: build
	@bash tools/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf build dist

# Plants each fault of tools/mutants.txt alone and runs the quick loop on it.
mutants: build
	@python3 tools/mutants.py
