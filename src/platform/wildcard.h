#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A file-name pattern with the rules of a Windows directory search: "*" is any run of characters,
// "?" one character (or none before a dot or at the end of the name), a "*" before a dot stops at
// the name's last dot, and a dot before "*" or "?" or at the end also matches the end of a name
// without one; so "*.*" matches every name, "*." the names without a dot. Letters match without
// regard to case.
class WildcardPattern {
 public:
  explicit WildcardPattern(std::string_view pattern);

  bool Matches(std::string_view name) const;
  const std::string& text() const { return text_; }

 private:
  enum class Kind : unsigned char { Literal, Star, DosStar, DosQuestion, DosDot };
  struct Token {
    Kind kind;
    char lower;  // Literal: the character folded to lower case
  };

  bool MatchFrom(std::size_t token, std::size_t at, std::string_view name, std::size_t lastDot,
                 std::vector<signed char>& memo) const;

  std::string text_;
  std::vector<Token> tokens_;
  // A pattern of a star and a plain tail ("*.tmp") is matched as a suffix test.
  bool suffixOnly_ = false;
  std::string suffix_;
  bool matchesAll_ = false;
};

}  // namespace platform
