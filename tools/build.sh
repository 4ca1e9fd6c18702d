#!/usr/bin/env bash
# Configures and builds every build that `make test` checks, each a preset of
# CMakePresets.json under build/: the i686 product and its tests, the x86_64
# build of the same sources, the product again with clang and in MSVC mode,
# and the unit tests and fuzzers natively under AddressSanitizer and UBSan.
# Configuring every time lets a changed flag reach an existing build directory.
set -euo pipefail
source "$(dirname "$0")/host.sh"
cd "$repo_root"

# The MSVC-mode program first, with the emulation root's toolchain, so that
# the product's build finds it for its tests; where it cannot be made, none is left.
if msvc_toolchain; then
  tools/i386-root.sh sh -c 'cmake --preset msvc >/dev/null && cmake --build build/msvc --target soundcfg'
else
  rm -rf build/msvc
fi

launcher=
[ "$(i686_wine)" != emulated ] || launcher=$repo_root/tools/i386-root.sh
cmake --preset i686 -DSOUNDCFG_WINE_LAUNCHER="$launcher" >/dev/null
for preset in x86_64 clang native; do
  cmake --preset "$preset" >/dev/null
done
for preset in i686 x86_64 native; do
  cmake --build "build/$preset" -j2
done
# The program alone: clang does not link the tools' static libstdc++.
cmake --build build/clang -j2 --target soundcfg
