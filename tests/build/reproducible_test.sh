#!/usr/bin/env bash
# reproducible_test.sh TOOLCHAIN: builds soundcfg.exe twice from the same
# sources with cmake/TOOLCHAIN.cmake, in two clean directories at different
# paths, and expects the same bytes.
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for build in "$scratch/one" "$scratch/second/two"; do
  cmake -S "$source" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$source/cmake/$1.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$build" --target soundcfg >/dev/null
done
sha256sum "$scratch/one/soundcfg.exe" "$scratch/second/two/soundcfg.exe"
cmp "$scratch/one/soundcfg.exe" "$scratch/second/two/soundcfg.exe"
echo "the two builds are byte-identical"
