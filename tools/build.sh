#!/usr/bin/env bash
# Builds everything `make test` checks: the program and its Windows tests with
# MinGW-w64 GCC for each processor (build/ for the i686 product, build/x86_64/;
# the tests only where they run under Wine),
# the product again with clang (build/clang/), the unit tests natively under
# AddressSanitizer and UBSan (build/native/), and the fuzzers (build/fuzz/).
set -euo pipefail
source "$(dirname "$0")/host.sh"
build=$BUILD_DIR

configure() {
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$repo_root" -B "$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" >/dev/null
}

product=$(build_dir_of i686)/soundcfg.exe
for arch in "${soundcfg_builds[@]}"; do
  configure "$(build_dir_of "$arch")" -DCMAKE_TOOLCHAIN_FILE="$(toolchain_of "$arch")" \
    -DCMAKE_BUILD_TYPE=Release -DSOUNDCFG_PRODUCT_EXE="$product"
done
configure "$build/clang" -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/clang-mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
configure "$build/native" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
[ -f "$build/fuzz/CMakeCache.txt" ] || cmake -S "$repo_root/fuzz" -B "$build/fuzz" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

# A build that does not run under Wine here needs only its program, for the
# static checks; its Windows tests could not run.
for arch in "${soundcfg_builds[@]}"; do
  if runs_under_wine "$arch"; then
    cmake --build "$(build_dir_of "$arch")" -j2
  else
    cmake --build "$(build_dir_of "$arch")" -j2 --target soundcfg
  fi
done
cmake --build "$build/clang" -j2 --target soundcfg
cmake --build "$build/native" -j2
cmake --build "$build/fuzz" -j2
