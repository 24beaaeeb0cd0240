#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "sysrepair/windows_bitmap.h"

namespace {

using sysrepair::EncodeWindowsBitmap;

std::uint32_t Uint32At(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

std::uint16_t Uint16At(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(at)) |
                                    static_cast<unsigned char>(bytes.at(at + 1)) << 8);
}

// Reads a 24-bit uncompressed bitmap the way a viewer does, from the header's own fields.
ui::Image Decode(const std::string& bytes) {
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Uint16At(bytes, 28), 24);
  EXPECT_EQ(Uint32At(bytes, 30), 0u);
  const std::uint32_t offset = Uint32At(bytes, 10);
  const auto width = static_cast<std::int32_t>(Uint32At(bytes, 18));
  const auto height = static_cast<std::int32_t>(Uint32At(bytes, 22));
  const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  ui::Image image{width, height, {}};
  image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::int32_t stored = 0; stored < height; ++stored) {
    const std::int32_t y = height - 1 - stored;  // bottom-up
    for (std::int32_t x = 0; x < width; ++x) {
      const std::size_t at =
          offset + static_cast<std::size_t>(stored) * rowSize + static_cast<std::size_t>(x) * 3;
      const auto b = static_cast<unsigned char>(bytes.at(at));
      const auto g = static_cast<unsigned char>(bytes.at(at + 1));
      const auto r = static_cast<unsigned char>(bytes.at(at + 2));
      image.pixels[static_cast<std::size_t>(y * width + x)] =
          0xFF000000u | std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b;
    }
  }
  return image;
}

TEST(SysWindowsBitmap, HeadersDescribeAnUncompressedBottomUpBitmap) {
  // Three pixels a row: nine bytes, padded to twelve.
  const ui::Image image{3,
                        2,
                        {0xFF102030, 0xFF405060, 0xFF708090,  //
                         0xFFA0B0C0, 0xFFD0E0F0, 0xFF010203}};
  const std::string bytes = EncodeWindowsBitmap(image);
  ASSERT_EQ(bytes.size(), 14u + 40u + 2u * 12u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Uint32At(bytes, 2), bytes.size());  // bfSize
  EXPECT_EQ(Uint32At(bytes, 6), 0u);            // reserved
  EXPECT_EQ(Uint32At(bytes, 10), 54u);          // bfOffBits
  EXPECT_EQ(Uint32At(bytes, 14), 40u);          // biSize
  EXPECT_EQ(Uint32At(bytes, 18), 3u);           // biWidth
  EXPECT_EQ(Uint32At(bytes, 22), 2u);           // biHeight, positive: bottom-up
  EXPECT_EQ(Uint16At(bytes, 26), 1);            // biPlanes
  EXPECT_EQ(Uint16At(bytes, 28), 24);           // biBitCount
  EXPECT_EQ(Uint32At(bytes, 30), 0u);           // BI_RGB
  EXPECT_EQ(Uint32At(bytes, 34), 24u);          // biSizeImage
  EXPECT_EQ(Uint32At(bytes, 46), 0u);           // biClrUsed
  // The bottom row comes first, blue-green-red, then the padding.
  EXPECT_EQ(bytes.substr(54, 12), std::string("\xC0\xB0\xA0\xF0\xE0\xD0\x03\x02\x01\0\0\0", 12));
  EXPECT_EQ(bytes.substr(66, 12), std::string("\x30\x20\x10\x60\x50\x40\x90\x80\x70\0\0\0", 12));
}

TEST(SysWindowsBitmap, RowsArePaddedToFourBytes) {
  const std::pair<int, std::size_t> kRowSizes[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}};
  for (auto [width, rowSize] : kRowSizes) {
    SCOPED_TRACE(width);
    ui::Image image{width, 3, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * 3)};
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
      image.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x0A0B0C);
    }
    const std::string bytes = EncodeWindowsBitmap(image);
    EXPECT_EQ(bytes.size(), 54 + 3 * rowSize);
    EXPECT_EQ(Uint32At(bytes, 34), 3 * rowSize);
    EXPECT_EQ(Decode(bytes), image);
  }
}

TEST(SysWindowsBitmap, TransparentPixelsAreBlendedOntoWhite) {
  const ui::Image image{3, 1, {0x00FF0000, 0x80000000, 0xFF123456}};
  const ui::Image decoded = Decode(EncodeWindowsBitmap(image));
  EXPECT_EQ(decoded.pixels, (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFF7F7F7F, 0xFF123456}));
}

TEST(SysWindowsBitmap, RefusesPicturesItCannotDescribe) {
  EXPECT_THROW(EncodeWindowsBitmap({}), std::invalid_argument);
  EXPECT_THROW(EncodeWindowsBitmap({2, 2, {0xFF000000}}), std::invalid_argument);
}

}  // namespace
