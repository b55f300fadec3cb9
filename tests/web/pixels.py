# SPDX-License-Identifier: MIT
# Pixels of a browser's screenshot, for the contrast checks: a PNG decoded
# with the standard library (8-bit RGB or RGBA, as Chromium writes it), and
# text measured against its ground from two pictures of one area, with and
# without the text.
import struct
import zlib


def decode_png(data):
    """(width, height, rows), each row a list of (r, g, b)."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, "unexpected PNG format"
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
        previous = line
    return width, height, rows


def luminance(rgb):
    def linear(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def text_contrast(shown, blank):
    """Text against its ground, from one area drawn with its text (`shown`)
    and without (`blank`), as decoded rows: the pixels that differ are the
    text; within their bounds the commonest colour of `shown` is the ground
    (what the browser put behind the text, a backplate included), and the
    text pixel farthest from it is the ink, leaving out the bounds' outermost
    pixels, where a backplate's edge blends with what lies around it.
    (ink, ground, ratio); a ratio of 1 when no text shows at all."""
    differ = [(x, y) for y, row in enumerate(shown) for x, p in enumerate(row) if p != blank[y][x]]
    if not differ:
        return None, None, 1.0
    xs, ys = [x for x, _ in differ], [y for _, y in differ]
    counts = {}
    for y in range(min(ys), max(ys) + 1):
        for x in range(min(xs), max(xs) + 1):
            counts[shown[y][x]] = counts.get(shown[y][x], 0) + 1
    ground = max(counts, key=counts.get)
    inside = [shown[y][x] for x, y in differ if min(xs) < x < max(xs) and min(ys) < y < max(ys)]
    ink = max(inside or [ground], key=lambda p: contrast(p, ground))
    return ink, ground, contrast(ink, ground)
