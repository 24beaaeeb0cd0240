#pragma once

#include <string>
#include <string_view>
#include <vector>

// Windows compares names without regard to letter case; the ANSI code page is UTF-8, so only the
// ASCII letters fold.
namespace platform {

char ToLowerAscii(char c);
std::string ToLowerAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
bool ContainsNoCase(std::string_view text, std::string_view part);
// Orders names as a case-insensitive map would.
bool LessNoCase(std::string_view a, std::string_view b);

// The non-empty components of a backslash-separated path ("\\a\\\\b\\" -> "a", "b").
std::vector<std::string_view> SplitPath(std::string_view path);

// The text without leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// The text with "\" appended, unless it is empty or already ends with "\".
std::string AddTrailingBackslash(std::string_view text);

}  // namespace platform
