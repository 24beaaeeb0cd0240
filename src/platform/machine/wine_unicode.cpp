#include "platform/machine/wine_unicode.h"

#include <cstdint>
#include <utility>

namespace platform::wine {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Reads one code point at `pos` and moves past it. Encoded surrogates are accepted, so that
// what Utf16ToUtf8 writes reads back; anything else that is not UTF-8 reads as U+FFFD, one byte
// at a time.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t left = text.size() - pos;
  if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && IsContinuation(byte(pos + 1))) {
    char32_t point = ((lead & 0x1Fu) << 6) | (byte(pos + 1) & 0x3Fu);
    pos += 2;
    return point;
  }
  if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && IsContinuation(byte(pos + 1)) &&
      IsContinuation(byte(pos + 2)) && (lead != 0xE0 || byte(pos + 1) >= 0xA0)) {
    char32_t point =
        ((lead & 0x0Fu) << 12) | ((byte(pos + 1) & 0x3Fu) << 6) | (byte(pos + 2) & 0x3Fu);
    pos += 3;
    return point;
  }
  if (lead >= 0xF0 && lead <= 0xF4 && left >= 4 && IsContinuation(byte(pos + 1)) &&
      IsContinuation(byte(pos + 2)) && IsContinuation(byte(pos + 3)) &&
      (lead != 0xF0 || byte(pos + 1) >= 0x90) && (lead != 0xF4 || byte(pos + 1) < 0x90)) {
    char32_t point = ((lead & 0x07u) << 18) | ((byte(pos + 1) & 0x3Fu) << 12) |
                     ((byte(pos + 2) & 0x3Fu) << 6) | (byte(pos + 3) & 0x3Fu);
    pos += 4;
    return point;
  }
  ++pos;
  return kReplacement;
}

void AppendCodePoint(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | (point >> 6));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | (point >> 12));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (point >> 18));
    out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Walks the folded UTF-16 units of UTF-8 text.
class FoldedUnits {
 public:
  explicit FoldedUnits(std::string_view text) : text_(text) {}
  bool Done() const { return pending_ == 0 && pos_ >= text_.size(); }
  char16_t Next() {
    if (pending_ != 0) return std::exchange(pending_, 0);
    auto lead = static_cast<unsigned char>(text_[pos_]);
    if (lead < 0x80) {
      ++pos_;
      return FoldCase(lead);
    }
    char32_t point = NextCodePoint(text_, pos_);
    if (point < 0x10000) return FoldCase(static_cast<char16_t>(point));
    point -= 0x10000;
    pending_ = static_cast<char16_t>(0xDC00 + (point & 0x3FF));
    return static_cast<char16_t>(0xD800 + (point >> 10));
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  char16_t pending_ = 0;
};

char ToLowerAsciiByte(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
      units += static_cast<char16_t>(lead);
      ++pos;
      continue;
    }
    char32_t point = NextCodePoint(text, pos);
    if (point < 0x10000) {
      units += static_cast<char16_t>(point);
    } else {
      point -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (point >> 10));
      units += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
    }
  }
  return units;
}

void AppendUtf16AsUtf8(std::string& out, std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t unit = text[i];
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      char32_t point = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                       (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      AppendCodePoint(out, point);
      ++i;
    } else {
      AppendCodePoint(out, unit);
    }
  }
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf16AsUtf8(out, text);
  return out;
}

char16_t FoldCase(char16_t unit) {
  if (unit < 0x80) return (unit >= 'A' && unit <= 'Z') ? static_cast<char16_t>(unit + 32) : unit;
  auto plus = [unit](int offset) { return static_cast<char16_t>(unit + offset); };
  if (unit >= 0x00C0 && unit <= 0x00DE && unit != 0x00D7) return plus(32);
  if (unit >= 0x0100 && unit <= 0x017F) {
    if (unit == 0x0130 || unit == 0x0131 || unit == 0x0138 || unit == 0x0149) return unit;
    if (unit == 0x0178) return 0x00FF;
    bool oddUpper = (unit >= 0x0139 && unit <= 0x0148) || (unit >= 0x0179 && unit <= 0x017E);
    bool upper = oddUpper ? (unit & 1) != 0 : (unit & 1) == 0;
    return (upper && unit != 0x017F) ? plus(1) : unit;
  }
  if (unit == 0x0386) return 0x03AC;
  if (unit >= 0x0388 && unit <= 0x038A) return plus(37);
  if (unit == 0x038C) return 0x03CC;
  if (unit == 0x038E || unit == 0x038F) return plus(63);
  if (unit >= 0x0391 && unit <= 0x03AB && unit != 0x03A2) return plus(32);
  if (unit >= 0x0400 && unit <= 0x040F) return plus(80);
  if (unit >= 0x0410 && unit <= 0x042F) return plus(32);
  return unit;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  // ASCII, by far the common case, compares byte by byte.
  while (i < a.size() && i < b.size()) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) break;
    if (ToLowerAsciiByte(a[i]) != ToLowerAsciiByte(b[i])) return false;
    ++i;
  }
  if (i == a.size() || i == b.size()) return a.size() == b.size();
  return CompareFolded(a.substr(i), b.substr(i)) == 0;
}

std::size_t HashFolded(std::string_view text) {
  std::uint64_t hash = 1469598103934665603ULL;
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
      hash = (hash ^ static_cast<unsigned char>(ToLowerAsciiByte(text[pos]))) * 1099511628211ULL;
      ++pos;
      continue;
    }
    char32_t point = NextCodePoint(text, pos);
    if (point < 0x10000) {
      hash = (hash ^ FoldCase(static_cast<char16_t>(point))) * 1099511628211ULL;
    } else {
      point -= 0x10000;
      hash = (hash ^ (0xD800 + (point >> 10))) * 1099511628211ULL;
      hash = (hash ^ (0xDC00 + (point & 0x3FF))) * 1099511628211ULL;
    }
  }
  return static_cast<std::size_t>(hash);
}

int CompareFolded(std::string_view a, std::string_view b) {
  FoldedUnits left(a);
  FoldedUnits right(b);
  while (!left.Done() && !right.Done()) {
    char16_t x = left.Next();
    char16_t y = right.Next();
    if (x != y) return x < y ? -1 : 1;
  }
  if (left.Done() && right.Done()) return 0;
  return left.Done() ? -1 : 1;
}

}  // namespace platform::wine
