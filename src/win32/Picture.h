// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace lexidor {

// Decodes a JPEG (or BMP, GIF) kept as RCDATA resource `id` with the system's
// own decoder (OLE IPicture) and returns it as a device-independent bitmap
// that the caller owns, or nullptr when the resource is missing or cannot be
// decoded. COM must be initialised on the calling thread.
HBITMAP loadPictureResource(HINSTANCE instance, int id);

} // namespace lexidor
