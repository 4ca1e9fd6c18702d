#!/usr/bin/env python3
"""pack.py PRODUCT README ARCHIVE VERSION EPOCH COMMIT: writes the release zip ARCHIVE: the product, the players'
readme (README, UTF-8, given the version) as code page 950 with CRLF line ends, and SHA256SUMS of both. Its bytes
depend on these inputs alone: a fixed order, permissions and entry times (EPOCH, in UTC)."""
import hashlib, sys, time, zipfile

product, readme, archive, version, epoch, commit = sys.argv[1:]
# Notepad on a Chinese (Taiwan) Windows reads Big5, with CRLF and no byte-order mark.
text = open(readme, encoding="utf-8").read().replace("@VERSION@", version)
entries = [("soundcfg.exe", open(product, "rb").read()),
           ("readme.txt", text.replace("\n", "\r\n").encode("cp950"))]
sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in entries)
entries.append(("SHA256SUMS", sums.encode("ascii")))
with zipfile.ZipFile(archive, "w") as out:
    out.comment = f"soundcfg {version}, commit {commit}".encode("ascii")
    for name, data in entries:
        entry = zipfile.ZipInfo(name, time.gmtime(int(epoch))[:6])
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o100644 << 16
        out.writestr(entry, data)
