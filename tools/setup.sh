#!/usr/bin/env bash
# Installs what building and testing soundcfg needs on Debian 12 or 13, as
# root or through sudo; quick when all is there. For the i686 build's Wine
# (tools/host.sh): 32-bit Wine where the kernel runs 32-bit programs, else the
# emulation root, built once for the machine, which also holds the MSVC-mode
# toolchain.
set -euo pipefail
source "$(dirname "$0")/host.sh"

# Unversioned names, so that each release brings its own versions
# (libclang-rt-dev is libclang-rt-14-dev on Debian 12, -19- on Debian 13).
packages=(
  cmake make g++ googletest python3
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 clang clang-tidy cppcheck libclang-rt-dev
  wine wine64
  xvfb xdotool imagemagick strace
  locales fonts-wqy-microhei
)
need_i386_root=
[ "${SOUNDCFG_X86_64_ONLY:-}" = 1 ] || ! kernel_runs_32bit_code || packages+=(wine32:i386)
# The emulation root also holds the MSVC-mode toolchain, so every host that
# can enter it gets one.
if private_binfmt_misc; then
  packages+=(mmdebstrap)
  [ -d "$i386_root" ] || need_i386_root=yes
fi

# The first line of apt's output that says what went wrong.
apt_reason() {
  grep -m1 -E 'Depends:|^E:' <<<"$1" | sed -E 's/^ +//'
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
# 32-bit Wine comes from the i386 architecture's packages.
add_i386=
[[ " ${missing[*]} " != *" wine32:i386 "* ]] || dpkg --print-foreign-architectures | grep -qx i386 || add_i386=yes
# The message texts are Big5: Wine takes code page 950 from this locale.
need_locale=
locale -a 2>/dev/null | grep -qix 'zh_TW.utf8' || need_locale=yes
[ ${#missing[@]} -gt 0 ] || [ -n "$need_locale" ] || [ -n "$need_i386_root" ] || exit 0

# Root installs directly, anyone else through sudo; someone who may not use
# sudo is told what root must run, before anything has changed.
if [ "$(id -u)" -eq 0 ]; then
  as_root() { "$@"; }
  through=
elif command -v sudo >/dev/null && sudo -v 2>/dev/null; then
  as_root() { sudo "$@"; }
  through=" through sudo"
else
  steps=()
  [ -z "$add_i386" ] || steps+=("dpkg --add-architecture i386")
  [ ${#missing[@]} -eq 0 ] ||
    steps+=("apt-get update" "apt-get install -y --no-install-recommends ${missing[*]}")
  [ -z "$need_locale" ] || steps+=("localedef -i zh_TW -f UTF-8 zh_TW.UTF-8")
  [ -z "$need_i386_root" ] || steps+=("mkdir -p ${i386_root%/*}"
    "mmdebstrap --quiet $(printf '%q ' "${i386_root_recipe[@]}")$i386_root")
  command=$(printf ' && %s' "${steps[@]}")
  echo "setup: installing needs root, and $(id -un) may not use sudo here; as root, run once:" >&2
  echo "  ${command# && }" >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing${through} ${missing[*]}"
  [ -z "$add_i386" ] || as_root dpkg --add-architecture i386
  # A mirror in the middle of a sync can fail one index; the others still count.
  if ! log=$(as_root apt-get update 2>&1); then
    failed=$(sed -nE 's/^[EW]: Failed to fetch ([^ ]+).*/\1/p' <<<"$log" | tr '\n' ' ')
    echo "setup: could not update ${failed:-the package lists ($(apt_reason "$log"))};" \
      "going on with the lists that arrived"
  fi

  mapfile -t base < <(printf '%s\n' "${missing[@]}" | grep -vx 'wine32:i386')
  if [ ${#base[@]} -gt 0 ] &&
     ! log=$(as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${base[@]}" 2>&1); then
    echo "setup: could not install ${base[*]}: $(apt_reason "$log")" >&2
    exit 1
  fi
  # The i386 libraries must match their amd64 twins' versions, which a
  # half-synced mirror may not offer yet: then only the x86_64 build runs.
  if [ ${#base[@]} -lt ${#missing[@]} ] &&
     ! log=$(as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends wine32:i386 2>&1); then
    echo "setup: 32-bit Wine could not be installed ($(apt_reason "$log")); the Wine tests run on the x86_64 build alone"
  fi
fi

if [ -n "$need_locale" ]; then
  echo "setup: generating the zh_TW.UTF-8 locale${through}"
  as_root localedef -i zh_TW -f UTF-8 zh_TW.UTF-8
fi

# Any older root goes: its recipe is no longer the scripts'.
if [ -n "$need_i386_root" ]; then
  echo "setup: building the emulation root $i386_root${through}, once for this machine"
  as_root rm -rf "${i386_root%/*}"
  as_root mkdir -p "${i386_root%/*}"
  if log=$(as_root mmdebstrap --quiet "${i386_root_recipe[@]}" "$i386_root.new" 2>&1); then
    as_root mv "$i386_root.new" "$i386_root"
  else
    echo "setup: the emulation root could not be built ($(grep -m1 -E '^E:' <<<"$log" || tail -n1 <<<"$log"));" \
      "the product runs under Wine only where the kernel runs 32-bit programs, and the MSVC-mode build is left out"
  fi
fi
