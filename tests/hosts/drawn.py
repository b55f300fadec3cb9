# SPDX-License-Identifier: MIT
# Whether the definition a desktop window shows is drawn whole, judged from a
# picture of its area as the screen has it (the qt and windows hosts take
# the picture; the page's host asks its layout instead).
#
# The area is a frame around the text, on a plain ground or on the window's
# picture seen through it, which changes little along a column of pixels:
# ink is what stands out from the rest of its column, the frame is the
# columns and lines at the edges that stand out as a whole. A label that
# wraps breaks its lines before the text's right inset, so every line ends
# short of it; a label that does not wrap draws a long definition as one
# line clipped at that inset, its ink running up to it. The text's left
# inset, seen as the ground left of the first letter, tells where the right
# one is.
import statistics

STANDS_OUT = 60  # of 255 in luminance


def cut(rows, caption):
    """True when the caption is not drawn whole: nothing drawn for it, or
    one line of ink reaching the text's right inset. `rows` is the picture
    of the area, its frame included: rows of 0xRRGGBB colours."""
    if caption == "" or not rows:
        return False
    lum = [[(299 * (c >> 16 & 255) + 587 * (c >> 8 & 255) + 114 * (c & 255)) // 1000 for c in row] for row in rows]
    ground = [statistics.median_low(column) for column in zip(*lum)]
    middle = statistics.median_low(ground)
    left, right = 0, len(ground) - 1
    while left < right and abs(ground[left] - middle) > STANDS_OUT:
        left += 1
    while right > left and abs(ground[right] - middle) > STANDS_OUT:
        right -= 1
    ink = [[abs(line[x] - ground[x]) > STANDS_OUT for x in range(left, right + 1)] for line in lum]
    while ink and sum(ink[0]) * 2 > len(ink[0]):
        ink.pop(0)
    while ink and sum(ink[-1]) * 2 > len(ink[-1]):
        ink.pop()
    inked = [[x for x, i in enumerate(line) if i] for line in ink]
    lines = [y for y, xs in enumerate(inked) if xs]
    if not lines:
        return True
    bands = 1 + sum(1 for a, b in zip(lines, lines[1:]) if b > a + 1)
    inset_left = min(xs[0] for xs in inked if xs)
    inset_right = right - left - max(xs[-1] for xs in inked if xs)
    return bands == 1 and inset_right <= inset_left + 1
