#!/usr/bin/env bash
# i386-root.sh COMMAND [ARGUMENT...]: runs COMMAND where the kernel runs no
# 32-bit programs, with the emulation root's /usr (tools/host.sh) in place of
# the host's, and i386 programs run by its qemu-user. Both hold only in a user
# and mount namespace of this command's own, which ends with it: nothing is
# registered or mounted for the rest of the machine. The user is root there,
# as only root may name a binfmt_misc's interpreters, and the files it makes
# are still its own.
set -euo pipefail
source "$(dirname "$0")/host.sh"
i386_elf='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
# F: the kernel opens qemu now, so the root need not be in place for each program.
exec unshare --user --map-root-user --mount bash -euc '
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  echo ":i386:M::$2:$3:$1/usr/bin/qemu-i386:F" >/proc/sys/fs/binfmt_misc/register
  mount --bind "$1/usr" /usr
  mount --bind "$1/etc/ld.so.cache" /etc/ld.so.cache
  shift 3
  exec "$@"' i386-root "$i386_root" "$i386_elf" "$mask" "$@"
