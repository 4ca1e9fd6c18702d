#!/usr/bin/env bash
# Builds everything `make test` checks: the program and its Windows tests with
# MinGW-w64 GCC (build/), the program again with clang (build/clang/), the
# unit tests natively under AddressSanitizer and UBSan (build/native/), and the
# fuzzers (build/fuzz/).
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$source/build}

configure() {
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$source" -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" >/dev/null
}

configure "$build" -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release
configure "$build/clang" -DCMAKE_TOOLCHAIN_FILE="$source/cmake/clang-mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
configure "$build/native" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
[ -f "$build/fuzz/CMakeCache.txt" ] || cmake -S "$source/fuzz" -B "$build/fuzz" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

cmake --build "$build" -j2
cmake --build "$build/clang" -j2 --target soundcfg
cmake --build "$build/native" -j2
cmake --build "$build/fuzz" -j2
