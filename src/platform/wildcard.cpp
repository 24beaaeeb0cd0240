#include "platform/wildcard.h"

#include "platform/text.h"

namespace platform {

WildcardPattern::WildcardPattern(std::string_view pattern) : text_(pattern) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (c == '*') {
      tokens_.push_back({next == '.' ? Kind::DosStar : Kind::Star, 0});
    } else if (c == '?') {
      tokens_.push_back({Kind::DosQuestion, 0});
    } else if (c == '.' && (next == '*' || next == '?' || next == '\0')) {
      tokens_.push_back({Kind::DosDot, 0});
    } else {
      tokens_.push_back({Kind::Literal, ToLowerAscii(c)});
    }
  }
  // "*" and "*.*" match every name.
  matchesAll_ = (tokens_.size() == 1 && tokens_[0].kind == Kind::Star) ||
                (tokens_.size() == 3 && tokens_[0].kind == Kind::DosStar &&
                 tokens_[1].kind == Kind::DosDot && tokens_[2].kind == Kind::Star);
  if (!tokens_.empty() && (tokens_[0].kind == Kind::Star || tokens_[0].kind == Kind::DosStar)) {
    suffixOnly_ = tokens_.size() > 1;
    for (std::size_t i = 1; i < tokens_.size() && suffixOnly_; ++i) {
      if (tokens_[i].kind != Kind::Literal) suffixOnly_ = false;
      suffix_ += tokens_[i].lower;
    }
  }
}

bool WildcardPattern::Matches(std::string_view name) const {
  if (matchesAll_) return true;
  if (suffixOnly_) return EndsWithNoCase(name, suffix_);
  std::size_t lastDot = name.rfind('.');
  thread_local std::vector<signed char> memo;
  memo.assign((tokens_.size() + 1) * (name.size() + 1), -1);
  return MatchFrom(0, 0, name, lastDot, memo);
}

// Matches tokens from `token` on against the name from `at` on; each (token, position) pair is
// decided once, so no pattern can take exponential time.
bool WildcardPattern::MatchFrom(std::size_t token, std::size_t at, std::string_view name,
                                std::size_t lastDot, std::vector<signed char>& memo) const {
  signed char& known = memo[token * (name.size() + 1) + at];
  if (known >= 0) return known == 1;
  bool result = false;
  const bool atEnd = at == name.size();
  if (token == tokens_.size()) {
    result = atEnd;
  } else {
    const Token& t = tokens_[token];
    switch (t.kind) {
      case Kind::Literal:
        result = !atEnd && ToLowerAscii(name[at]) == t.lower &&
                 MatchFrom(token + 1, at + 1, name, lastDot, memo);
        break;
      case Kind::Star:
        result = MatchFrom(token + 1, at, name, lastDot, memo) ||
                 (!atEnd && MatchFrom(token, at + 1, name, lastDot, memo));
        break;
      case Kind::DosStar:
        // Never runs past the name's last dot.
        result = MatchFrom(token + 1, at, name, lastDot, memo) ||
                 (!atEnd && (lastDot == std::string_view::npos || at < lastDot) &&
                  MatchFrom(token, at + 1, name, lastDot, memo));
        break;
      case Kind::DosQuestion:
        if (atEnd || name[at] == '.') {
          std::size_t after = token;
          while (after < tokens_.size() && tokens_[after].kind == Kind::DosQuestion) ++after;
          result = MatchFrom(after, at, name, lastDot, memo);
        } else {
          result = MatchFrom(token + 1, at + 1, name, lastDot, memo);
        }
        break;
      case Kind::DosDot:
        result = atEnd ? MatchFrom(token + 1, at, name, lastDot, memo)
                       : name[at] == '.' && MatchFrom(token + 1, at + 1, name, lastDot, memo);
        break;
    }
  }
  known = result ? 1 : 0;
  return result;
}

}  // namespace platform
