#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The pieces of Wine's registry text format: escaped text, key headers and value lines.
namespace platform::wine {

// A value's data as Wine holds it: the string types in UTF-16LE with their terminating NUL,
// REG_DWORD in four bytes, little-endian; any other type as its bytes.
struct HiveValue {
  std::uint32_t type = 0;
  std::string data;
  bool operator==(const HiveValue&) const = default;
};

// Text that does not follow the format, found at byte `offset` of the file.
struct SyntaxProblem {
  std::size_t offset;
  std::string what;
};

// Wine's escaped form: a backslash and each of `delimiters` get a backslash before them;
// control characters are written as \n-style letters or in octal, characters beyond ASCII as
// \x and hex digits. Octal and hex take as few digits as they need unless a digit follows, in
// which case they take their full width (\000, \x0000).
void AppendEscaped(std::string& out, std::u16string_view units, std::string_view delimiters);
// Decodes escaped text. Bytes beyond ASCII written as they are read as UTF-8.
void AppendUnescaped(std::u16string& out, std::string_view escaped);
// The index of the first unescaped `close` at or after `from` on the same line; npos if none.
std::size_t FindUnescaped(std::string_view text, std::size_t from, char close);

// "[Key\\Path] 1234567890": the escaped path between the brackets and the start of the next line.
struct KeyHeaderLine {
  std::string_view path;
  std::size_t end = 0;
};
// Reads the key header whose "[" is at `pos`. Throws SyntaxProblem.
KeyHeaderLine ScanKeyHeader(std::string_view text, std::size_t pos);

// `"name"=data` or `@=data`, the data spanning continuation lines where it has them.
struct ValueLine {
  bool isDefault = false;
  std::string_view name;  // escaped, between the quotes
  std::string_view data;  // after the "=", without the final line end
  std::size_t end = 0;    // start of the next line
};
// Reads the value line at `pos`, its first character being '@' or '"'. Throws SyntaxProblem.
ValueLine ScanValueLine(std::string_view text, std::size_t pos);
// The value held by data that ScanValueLine accepted.
HiveValue DecodeData(std::string_view data);
// Appends the line Wine writes for a value (`name` in UTF-8, empty for the default value),
// long binary data wrapped as Wine wraps it.
void AppendValueLine(std::string& out, std::string_view name, const HiveValue& value,
                     std::string_view newline);

// Helpers for the rest of the line format.
bool IsBlank(char c);
// The start of the line after the one `pos` is on.
std::size_t NextLine(std::string_view text, std::size_t pos);

}  // namespace platform::wine
