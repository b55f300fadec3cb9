# SPDX-License-Identifier: MIT
"""Packs 16-colour images into a Windows .ico file.

Usage: write-ico.py OUT.ico SIZE RGB MASK [SIZE RGB MASK ...]

RGB is SIZE*SIZE raw 8-bit red/green/blue triples, top row first, holding
at most 15 distinct colours; MASK is SIZE*SIZE raw 8-bit grey samples, where
0 marks a see-through pixel. Every image becomes a 4-bit BMP entry (palette
of 16, colour bitmap plus 1-bit AND mask), in the order given. Pure black is
always palette index 0, so see-through pixels carry colour 0 under a set
mask bit, as Windows expects.
"""

import struct
import sys

BLACK = (0, 0, 0)
PALETTE_SIZE = 16


def read_exact(path, size):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != size:
        sys.exit(f"write-ico.py: {path}: {len(data)} bytes, expected {size}")
    return data


def row_bytes(bits):
    """Bytes in one BMP row of the given bit count, padded to 4 bytes."""
    return (bits + 31) // 32 * 4


def bmp_entry(size, rgb, mask):
    pixels = [tuple(rgb[i : i + 3]) for i in range(0, len(rgb), 3)]
    opaque = [m != 0 for m in mask]
    colours = sorted({p for p, o in zip(pixels, opaque) if o} - {BLACK})
    if len(colours) > PALETTE_SIZE - 1:
        sys.exit(f"write-ico.py: {size}x{size} image has {len(colours) + 1} colours, at most 16 fit")
    palette = [BLACK] + colours
    palette += [BLACK] * (PALETTE_SIZE - len(palette))
    index = {c: i for i, c in reversed(list(enumerate(palette)))}

    colour_rows = []
    mask_rows = []
    # BMP rows run bottom-up.
    for y in reversed(range(size)):
        row = bytearray(row_bytes(size * 4))
        bits = bytearray(row_bytes(size))
        for x in range(size):
            at = y * size + x
            value = index[pixels[at]] if opaque[at] else 0
            row[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if not opaque[at]:
                bits[x // 8] |= 0x80 >> (x % 8)
        colour_rows.append(bytes(row))
        mask_rows.append(bytes(bits))
    bitmaps = b"".join(colour_rows) + b"".join(mask_rows)

    header = struct.pack(
        "<IiiHHIIiiII",
        40,  # header size
        size,
        size * 2,  # colour bitmap and mask stacked
        1,  # planes
        4,  # bits per pixel
        0,  # BI_RGB
        len(bitmaps),
        0,
        0,
        0,  # all 16 palette entries in use
        0,  # all colours important
    )
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + bitmaps


def main(argv):
    if len(argv) < 5 or (len(argv) - 2) % 3 != 0:
        sys.exit(__doc__.split("\n\n")[1])
    out = argv[1]
    entries = []
    for at in range(2, len(argv), 3):
        size = int(argv[at])
        if not 1 <= size <= 255:
            sys.exit(f"write-ico.py: size {size} does not fit a BMP icon entry")
        rgb = read_exact(argv[at + 1], size * size * 3)
        mask = read_exact(argv[at + 2], size * size)
        entries.append((size, bmp_entry(size, rgb, mask)))

    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(directory) + 16 * len(entries)
    blobs = []
    for size, blob in entries:
        directory += struct.pack("<BBBBHHII", size, size, PALETTE_SIZE, 0, 1, 4, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    with open(out, "wb") as f:
        f.write(directory + b"".join(blobs))


if __name__ == "__main__":
    main(sys.argv)
