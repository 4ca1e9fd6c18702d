# Sourced by the set-up, build and test scripts: how this host runs the
# product, the i686 build, under Wine, decided here and nowhere else. (The
# x86_64 build of the same sources runs under 64-bit Wine on every x86_64
# kernel.) The i686 build runs
#   natively  where the kernel runs 32-bit programs, under Debian's 32-bit Wine;
#   emulated  where it does not, under the 32-bit Wine of a Debian root that
#             set-up builds, its i386 code under qemu-user (tools/i386-root.sh);
# and not at all where neither can be had. The build keeps what was decided
# when it was configured (configured_value), and the tests read it from there.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$repo_root/tools/wine.sh"

# The emulation root, Debian 13: its qemu-user (10) runs Wine well, where
# Debian 12's reserves Wine's address space for a minute at every start; its
# clang-cl, llvm-rc and lld-link take Wine's headers, where Debian 12's clash
# with them, for the MSVC-mode build. It lies outside any checkout, shared by
# all, and its name carries its recipe, so a changed recipe builds a new one.
i386_root_recipe=(--variant=minbase --architectures=amd64,i386
  --include=wine,wine64,wine32:i386,qemu-user,locales,fonts-wqy-microhei
  --include=clang,clang-tools,lld,llvm,libwine-dev,libwine-dev:i386,cmake,make
  '--customize-hook=chroot "$1" localedef -i zh_TW -f UTF-8 zh_TW.UTF-8' trixie)
i386_root=/var/cache/soundcfg/i386-root-$(md5sum <<<"${i386_root_recipe[*]}" | cut -c1-8)

# Runs a static i386 program of 91 bytes that only exits with 0: a kernel
# without 32-bit support refuses it with "Exec format error", whatever is
# installed.
kernel_runs_32bit_code() {
  local probe status=0
  # In the build directory: a temporary directory may be mounted noexec.
  mkdir -p "$repo_root/build"
  probe=$(mktemp -p "$repo_root/build" probe-i386.XXXXXX)
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

# Kernels from 6.7 on give a user namespace a binfmt_misc of its own, in which
# qemu-user can run i386 programs without changing the host's: this names an
# interpreter in one, which ends with it.
private_binfmt_misc() {
  unshare --user --map-root-user --mount sh -c 'mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc &&
    echo ":probe:M::soundcfg::/bin/false:" >/proc/sys/fs/binfmt_misc/register' 2>/dev/null
}

# Why the i686 build is emulated, where it is: the kernel, or the switch that
# forces emulation where the kernel would run it natively, so that any host
# can try that path.
emulation_reason() { kernel_runs_32bit_code && echo "forced by SOUNDCFG_EMULATE_I686=1" || echo "this kernel runs no 32-bit programs"; }

# Why the i686 build cannot run under Wine here, or how it can: native or emulated.
i686_wine() {
  if kernel_runs_32bit_code && [ "${SOUNDCFG_EMULATE_I686:-}" != 1 ]; then
    if [ -x "$wine32_loader" ]; then echo native; else echo "32-bit Wine (wine32:i386) is not installed"; fi
  elif ! private_binfmt_misc; then
    echo "$(emulation_reason), and this kernel has no binfmt_misc of a user namespace's own to emulate it"
  elif [ -d "$i386_root" ]; then
    echo emulated
  else
    echo "$(emulation_reason), and set-up could not build the emulation root $i386_root"
  fi
}

# The directory of the build that `make run` shows: the product wherever it
# was configured to run under Wine, natively or emulated, else the x86_64 build.
shown_build() {
  [[ $(configured_value i686 SOUNDCFG_I686_WINE) =~ ^(native|emulated)$ ]] && echo "$repo_root/build/i686" || echo "$repo_root/build/x86_64"
}

# The directory of the build that the benchmark times: the product where it
# runs natively under Wine, else the x86_64 build, for figures without emulation.
native_wine_build() {
  [ "$(configured_value i686 SOUNDCFG_I686_WINE)" = native ] && echo "$repo_root/build/i686" || echo "$repo_root/build/x86_64"
}

# Whether the MSVC-mode build of the product can be made here: its toolchain
# is the emulation root's, entered as tools/i386-root.sh does.
msvc_toolchain() { [ -d "$i386_root" ] && private_binfmt_misc; }

# configured_value BUILD VARIABLE: what the build in build/BUILD was configured with.
configured_value() {
  sed -n "s/^$2:[A-Z]*=//p" "$repo_root/build/$1/CMakeCache.txt" 2>/dev/null
}
