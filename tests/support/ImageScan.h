// SPDX-License-Identifier: MIT
#pragma once

// What the window tests read from the real window's pixels, for any image
// that has width(), height() and pixel(x, y): a QImage on Qt, a drawing of
// a window on Windows.

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace lexidor::test {

// The leftmost column and the topmost row where two drawings of one area
// differ (the width and the height when they do not).
template <class Image> std::pair<int, int> firstDifference(const Image& a, const Image& b)
{
    int left = a.width(), top = a.height();
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    return {left, top};
}

// The first and the last column, within the pixels from (left, top) up to
// but not including (right, bottom), whose grey differs from the
// background's by more than 48 of 255; `grey` gives a pixel's grey.
template <class Image, class Pixel, class Grey>
std::pair<int, int> inkColumns(const Image& image, int left, int top, int right, int bottom, Pixel background,
                               Grey grey)
{
    int first = image.width(), last = -1;
    for (int y = top; y < bottom && y < image.height(); ++y) {
        for (int x = left; x < right && x < image.width(); ++x) {
            if (std::abs(grey(image.pixel(x, y)) - grey(background)) > 48) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace lexidor::test
