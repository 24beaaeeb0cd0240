#include "platform/private_profile.h"

#include <cstdint>
#include <unordered_set>
#include <utility>

#include "platform/error.h"
#include "platform/text.h"

namespace platform {

namespace {

constexpr std::size_t kMaxTextLength = 2047;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineBreak = "\r\n";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// What a line of the file is to the reader.
enum class LineKind { Blank, Comment, Header, Entry, Other };

struct LineMeaning {
  LineKind kind = LineKind::Other;
  std::string_view name;       // the section name of a header, the key of an entry (both trimmed)
  std::size_t valueStart = 0;  // where an entry's value starts in the line
};

LineMeaning Classify(std::string_view line) {
  std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty()) return {LineKind::Blank, {}, 0};
  if (trimmed.front() == ';') return {LineKind::Comment, {}, 0};
  if (trimmed.front() == '[') {
    // A "[" line without its "]" is neither a header nor an entry.
    std::size_t close = trimmed.rfind(']');
    if (close == std::string_view::npos) return {LineKind::Other, {}, 0};
    return {LineKind::Header, TrimBlanks(trimmed.substr(1, close - 1)), 0};
  }
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {LineKind::Other, {}, 0};
  std::string_view key = TrimBlanks(line.substr(0, equals));
  if (key.empty()) return {LineKind::Other, {}, 0};
  return {LineKind::Entry, key, equals + 1};
}

// Names and values are stored one to a line: a line break inside one would split it into lines
// of its own (and could forge entries), so only the text before the first break is kept.
std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

// Cuts text to the reader's limit without splitting a UTF-8 sequence.
std::string LimitLength(std::string_view text) {
  if (text.size() <= kMaxTextLength) return std::string(text);
  std::size_t cut = kMaxTextLength;
  auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  for (int step = 0; step < 3 && cut > 0 && isContinuation(text[cut]); ++step) --cut;
  return std::string(text.substr(0, cut));
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits up to the end of the text, wrapping to 32 bits (at most 8 significant digits).
bool ParseHex(std::string_view digits, bool negative, int& value) {
  if (digits.empty()) return false;
  std::uint64_t magnitude = 0;
  for (char c : digits) {
    int digit = HexValue(c);
    if (digit < 0) return false;
    magnitude = magnitude * 16 + static_cast<std::uint64_t>(digit);
    if (magnitude > 0xFFFFFFFFu) return false;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<int>(static_cast<std::int32_t>(bits));
  return true;
}

bool ParseDecimal(std::string_view digits, bool negative, int& value) {
  if (digits.empty()) return false;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return false;
  }
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace

bool ParseProfileInteger(std::string_view text, int& value) {
  // A leading "0x" stands for the "$" of a hexadecimal number, and only at the very start.
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return ParseHex(text.substr(2), false, value);
  }
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() == '$') return ParseHex(text.substr(1), negative, value);
  return ParseDecimal(text, negative, value);
}

PrivateProfile::PrivateProfile(FileService& files, std::string path)
    : files_(files), path_(std::move(path)) {
  FileContent content = files_.ReadWholeFile(path_);
  status_ = content.status;
  if (status_ != ReadStatus::Ok) return;
  std::string_view bytes = content.bytes;
  if (bytes.starts_with(kByteOrderMark)) {
    byteOrderMark_ = kByteOrderMark;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  while (!bytes.empty()) {
    std::size_t lineFeed = bytes.find('\n');
    if (lineFeed == std::string_view::npos) {
      lines_.push_back({std::string(bytes), ""});
      break;
    }
    std::size_t textEnd = (lineFeed > 0 && bytes[lineFeed - 1] == '\r') ? lineFeed - 1 : lineFeed;
    lines_.push_back({std::string(bytes.substr(0, textEnd)),
                      std::string(bytes.substr(textEnd, lineFeed + 1 - textEnd))});
    bytes.remove_prefix(lineFeed + 1);
  }
}

std::optional<PrivateProfile::SectionLines> PrivateProfile::FindSection(
    std::string_view section) const {
  section = TrimBlanks(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    LineMeaning meaning = Classify(lines_[i].text);
    if (meaning.kind != LineKind::Header || !EqualsNoCase(meaning.name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && Classify(lines_[end].text).kind != LineKind::Header) ++end;
    return SectionLines{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> PrivateProfile::FindEntry(const SectionLines& lines,
                                                     std::string_view key) const {
  key = TrimBlanks(key);
  for (std::size_t i = lines.header + 1; i < lines.end; ++i) {
    LineMeaning meaning = Classify(lines_[i].text);
    if (meaning.kind == LineKind::Entry && EqualsNoCase(meaning.name, key)) return i;
  }
  return std::nullopt;
}

std::string PrivateProfile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
  if (auto lines = FindSection(section)) {
    if (auto entry = FindEntry(*lines, key)) {
      std::string_view text = lines_[*entry].text;
      return LimitLength(text.substr(Classify(text).valueStart));
    }
  }
  return LimitLength(defaultValue);
}

int PrivateProfile::ReadInteger(std::string_view section, std::string_view key,
                                int defaultValue) const {
  int value = defaultValue;
  if (!ParseProfileInteger(ReadString(section, key, ""), value)) return defaultValue;
  return value;
}

bool PrivateProfile::ReadBool(std::string_view section, std::string_view key,
                              bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> PrivateProfile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  auto lines = FindSection(section);
  if (!lines) return keys;
  // A repeated key is listed once: only its first entry is ever read.
  std::unordered_set<std::string> seen;
  for (std::size_t i = lines->header + 1; i < lines->end; ++i) {
    LineMeaning meaning = Classify(lines_[i].text);
    if (meaning.kind != LineKind::Entry) continue;
    if (seen.insert(ToLowerAscii(meaning.name)).second) keys.emplace_back(meaning.name);
  }
  return keys;
}

bool PrivateProfile::SectionExists(std::string_view section) const {
  return FindSection(section).has_value();
}

void PrivateProfile::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
  RequireKnownContent();
  section = FirstLine(section);
  key = FirstLine(key);
  value = FirstLine(value);
  std::vector<Line> lines = lines_;
  auto endWithLineBreak = [&lines](std::size_t index) {
    if (lines[index].ending.empty()) lines[index].ending = kLineBreak;
  };

  if (auto found = FindSection(section)) {
    if (auto entry = FindEntry(*found, key)) {
      // Keep everything up to the "=" as it stands, and the line's own line break.
      std::string& text = lines[*entry].text;
      text.resize(Classify(text).valueStart);
      text += value;
    } else {
      // After the section's last non-blank line, so blank lines before the next section stay
      // where they are.
      std::size_t last = found->end - 1;
      while (last > found->header && Classify(lines[last].text).kind == LineKind::Blank) --last;
      endWithLineBreak(last);
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last + 1),
                   Line{std::string(key) + "=" + std::string(value), std::string(kLineBreak)});
    }
  } else {
    if (!lines.empty()) endWithLineBreak(lines.size() - 1);
    lines.push_back({"[" + std::string(section) + "]", std::string(kLineBreak)});
    lines.push_back({std::string(key) + "=" + std::string(value), std::string(kLineBreak)});
  }
  Save(std::move(lines));
}

void PrivateProfile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void PrivateProfile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void PrivateProfile::DeleteKey(std::string_view section, std::string_view key) {
  RequireKnownContent();
  auto found = FindSection(section);
  if (!found) return;
  // Every entry of the key goes, so that a repeated one does not take the deleted one's place.
  key = TrimBlanks(key);
  std::vector<Line> lines;
  lines.reserve(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    LineMeaning meaning = Classify(lines_[i].text);
    bool inSection = i > found->header && i < found->end;
    if (inSection && meaning.kind == LineKind::Entry && EqualsNoCase(meaning.name, key)) continue;
    lines.push_back(lines_[i]);
  }
  if (lines.size() != lines_.size()) Save(std::move(lines));
}

void PrivateProfile::EraseSection(std::string_view section) {
  RequireKnownContent();
  // Every occurrence of the section goes, so that none of it is left to be read.
  section = TrimBlanks(section);
  std::vector<Line> lines;
  lines.reserve(lines_.size());
  bool erasing = false;
  for (const Line& line : lines_) {
    LineMeaning meaning = Classify(line.text);
    if (meaning.kind == LineKind::Header) erasing = EqualsNoCase(meaning.name, section);
    if (!erasing) lines.push_back(line);
  }
  if (lines.size() != lines_.size()) Save(std::move(lines));
}

void PrivateProfile::RequireKnownContent() const {
  if (status_ == ReadStatus::Unreadable) {
    throw Error(FormatMessage("Unable to write to %s", path_));
  }
}

void PrivateProfile::Save(std::vector<Line> lines) {
  std::string bytes = byteOrderMark_;
  for (const Line& line : lines) {
    bytes += line.text;
    bytes += line.ending;
  }
  if (!files_.ReplaceWholeFile(path_, bytes)) {
    throw Error(FormatMessage("Unable to write to %s", path_));
  }
  lines_ = std::move(lines);
  status_ = ReadStatus::Ok;
}

}  // namespace platform
