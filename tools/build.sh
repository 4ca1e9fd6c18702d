#!/usr/bin/env bash
# build.sh [product|run]: configures and builds every build that `make test`
# checks, each a preset of CMakePresets.json under build/: the i686 product
# and its tests, the x86_64 build of the same sources, the product again with
# clang and in MSVC mode, and the unit tests and fuzzers natively under
# AddressSanitizer and UBSan. With "product", only the product; with "run",
# only what `make run` shows: the program of the build it shows and the
# helper that finds its window. Configuring every time lets a changed flag
# reach an existing build directory.
set -euo pipefail
source "$(dirname "$0")/host.sh"
cd "$repo_root"

# The product's build keeps how it runs under Wine, and the MSVC-mode program
# its tests run, where that one could be made.
configure_i686() {
  local wine launcher=
  wine=$(i686_wine)
  [ "$wine" != emulated ] || launcher=$repo_root/tools/i386-root.sh
  cmake --preset i686 -DSOUNDCFG_I686_WINE="$wine" -DSOUNDCFG_WINE_LAUNCHER="$launcher" \
    -DSOUNDCFG_MSVC_EXE="$1" >/dev/null
}

if [ $# -gt 0 ]; then
  configure_i686 "$(configured_value i686 SOUNDCFG_MSVC_EXE)"
  build=$([ "$1" = run ] && basename "$(shown_build)" || echo i686)
  [ "$build" = i686 ] || cmake --preset "$build" >/dev/null
  exec cmake --build "build/$build" -j2 --target soundcfg $([ "$1" != run ] || echo wait_for_window)
fi

if msvc_toolchain; then
  tools/i386-root.sh sh -c 'cmake --preset msvc >/dev/null && cmake --build build/msvc --target soundcfg'
else
  rm -rf build/msvc
fi
configure_i686 "$([ ! -f build/msvc/soundcfg.exe ] || echo "$repo_root/build/msvc/soundcfg.exe")"
for preset in x86_64 clang native; do
  cmake --preset "$preset" >/dev/null
done
for preset in i686 x86_64 native; do
  cmake --build "build/$preset" -j2
done
# The program alone: clang does not link the tools' static libstdc++.
cmake --build build/clang -j2 --target soundcfg
