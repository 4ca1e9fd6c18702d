# Sourced by the set-up, build and test scripts: which builds of soundcfg this
# host makes, and which of them it runs under Wine. Decided here and nowhere else.
#
# Every host builds both:
#   i686    the product, build/soundcfg.exe, run by 32-bit Wine
#   x86_64  the same sources, build/x86_64/soundcfg.exe, run by 64-bit Wine
# 64-bit Wine runs on every x86_64 kernel; 32-bit Wine only where the kernel
# runs 32-bit programs. SOUNDCFG_X86_64_ONLY=1 takes the path of a host that
# cannot, so that path can be tried on one that can.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$repo_root/build}
# The builds these scripts start size their own jobs; the job server of the
# Makefile, which runs some of these scripts side by side, is not theirs.
unset MFLAGS
export MAKEFLAGS=--no-print-directory

soundcfg_builds=(i686 x86_64)

# Where a build's configure, binaries and Wine prefix live.
build_dir_of() {
  case $1 in
    i686) echo "$BUILD_DIR" ;;
    x86_64) echo "$BUILD_DIR/x86_64" ;;
  esac
}

toolchain_of() {
  echo "$repo_root/cmake/mingw-$1.cmake"
}

# Debian installs both Wine loaders side by side; its `wine` script prefers
# the 32-bit one whenever it is installed, even where the kernel cannot run it.
wine_loader_of() {
  case $1 in
    i686) echo /usr/lib/wine/wine ;;
    x86_64) echo /usr/lib/wine/wine64 ;;
  esac
}

wine_arch_of() {
  case $1 in
    i686) echo win32 ;;
    x86_64) echo win64 ;;
  esac
}

# Runs a static i386 program of 91 bytes that only exits with 0: a kernel
# without 32-bit support refuses it with "Exec format error", whatever is
# installed.
kernel_runs_32bit_code() {
  local probe status=0
  # In the build directory: a temporary directory may be mounted noexec.
  mkdir -p "$BUILD_DIR"
  probe=$(mktemp -p "$BUILD_DIR" probe-i386.XXXXXX)
  # ELF header, one program header that loads the whole file at 0x08048000,
  # then: xor ebx,ebx; push 1; pop eax; int 0x80 (exit with 0).
  printf '%b' \
    '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80' \
    '\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\x31\xdb\x6a\x01\x58\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return "$status"
}

# Why this host does not want 32-bit Wine at all; empty where it does.
why_no_32bit_wine() {
  if [ "${SOUNDCFG_X86_64_ONLY:-}" = 1 ]; then
    echo "SOUNDCFG_X86_64_ONLY=1 asks for the x86_64 build alone"
  elif ! kernel_runs_32bit_code; then
    echo "this kernel runs no 32-bit programs"
  fi
}

# Why the i686 build does not run under Wine here; empty where it does.
why_no_i686_wine() {
  local why
  why=$(why_no_32bit_wine)
  if [ -z "$why" ] && [ ! -x "$(wine_loader_of i686)" ]; then
    why="32-bit Wine (wine32:i386) is not installed"
  fi
  echo "$why"
}

# The builds whose Wine tests run here, the product first.
wine_builds() {
  if [ -z "$(why_no_i686_wine)" ]; then echo i686 x86_64; else echo x86_64; fi
}

runs_under_wine() {
  [[ " $(wine_builds) " == *" $1 "* ]]
}

# The build that `make run` and the benchmark run: the product where it can.
first_wine_build() {
  local builds
  builds=$(wine_builds)
  echo "${builds%% *}"
}
