#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Wine keeps registry text in UTF-16; the program speaks UTF-8. The conversions here are
// lossless for everything Wine can hold: a surrogate without its partner travels as its own
// three-byte sequence (as WTF-8 does), so a name read from a file is written back unchanged.
// Bytes that are not UTF-8 turn into U+FFFD, as the system's own conversion does.
namespace platform::wine {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
void AppendUtf16AsUtf8(std::string& out, std::u16string_view text);

// Registry names compare as Wine compares them: unit by unit after folding to lower case.
// Letters of ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic fold.
char16_t FoldCase(char16_t unit);
bool EqualsFolded(std::string_view a, std::string_view b);
std::size_t HashFolded(std::string_view text);
// Negative, zero or positive, in Wine's order of names (folded UTF-16 units).
int CompareFolded(std::string_view a, std::string_view b);

struct FoldedHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return HashFolded(text); }
};
struct FoldedEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return EqualsFolded(a, b); }
};

}  // namespace platform::wine
