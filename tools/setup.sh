#!/usr/bin/env bash
# Installs what building and testing soundcfg needs on Debian 12 or 13; quick
# when all is there. 32-bit Wine comes only where tools/host.sh wants it.
set -euo pipefail
source "$(dirname "$0")/host.sh"

# Unversioned names, so that each release brings its own versions
# (libclang-rt-dev is libclang-rt-14-dev on Debian 12, -19- on Debian 13).
packages=(
  cmake make g++ googletest python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 clang clang-tidy cppcheck libclang-rt-dev
  wine wine64
  xvfb xauth xdotool imagemagick strace
  locales fonts-wqy-microhei
)
why_not_32bit=$(why_no_32bit_wine)
[ -n "$why_not_32bit" ] || packages+=(wine32:i386)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'
}

# The first line of apt's output that says what went wrong.
apt_reason() {
  grep -m1 -E 'Depends:|^E:' <<<"$1" | sed -E 's/^ +//'
}

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ -z "$why_not_32bit" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # A mirror in the middle of a sync can fail one index; the others still count.
  if ! log=$(apt-get update 2>&1); then
    failed=$(sed -nE 's/^[EW]: Failed to fetch ([^ ]+).*/\1/p' <<<"$log" | tr '\n' ' ')
    echo "setup: could not update ${failed:-some package lists}; going on with the lists that arrived"
  fi

  base=()
  for package in "${missing[@]}"; do
    [ "$package" = wine32:i386 ] || base+=("$package")
  done
  if [ ${#base[@]} -gt 0 ] &&
     ! log=$(DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${base[@]}" 2>&1); then
    echo "setup: could not install ${base[*]}: $(apt_reason "$log")" >&2
    exit 1
  fi
  # The i386 libraries must match their amd64 twins' versions, which a
  # half-synced mirror may not offer yet: then only the x86_64 build runs.
  if [ ${#base[@]} -lt ${#missing[@]} ] &&
     ! log=$(DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends wine32:i386 2>&1); then
    echo "setup: 32-bit Wine could not be installed ($(apt_reason "$log")); the Wine tests run on the x86_64 build alone"
  fi
fi

# The message texts are Big5: Wine takes code page 950 from this locale.
if ! locale -a 2>/dev/null | grep -qix 'zh_TW.utf8'; then
  echo "setup: generating the zh_TW.UTF-8 locale"
  localedef -i zh_TW -f UTF-8 zh_TW.UTF-8
fi
