#!/usr/bin/env bash
# Makes the Wine prefixes of each build this host runs under Wine; quick when
# they exist already.
set -euo pipefail
tools=$(dirname "$0")
source "$tools/host.sh"

for arch in $(wine_builds); do
  (source "$tools/wine-env.sh" "$arch"; prepare_wine_prefix)
  # Root runs some cases as a user without privileges, in a prefix of its own.
  [ "$(id -u)" -ne 0 ] || bash "$tools/wine-exec-unprivileged.sh" "$arch"
done
