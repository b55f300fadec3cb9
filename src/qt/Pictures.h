// SPDX-License-Identifier: MIT
#pragma once

#include <QtGui/QImage>

#include <span>

namespace lexidor {

// The window's pictures, decoded from resources/background.jpg and
// resources/lexidor.ico at build time; lexidor-bake-images writes the
// definitions.
struct PictureBits {
    const uchar* bits;
    int width;
    int height;
    qsizetype bytesPerLine;
    QImage::Format format;
};

const PictureBits& backgroundBits();
// The icon's images, in the order of the icon file.
std::span<const PictureBits> iconBits();

// A picture over its constant pixels: no copy, never written.
inline QImage pictureOf(const PictureBits& p)
{
    return QImage(p.bits, p.width, p.height, p.bytesPerLine, p.format);
}

} // namespace lexidor
