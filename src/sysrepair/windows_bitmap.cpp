#include "sysrepair/windows_bitmap.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "platform/error.h"

namespace sysrepair {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 24;
constexpr std::uint32_t kUncompressed = 0;      // BI_RGB
constexpr std::int32_t kPixelsPerMeter = 3780;  // 96 dots per inch

void PutUint16(std::string& bytes, std::uint16_t value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>((value >> 8) & 0xFF);
}

void PutUint32(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

void PutInt32(std::string& bytes, std::int32_t value) {
  PutUint32(bytes, static_cast<std::uint32_t>(value));
}

// One colour channel blended onto white by the pixel's opacity.
std::uint8_t OnWhite(std::uint32_t channel, std::uint32_t alpha) {
  return static_cast<std::uint8_t>((channel * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace

std::string EncodeWindowsBitmap(const ui::Image& image) {
  if (image.empty()) throw std::invalid_argument("an empty picture has no bitmap");
  const std::uint64_t width = static_cast<std::uint64_t>(image.width);
  const std::uint64_t height = static_cast<std::uint64_t>(image.height);
  if (image.pixels.size() != width * height) {
    throw std::invalid_argument("the picture's pixels do not fill it");
  }
  const std::uint64_t rowSize = (width * kBitsPerPixel + 31) / 32 * 4;
  const std::uint64_t pixelBytes = rowSize * height;
  const std::uint64_t fileSize = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
  if (fileSize > std::numeric_limits<std::uint32_t>::max()) {
    throw platform::Error("The picture is too large to be saved as a bitmap");
  }

  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(fileSize));
  // BITMAPFILEHEADER
  bytes += "BM";
  PutUint32(bytes, static_cast<std::uint32_t>(fileSize));
  PutUint16(bytes, 0);
  PutUint16(bytes, 0);
  PutUint32(bytes, kFileHeaderSize + kInfoHeaderSize);
  // BITMAPINFOHEADER; a positive height stores the rows bottom-up.
  PutUint32(bytes, kInfoHeaderSize);
  PutInt32(bytes, image.width);
  PutInt32(bytes, image.height);
  PutUint16(bytes, 1);
  PutUint16(bytes, kBitsPerPixel);
  PutUint32(bytes, kUncompressed);
  PutUint32(bytes, static_cast<std::uint32_t>(pixelBytes));
  PutInt32(bytes, kPixelsPerMeter);
  PutInt32(bytes, kPixelsPerMeter);
  PutUint32(bytes, 0);
  PutUint32(bytes, 0);

  const std::size_t padding = static_cast<std::size_t>(rowSize - width * 3);
  for (std::uint64_t y = height; y-- > 0;) {
    const std::uint32_t* row = image.pixels.data() + y * width;
    for (std::uint64_t x = 0; x < width; ++x) {
      const std::uint32_t pixel = row[x];
      const std::uint32_t alpha = pixel >> 24;
      bytes += static_cast<char>(OnWhite(pixel & 0xFF, alpha));
      bytes += static_cast<char>(OnWhite((pixel >> 8) & 0xFF, alpha));
      bytes += static_cast<char>(OnWhite((pixel >> 16) & 0xFF, alpha));
    }
    bytes.append(padding, '\0');
  }
  return bytes;
}

}  // namespace sysrepair
