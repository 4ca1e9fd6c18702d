#!/usr/bin/env bash
# Installs what building and testing soundcfg needs on Debian 12; quick when all is there.
set -euo pipefail

packages=(
  cmake make g++ googletest python3
  g++-mingw-w64-i686 clang clang-tidy cppcheck libclang-rt-14-dev
  wine wine32:i386
  xvfb xauth xdotool imagemagick strace
  locales fonts-wqy-microhei
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The message texts are Big5: Wine takes code page 950 from this locale.
if ! locale -a 2>/dev/null | grep -qix 'zh_TW.utf8'; then
  echo "setup: generating the zh_TW.UTF-8 locale"
  localedef -i zh_TW -f UTF-8 zh_TW.UTF-8
fi
