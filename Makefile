# One command each for running and testing soundcfg on a fresh Debian machine:
# both install what is missing, build, and prepare the Wine prefix first.
export BUILD_DIR := $(CURDIR)/build
MAKEFLAGS += --no-print-directory

.PHONY: setup build prefix run test clean

setup:
	@bash tools/setup.sh

build: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j2

prefix: setup
	@bash tools/wine-prefix.sh

run: build prefix
	@bash tools/run-demo.sh

test: build prefix
	@bash tools/run-tests.sh

clean:
	rm -rf $(BUILD_DIR)
