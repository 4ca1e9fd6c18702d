#!/usr/bin/env bash
# `make dist`: builds the product alone and packs it with the players' readme
# into dist/soundcfg-<version>.zip, its checksum beside it. The entries take
# the commit's time, so that a commit gives the same bytes wherever and
# whenever it is packed; a tree with uncommitted changes says so in the name.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/host.sh
bash tools/build.sh product
version=$(configured_value i686 CMAKE_PROJECT_VERSION)
git diff --quiet HEAD || version+=-uncommitted
mkdir -p dist
python3 tools/pack.py build/i686/soundcfg.exe docs/readme-zh_TW.txt "dist/soundcfg-$version.zip" "$version" \
  "$(git log -1 --format=%ct)" "$(git rev-parse HEAD)"
(cd dist && sha256sum "soundcfg-$version.zip" >"soundcfg-$version.zip.sha256")
echo "dist/soundcfg-$version.zip and its checksum, dist/soundcfg-$version.zip.sha256"
