// SPDX-License-Identifier: MIT
#pragma once

// What the window tests read from the real window's pixels, for any image
// that has width(), height() and pixel(x, y): a QImage on Qt, a drawing of
// a window on Windows.

#include "FormDescription.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <utility>

namespace lexidor::test {

// Where two drawings of one area differ: the leftmost and rightmost column,
// the top and bottom row (left and top the width and the height, right and
// bottom -1, when they do not).
struct Difference {
    int left, top, right, bottom;
};
template <class Image> Difference differences(const Image& a, const Image& b)
{
    Difference d{a.width(), a.height(), -1, -1};
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                d = {std::min(d.left, x), std::min(d.top, y), std::max(d.right, x), std::max(d.bottom, y)};
            }
        }
    }
    return d;
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

// Text against what lies behind it, from one area drawn with its text and
// once without: the pixels that differ are the text; within their bounds the
// commonest colour of the drawing with text is the ground, and the text's
// pixel farthest from it, leaving out the bounds' outermost pixels (where a
// plate behind the text would blend with its surroundings), is the ink.
// A ratio of 1 when no text shows at all. `rgb` gives a pixel's colour.
struct TextContrast {
    Rgb ink{}, ground{};
    double ratio = 1;
};

template <class Image, class ToRgb>
TextContrast textContrast(const Image& shown, const Image& blank, ToRgb rgb)
{
    int left = shown.width(), top = shown.height(), right = -1, bottom = -1;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != blank.pixel(x, y)) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    TextContrast found;
    if (right < 0)
        return found;
    auto key = [](Rgb c) { return std::make_tuple(c.red, c.green, c.blue); };
    std::map<std::tuple<int, int, int>, int> counts;
    int most = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const Rgb c = rgb(shown.pixel(x, y));
            if (const int n = ++counts[key(c)]; n > most) {
                most = n;
                found.ground = c;
            }
        }
    }
    found.ink = found.ground;
    for (int y = top + 1; y < bottom; ++y) {
        for (int x = left + 1; x < right; ++x) {
            const Rgb c = rgb(shown.pixel(x, y));
            if (shown.pixel(x, y) != blank.pixel(x, y) &&
                contrastRatio(c, found.ground) > contrastRatio(found.ink, found.ground))
                found.ink = c;
        }
    }
    found.ratio = contrastRatio(found.ink, found.ground);
    return found;
}

} // namespace lexidor::test
