#!/usr/bin/env python3
"""Builds resources/soundcfg.ico from the pixel map resources/soundcfg_icon.txt.

The icon is one 32x32 image with a 256-colour palette and a transparency
mask. `--check` exits 1 if the checked-in .ico differs from what the map gives.
"""
import struct
import sys
from pathlib import Path

SIZE = 32
ROOT = Path(__file__).resolve().parent.parent
MAP = ROOT / "resources" / "soundcfg_icon.txt"
ICO = ROOT / "resources" / "soundcfg.ico"


def read_map(path):
    palette = {}
    rows = []
    section = None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("# "):
            continue
        if line in ("[palette]", "[pixels]"):
            section = line
        elif section == "[palette]" and line.strip():
            key, colour = line.split()[:2]
            palette[key] = None if colour == "transparent" else bytes.fromhex(colour)
        elif section == "[pixels]" and line:
            rows.append(line)
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        sys.exit(f"{path}: the pixel map must be {SIZE} rows of {SIZE} characters")
    unknown = {c for row in rows for c in row} - palette.keys()
    if unknown:
        sys.exit(f"{path}: characters missing from the palette: {''.join(sorted(unknown))}")
    return palette, rows


def build_ico(palette, rows):
    # Index 0 is black, which transparent pixels use under their mask bit.
    colours = [b"\x00\x00\x00"] + [c for c in palette.values() if c is not None]
    index = {}
    for key, colour in palette.items():
        index[key] = 0 if colour is None else colours.index(colour)
    table = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours)
    table += b"\x00" * (256 * 4 - len(table))

    # Both bitmaps run bottom-up; each mask row is padded to 32 bits.
    pixels = b"".join(bytes(index[c] for c in row) for row in reversed(rows))
    mask = b""
    for row in reversed(rows):
        bits = 0
        for c in row:
            bits = (bits << 1) | (palette[c] is None)
        mask += struct.pack(">I", bits)

    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + table + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def main():
    ico = build_ico(*read_map(MAP))
    if sys.argv[1:] == ["--check"]:
        if ICO.read_bytes() != ico:
            sys.exit(f"{ICO} is not what {MAP} gives: run tools/make_icon.py")
        return
    ICO.write_bytes(ico)


if __name__ == "__main__":
    main()
