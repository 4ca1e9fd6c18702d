#!/usr/bin/env bash
# `make docs`: runs the fault cases and keeps the table of the first build
# this host runs under Wine (the product where it can) in docs/fault-matrix.md.
set -euo pipefail
tools=$(dirname "$0")
source "$tools/host.sh"
bash "$tools/run-tests.sh" -R '^(FaultMatrix|Unprivileged)\.'
build=$(first_wine_build)
cp "$(build_dir_of "$build")/fault-matrix.md" "$repo_root/docs/fault-matrix.md"
echo "docs/fault-matrix.md: the fault cases of the $build build"
