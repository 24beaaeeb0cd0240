#include "platform/machine/wine_hive_text.h"

#include <cstring>

#include "platform/machine/wine_unicode.h"
#include "platform/registry_service.h"

namespace platform::wine {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsHexDigitUnit(char16_t unit) {
  return unit < 0x80 && HexValue(static_cast<char>(unit)) >= 0;
}

bool IsOctalDigitUnit(char16_t unit) {
  return unit >= '0' && unit <= '7';
}

// The letter Wine writes for a control character, or 0 when it is written in octal.
char ControlLetter(char16_t unit) {
  switch (unit) {
    case 7:
      return 'a';
    case 8:
      return 'b';
    case 9:
      return 't';
    case 10:
      return 'n';
    case 11:
      return 'v';
    case 12:
      return 'f';
    case 13:
      return 'r';
    case 27:
      return 'e';
    default:
      return 0;
  }
}

void AppendNumber(std::string& out, std::uint32_t number, unsigned base, int minDigits) {
  char digits[16];
  int count = 0;
  do {
    digits[count++] = kHexDigits[number % base];
    number /= base;
  } while (number != 0);
  for (int i = count; i < minDigits; ++i) out += '0';
  while (count > 0) out += digits[--count];
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

bool StartsWithAt(std::string_view text, std::size_t pos, std::string_view prefix) {
  return text.size() - pos >= prefix.size() && text.compare(pos, prefix.size(), prefix) == 0;
}

// Reads up to 8 hex digits; the number of digits read is 0 when there are none.
std::size_t ReadHex(std::string_view text, std::size_t pos, std::uint32_t& number) {
  std::size_t start = pos;
  number = 0;
  while (pos < text.size() && pos - start < 8 && HexValue(text[pos]) >= 0) {
    number = number * 16 + static_cast<std::uint32_t>(HexValue(text[pos]));
    ++pos;
  }
  return pos - start;
}

// After the data only blanks may follow on the line; returns the start of the next line.
std::size_t EndOfLine(std::string_view text, std::size_t pos) {
  pos = SkipBlanks(text, pos);
  if (pos < text.size() && text[pos] == '\r') ++pos;
  if (pos == text.size()) return pos;
  if (text[pos] != '\n') throw SyntaxProblem{pos, "unexpected text after the value"};
  return pos + 1;
}

// A quoted string whose opening quote is at `pos`; returns the index past the closing quote.
std::size_t ScanQuoted(std::string_view text, std::size_t pos, const char* what) {
  std::size_t close = FindUnescaped(text, pos + 1, '"');
  if (close == std::string_view::npos)
    throw SyntaxProblem{pos, std::string("unterminated ") + what};
  return close + 1;
}

// Hex bytes separated by commas, continued on the next line after a backslash.
std::size_t ScanHexBytes(std::string_view text, std::size_t pos) {
  // A trailing comma is tolerated; a comma without a byte before it is not.
  bool expectByte = true;
  for (;;) {
    pos = SkipBlanks(text, pos);
    if (pos == text.size()) break;
    char c = text[pos];
    if (HexValue(c) >= 0) {
      if (!expectByte) throw SyntaxProblem{pos, "comma expected between bytes"};
      ++pos;
      if (pos < text.size() && HexValue(text[pos]) >= 0) ++pos;
      expectByte = false;
    } else if (c == ',') {
      if (expectByte) throw SyntaxProblem{pos, "byte expected"};
      expectByte = true;
      ++pos;
    } else if (c == '\\') {
      std::size_t next = SkipBlanks(text, pos + 1);
      if (next < text.size() && text[next] == '\r') ++next;
      if (next >= text.size() || text[next] != '\n') {
        throw SyntaxProblem{pos, "line break expected after '\\'"};
      }
      pos = next + 1;
      if (pos == text.size()) throw SyntaxProblem{pos, "data missing after '\\'"};
    } else {
      break;
    }
  }
  return pos;
}

void AppendUtf16Bytes(std::string& out, std::u16string_view units) {
  for (char16_t unit : units) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
}

std::u16string UnitsOf(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return units;
}

bool IsStringType(std::uint32_t type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

}  // namespace

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t NextLine(std::string_view text, std::size_t pos) {
  std::size_t newline = text.find('\n', pos);
  return newline == std::string_view::npos ? text.size() : newline + 1;
}

void AppendEscaped(std::string& out, std::u16string_view units, std::string_view delimiters) {
  for (std::size_t i = 0; i < units.size(); ++i) {
    char16_t unit = units[i];
    char16_t next = i + 1 < units.size() ? units[i + 1] : u'\0';
    if (unit == '\\' || (unit < 0x80 && unit != 0 &&
                         delimiters.find(static_cast<char>(unit)) != std::string_view::npos)) {
      out += '\\';
      out += static_cast<char>(unit);
    } else if (unit < 0x20) {
      out += '\\';
      if (char letter = ControlLetter(unit)) {
        out += letter;
      } else {
        AppendNumber(out, unit, 8, IsOctalDigitUnit(next) ? 3 : 1);
      }
    } else if (unit > 0x7F) {
      out += "\\x";
      AppendNumber(out, unit, 16, IsHexDigitUnit(next) ? 4 : 1);
    } else {
      out += static_cast<char>(unit);
    }
  }
}

void AppendUnescaped(std::u16string& out, std::string_view escaped) {
  std::size_t pos = 0;
  while (pos < escaped.size()) {
    char c = escaped[pos];
    if (static_cast<unsigned char>(c) >= 0x80) {
      std::size_t start = pos;
      while (pos < escaped.size() && static_cast<unsigned char>(escaped[pos]) >= 0x80) ++pos;
      out += Utf8ToUtf16(escaped.substr(start, pos - start));
      continue;
    }
    ++pos;
    if (c != '\\' || pos == escaped.size()) {
      out += static_cast<char16_t>(c);
      continue;
    }
    char e = escaped[pos++];
    switch (e) {
      case 'a':
        out += u'\a';
        break;
      case 'b':
        out += u'\b';
        break;
      case 'e':
        out += char16_t{27};
        break;
      case 'f':
        out += u'\f';
        break;
      case 'n':
        out += u'\n';
        break;
      case 'r':
        out += u'\r';
        break;
      case 't':
        out += u'\t';
        break;
      case 'v':
        out += u'\v';
        break;
      case 'x': {
        std::uint32_t number = 0;
        std::size_t digits = 0;
        while (digits < 4 && pos < escaped.size() && HexValue(escaped[pos]) >= 0) {
          number = number * 16 + static_cast<std::uint32_t>(HexValue(escaped[pos++]));
          ++digits;
        }
        out += digits == 0 ? u'x' : static_cast<char16_t>(number);
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          std::uint32_t number = static_cast<std::uint32_t>(e - '0');
          for (int digits = 1;
               digits < 3 && pos < escaped.size() && escaped[pos] >= '0' && escaped[pos] <= '7';
               ++digits) {
            number = number * 8 + static_cast<std::uint32_t>(escaped[pos++] - '0');
          }
          out += static_cast<char16_t>(number);
        } else if (static_cast<unsigned char>(e) >= 0x80) {
          --pos;  // a UTF-8 sequence after a backslash stands for itself
        } else {
          out += static_cast<char16_t>(e);
        }
    }
  }
}

std::size_t FindUnescaped(std::string_view text, std::size_t from, char close) {
  for (std::size_t pos = from; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == close) return pos;
    if (c == '\n') return std::string_view::npos;
    if (c == '\\') {
      if (pos + 1 < text.size() && text[pos + 1] == '\n') return std::string_view::npos;
      ++pos;
    }
  }
  return std::string_view::npos;
}

KeyHeaderLine ScanKeyHeader(std::string_view text, std::size_t pos) {
  std::size_t close = FindUnescaped(text, pos + 1, ']');
  if (close == std::string_view::npos) throw SyntaxProblem{pos, "']' missing after the key name"};
  KeyHeaderLine header;
  header.path = text.substr(pos + 1, close - pos - 1);
  std::size_t at = SkipBlanks(text, close + 1);
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  at = SkipBlanks(text, at);
  if (at < text.size() && text[at] == '\r') ++at;
  if (at < text.size() && text[at] != '\n') {
    throw SyntaxProblem{at, "unexpected text after the key name"};
  }
  header.end = at < text.size() ? at + 1 : at;
  return header;
}

ValueLine ScanValueLine(std::string_view text, std::size_t pos) {
  ValueLine line;
  if (text[pos] == '@') {
    line.isDefault = true;
    ++pos;
  } else {
    std::size_t end = ScanQuoted(text, pos, "value name");
    line.name = text.substr(pos + 1, end - pos - 2);
    pos = end;
  }
  pos = SkipBlanks(text, pos);
  if (pos == text.size() || text[pos] != '=') throw SyntaxProblem{pos, "'=' expected"};
  pos = SkipBlanks(text, pos + 1);
  std::size_t start = pos;
  std::uint32_t number = 0;
  if (pos < text.size() && text[pos] == '"') {
    pos = ScanQuoted(text, pos, "string");
  } else if (StartsWithAt(text, pos, "str(")) {
    std::size_t digits = ReadHex(text, pos + 4, number);
    pos += 4 + digits;
    if (digits == 0 || !StartsWithAt(text, pos, "):\"")) {
      throw SyntaxProblem{pos, "malformed str(n): value"};
    }
    pos = ScanQuoted(text, pos + 2, "string");
  } else if (StartsWithAt(text, pos, "dword:")) {
    std::size_t digits = ReadHex(text, pos + 6, number);
    if (digits == 0) throw SyntaxProblem{pos + 6, "hex digits expected after dword:"};
    pos += 6 + digits;
  } else if (StartsWithAt(text, pos, "hex:")) {
    pos = ScanHexBytes(text, pos + 4);
  } else if (StartsWithAt(text, pos, "hex(")) {
    std::size_t digits = ReadHex(text, pos + 4, number);
    pos += 4 + digits;
    if (digits == 0 || !StartsWithAt(text, pos, "):")) {
      throw SyntaxProblem{pos, "malformed hex(n): value"};
    }
    pos = ScanHexBytes(text, pos + 2);
  } else {
    throw SyntaxProblem{pos, "unknown kind of value data"};
  }
  line.data = text.substr(start, pos - start);
  line.end = EndOfLine(text, pos);
  return line;
}

HiveValue DecodeData(std::string_view data) {
  HiveValue value;
  std::uint32_t number = 0;
  auto decodeString = [&](std::size_t quote) {
    std::u16string units;
    AppendUnescaped(units, data.substr(quote + 1, data.size() - quote - 2));
    units += u'\0';
    AppendUtf16Bytes(value.data, units);
  };
  if (data.front() == '"') {
    value.type = REG_SZ;
    decodeString(0);
  } else if (data.starts_with("str(")) {
    std::size_t digits = ReadHex(data, 4, number);
    value.type = number;
    decodeString(4 + digits + 2);
  } else if (data.starts_with("dword:")) {
    ReadHex(data, 6, number);
    value.type = REG_DWORD;
    for (int i = 0; i < 4; ++i) value.data += static_cast<char>((number >> (8 * i)) & 0xFF);
  } else {
    std::size_t pos = 4;
    if (data.starts_with("hex(")) {
      pos += ReadHex(data, 4, number) + 2;
      value.type = number;
    } else {
      value.type = REG_BINARY;
    }
    while (pos < data.size()) {
      int high = HexValue(data[pos]);
      if (high < 0) {
        ++pos;
        continue;
      }
      int low = pos + 1 < data.size() ? HexValue(data[pos + 1]) : -1;
      if (low < 0) {
        value.data += static_cast<char>(high);
        ++pos;
      } else {
        value.data += static_cast<char>(high * 16 + low);
        pos += 2;
      }
    }
  }
  return value;
}

void AppendValueLine(std::string& out, std::string_view name, const HiveValue& value,
                     std::string_view newline) {
  std::size_t lineStart = out.size();
  if (name.empty()) {
    out += '@';
  } else {
    out += '"';
    AppendEscaped(out, Utf8ToUtf16(name), "\"");
    out += '"';
  }
  out += '=';
  const std::string& data = value.data;
  if (IsStringType(value.type) && data.size() >= 2 && data.size() % 2 == 0 &&
      data[data.size() - 1] == 0 && data[data.size() - 2] == 0) {
    if (value.type != REG_SZ) {
      out += "str(";
      AppendNumber(out, value.type, 16, 1);
      out += "):";
    }
    std::u16string units = UnitsOf(data);
    units.pop_back();
    out += '"';
    AppendEscaped(out, units, "\"");
    out += '"';
  } else if (value.type == REG_DWORD && data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 0; i < 4; ++i) {
      number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    out += "dword:";
    AppendNumber(out, number, 16, 8);
  } else {
    if (value.type == REG_BINARY) {
      out += "hex:";
    } else {
      out += "hex(";
      AppendNumber(out, value.type, 16, 1);
      out += "):";
    }
    std::size_t column = out.size() - lineStart;
    for (std::size_t i = 0; i < data.size(); ++i) {
      auto byte = static_cast<unsigned char>(data[i]);
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 0xF];
      column += 2;
      if (i + 1 < data.size()) {
        out += ',';
        if (++column > 76) {
          out += '\\';
          out += newline;
          out += "  ";
          column = 2;
        }
      }
    }
  }
  out += newline;
}

}  // namespace platform::wine
