#pragma once

#include <string>

#include "ui/image.h"

namespace sysrepair {

// The bytes of a Windows bitmap file (BITMAPFILEHEADER, BITMAPINFOHEADER, 24 bits a pixel,
// uncompressed, rows bottom-up and padded to four bytes) showing `image`. Pixels that are not
// opaque are blended onto white, as the picture shows on a plain background.
// Raises platform::Error when the picture is too large for a bitmap file, and
// std::invalid_argument for an empty picture or one whose pixels do not fill it.
std::string EncodeWindowsBitmap(const ui::Image& image);

}  // namespace sysrepair
