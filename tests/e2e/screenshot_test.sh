#!/usr/bin/env bash
# screenshot_test.sh BUILD_DIR: saves a screenshot of the dialog as Wine draws
# it and checks that the run behind it wrote the default record; the picture
# itself is for people to look at.
set -euo pipefail
screenshot=$1/dialog-screenshot.png

output=$(bash "$(dirname "$0")/../../tools/demo.sh" "$1" "$screenshot")
echo "$output"
grep -q '>522000000<' <<<"$output"
grep -q '>522000<' <<<"$output"

# A blank or one-colour capture means the dialog was not drawn.
colours=$(identify -format '%k' "$screenshot")
size=$(identify -format '%wx%h' "$screenshot")
echo "screenshot $size with $colours colours"
[ "$colours" -gt 8 ]
