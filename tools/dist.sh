#!/usr/bin/env bash
# dist.sh PRODUCT: packs the product, built (`make dist` builds it first),
# with the players' readme into dist/soundcfg-<version>.zip, its checksum
# beside it; the version is the one PRODUCT's build was configured with. The
# entries take the commit's time, so that a commit gives the same bytes
# wherever and whenever it is packed; a tree with uncommitted changes says so
# in the name.
set -euo pipefail
product=$(realpath "$1")
cd "$(dirname "$0")/.."
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$(dirname "$product")/CMakeCache.txt")
git diff --quiet HEAD || version+=-uncommitted
mkdir -p dist
python3 tools/pack.py "$product" docs/readme-zh_TW.txt "dist/soundcfg-$version.zip" "$version" \
  "$(git log -1 --format=%ct)" "$(git rev-parse HEAD)"
(cd dist && sha256sum "soundcfg-$version.zip" >"soundcfg-$version.zip.sha256")
echo "dist/soundcfg-$version.zip and its checksum, dist/soundcfg-$version.zip.sha256"
