#include "platform/text.h"

#include <algorithm>

namespace platform {

char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = ToLowerAscii(c);
  return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ToLowerAscii(x) == ToLowerAscii(y);
         });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                           [](char x, char y) { return ToLowerAscii(x) == ToLowerAscii(y); });
  return found != text.end();
}

bool LessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return ToLowerAscii(x) < ToLowerAscii(y);
  });
}

std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    std::size_t end = path.find('\\');
    std::string_view part = path.substr(0, end);
    if (!part.empty()) parts.push_back(part);
    if (end == std::string_view::npos) break;
    path.remove_prefix(end + 1);
  }
  return parts;
}

std::string Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string AddTrailingBackslash(std::string_view text) {
  std::string result(text);
  if (!result.empty() && result.back() != '\\') result += '\\';
  return result;
}

}  // namespace platform
