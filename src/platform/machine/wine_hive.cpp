#include "platform/machine/wine_hive.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/machine/wine_unicode.h"
#include "platform/registry_service.h"
#include "platform/text.h"

namespace platform {

using wine::HiveValue;
using wine::SyntaxProblem;

namespace {

constexpr std::string_view kSignature = "WINE REGISTRY Version 2";
constexpr std::string_view kRelativeTo = ";; All keys relative to ";
constexpr std::string_view kArch = "#arch=";
constexpr std::uint64_t kFiletimeUnixEpoch = 116444736000000000ULL;  // 1970 in 100 ns since 1601
constexpr std::uint64_t kFiletimePerSecond = 10000000ULL;
// Past this many subkeys a key finds its subkeys through a hash index.
constexpr std::size_t kIndexedChildren = 16;

// One line of a key's block (a value line with its continuation lines).
struct Line {
  enum class Kind : std::uint8_t { Time, Meta, Value, Shadowed, Other };
  Kind kind = Kind::Other;
  bool removed = false;
  bool rendered = false;  // a value written from `value` rather than from `raw`
  std::string_view raw;   // the line as read, with its line end
  std::string ownRaw;     // a line we added that is written as it stands
  std::string name;       // Value and Shadowed: the value's name
  std::string_view data;  // Value as read: the data text
  HiveValue value;        // Value when rendered

  void Append(std::string& out) const {
    if (!ownRaw.empty()) {
      out += ownRaw;
    } else {
      out += raw;
    }
  }
};

struct Body {
  std::vector<Line> lines;
  std::vector<std::size_t> values;  // the live Value lines, in order

  void Reindex() {
    values.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].kind == Line::Kind::Value && !lines[i].removed) values.push_back(i);
    }
  }
  Line* FindValue(std::string_view name) {
    for (std::size_t index : values) {
      if (wine::EqualsFolded(lines[index].name, name)) return &lines[index];
    }
    return nullptr;
  }
  // An earlier line of a value that a later line of the same name overrides goes with it.
  void RemoveShadowed(std::string_view name) {
    for (Line& line : lines) {
      if (line.kind == Line::Kind::Shadowed && wine::EqualsFolded(line.name, name)) {
        line.removed = true;
      }
    }
  }
};

std::string DecodeName(std::string_view escaped) {
  std::u16string units;
  wine::AppendUnescaped(units, escaped);
  return wine::Utf16ToUtf8(units);
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && wine::IsBlank(text[pos])) ++pos;
  return pos;
}

std::size_t LineNumberAt(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

void AppendHex(std::string& out, std::uint64_t number) {
  char digits[16];
  int count = 0;
  do {
    digits[count++] = "0123456789abcdef"[number & 0xF];
    number >>= 4;
  } while (number != 0);
  while (count > 0) out += digits[--count];
}

}  // namespace

struct WineHive::Key {
  using ChildIndex =
      std::unordered_map<std::string_view, Key*, wine::FoldedHash, wine::FoldedEqual>;

  std::string_view name;  // into the file's text, or into ownName
  std::string ownName;
  Key* parent = nullptr;
  std::vector<Key*> children;
  std::unique_ptr<ChildIndex> index;
  // Built from the key's blocks when first needed.
  mutable std::unique_ptr<Body> body;
  std::int32_t firstBlock = -1;
  mutable std::uint32_t order = 0;  // position in the tree, while the file is being written
  std::uint64_t time = 0;           // FILETIME of our last change
  bool link = false;
  bool deleted = false;
  bool changed = false;

  Key* FindChild(std::string_view childName) const {
    if (index) {
      auto found = index->find(childName);
      return found == index->end() ? nullptr : found->second;
    }
    for (Key* child : children) {
      if (wine::EqualsFolded(child->name, childName)) return child;
    }
    return nullptr;
  }
  void Insert(std::size_t at, Key* child) {
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(at), child);
    if (index) {
      index->emplace(child->name, child);
    } else if (children.size() > kIndexedChildren) {
      index = std::make_unique<ChildIndex>();
      index->reserve(children.size() * 2);
      for (Key* each : children) index->emplace(each->name, each);
    }
  }
  void Remove(Key* child) {
    children.erase(std::find(children.begin(), children.end(), child));
    if (index) index->erase(child->name);
  }
};

struct WineHive::Impl {
  // A key's lines in the file, from its header up to the next header.
  struct Block {
    std::string_view raw;
    std::string_view path;  // escaped, as the header writes it
    std::size_t bodyStart = 0;
    Key* key = nullptr;
    std::int32_t next = -1;  // the key's next block, when the file names it twice
  };

  std::string text;
  std::string_view preamble;
  std::string newline = "\n";
  std::string relativeTo;
  std::string arch;
  std::deque<Key> keys;
  std::vector<Block> blocks;
  bool modified = false;
  std::optional<std::uint64_t> fixedTime;

  Impl() { keys.emplace_back(); }
  Key& RootKey() { return keys.front(); }

  std::uint64_t Now() const {
    if (fixedTime) return *fixedTime;
    auto since = std::chrono::system_clock::now().time_since_epoch();
    auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(since).count() / 100;
    return kFiletimeUnixEpoch + static_cast<std::uint64_t>(ticks);
  }

  // A key whose name is kept in the key itself.
  Key& NewKey(Key& parent, std::string_view name) {
    Key& key = keys.emplace_back();
    key.ownName = std::string(name);
    key.name = key.ownName;
    key.parent = &parent;
    return key;
  }

  // The subkey named by one escaped component of a header path, created when missing. A name
  // written without escapes is used as it stands in the text.
  Key& HeaderChild(Key& parent, std::string_view raw, bool plain) {
    if (plain) {
      if (Key* child = parent.FindChild(raw)) return *child;
      Key& key = keys.emplace_back();
      key.name = raw;
      key.parent = &parent;
      parent.Insert(parent.children.size(), &key);
      return key;
    }
    // Decoded, the component may hold a backslash after all (written as \x5c): then it names
    // several keys, as it does for Wine.
    Key* key = &parent;
    const std::string decoded = DecodeName(raw);  // the split names point into it
    for (std::string_view name : SplitPath(decoded)) {
      Key* child = key->FindChild(name);
      if (!child) {
        child = &NewKey(*key, name);
        key->Insert(key->children.size(), child);
      }
      key = child;
    }
    return *key;
  }

  // Reads the lines after a key header up to the next header. Without `lines` it only checks
  // them; returns the start of the next header (or the end of the text).
  static std::size_t ScanLines(std::string_view text, std::size_t pos, std::vector<Line>* lines,
                               bool& link) {
    while (pos < text.size()) {
      std::size_t start = pos;
      std::size_t first = SkipBlanks(text, pos);
      char c = first < text.size() ? text[first] : '\n';
      Line line;
      if (c == '[') return start;
      if (c == '@' || c == '"') {
        wine::ValueLine value = wine::ScanValueLine(text, first);
        pos = value.end;
        if (lines) {
          line.kind = Line::Kind::Value;
          line.name = value.isDefault ? std::string() : DecodeName(value.name);
          line.data = value.data;
        }
      } else if (c == '#' || c == ';' || c == '\r' || c == '\n') {
        pos = wine::NextLine(text, first);
        if (c == '#') {
          std::string_view rest = text.substr(first, pos - first);
          if (rest.starts_with("#time=")) {
            line.kind = Line::Kind::Time;
          } else {
            line.kind = Line::Kind::Meta;
            if (rest.starts_with("#link") && (rest.size() == 5 || wine::IsBlank(rest[5]) ||
                                              rest[5] == '\r' || rest[5] == '\n')) {
              link = true;
            }
          }
        }
      } else {
        throw SyntaxProblem{first, "unrecognised line"};
      }
      if (lines) {
        line.raw = text.substr(start, pos - start);
        lines->push_back(std::move(line));
      }
    }
    return pos;
  }

  Body& EnsureBody(const Key& key) const {
    if (key.body) return *key.body;
    auto body = std::make_unique<Body>();
    bool link = false;
    for (std::int32_t at = key.firstBlock; at >= 0;
         at = blocks[static_cast<std::size_t>(at)].next) {
      const Block& block = blocks[static_cast<std::size_t>(at)];
      ScanLines(block.raw, block.bodyStart, &body->lines, link);
    }
    // Where a name comes twice, the last line counts, as when Wine loads the file.
    std::unordered_map<std::string_view, std::size_t, wine::FoldedHash, wine::FoldedEqual> seen;
    for (std::size_t i = 0; i < body->lines.size(); ++i) {
      Line& line = body->lines[i];
      if (line.kind != Line::Kind::Value) continue;
      auto [found, added] = seen.emplace(line.name, i);
      if (!added) {
        body->lines[found->second].kind = Line::Kind::Shadowed;
        found->second = i;
      }
    }
    body->Reindex();
    key.body = std::move(body);
    return *key.body;
  }

  void MarkChanged(Key& key) {
    EnsureBody(key);
    key.changed = true;
    key.time = Now();
    modified = true;
  }

  // The escaped names of a header path, split at its escaped backslashes; `plain` tells which
  // names hold no escape and nothing beyond ASCII.
  static void SplitHeaderPath(std::string_view path, std::vector<std::string_view>& names,
                              std::vector<bool>& plain) {
    names.clear();
    plain.clear();
    std::size_t start = 0;
    bool simple = true;
    auto finish = [&](std::size_t end) {
      if (end > start) {
        names.push_back(path.substr(start, end - start));
        plain.push_back(simple);
      }
    };
    std::size_t i = 0;
    while (i < path.size()) {
      char c = path[i];
      if (c == '\\' && i + 1 < path.size() && path[i + 1] == '\\') {
        finish(i);
        i += 2;
        start = i;
        simple = true;
      } else if (c == '\\') {
        simple = false;
        i += 2;
      } else {
        if (static_cast<unsigned char>(c) >= 0x80) simple = false;
        ++i;
      }
    }
    finish(std::min(i, path.size()));
  }

  void Parse() {
    std::string_view all = text;
    std::size_t pos = wine::NextLine(all, 0);
    std::string_view first = all.substr(0, pos);
    while (!first.empty() &&
           (first.back() == '\n' || first.back() == '\r' || wine::IsBlank(first.back()))) {
      first.remove_suffix(1);
    }
    if (first != kSignature) throw SyntaxProblem{0, "not a Wine registry file (Version 2)"};
    if (pos >= 2 && all[pos - 1] == '\n' && all[pos - 2] == '\r') newline = "\r\n";

    // The header: comments, options and blank lines up to the first key.
    while (pos < all.size()) {
      std::size_t at = SkipBlanks(all, pos);
      char c = at < all.size() ? all[at] : '\n';
      if (c == '[') break;
      std::size_t next = wine::NextLine(all, at);
      std::string_view line = all.substr(at, next - at);
      while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
      if (line.starts_with(kRelativeTo)) {
        relativeTo = DecodeName(line.substr(kRelativeTo.size()));
      } else if (line.starts_with(kArch)) {
        arch = std::string(line.substr(kArch.size()));
      } else if (c == '@' || c == '"') {
        throw SyntaxProblem{at, "value before the first key"};
      } else if (c != ';' && c != '#' && c != '\r' && c != '\n') {
        throw SyntaxProblem{at, "unrecognised line"};
      }
      pos = next;
    }
    preamble = all.substr(0, pos);

    // The keys. Files list keys depth first, so a header mostly shares all but its last
    // names with the one before: those are found again without a lookup.
    blocks.reserve(all.size() / 128);
    std::vector<std::string_view> names;
    std::vector<bool> plain;
    std::vector<std::string_view> previousNames;
    std::vector<Key*> previousKeys;
    while (pos < all.size()) {
      std::size_t start = pos;
      wine::KeyHeaderLine header = wine::ScanKeyHeader(all, SkipBlanks(all, pos));
      SplitHeaderPath(header.path, names, plain);
      std::size_t shared = 0;
      while (shared < names.size() && shared < previousNames.size() &&
             names[shared] == previousNames[shared]) {
        ++shared;
      }
      previousNames.resize(names.size());
      previousKeys.resize(names.size());
      Key* key = shared == 0 ? &RootKey() : previousKeys[shared - 1];
      for (std::size_t i = shared; i < names.size(); ++i) {
        key = &HeaderChild(*key, names[i], plain[i]);
        previousNames[i] = names[i];
        previousKeys[i] = key;
      }

      Block block;
      block.path = header.path;
      block.key = key;
      pos = ScanLines(all, header.end, nullptr, key->link);
      block.raw = all.substr(start, pos - start);
      block.bodyStart = header.end - start;
      auto index = static_cast<std::int32_t>(blocks.size());
      if (key->firstBlock < 0) {
        key->firstBlock = index;
      } else {
        std::int32_t last = key->firstBlock;
        while (blocks[static_cast<std::size_t>(last)].next >= 0) {
          last = blocks[static_cast<std::size_t>(last)].next;
        }
        blocks[static_cast<std::size_t>(last)].next = index;
      }
      blocks.push_back(block);
    }
  }

  // Writing.

  // A key that exists only as the parent of others needs no block; any other key does, or it
  // would not come back when the file is read again.
  bool NeedsNewBlock(const Key& key) const {
    if (key.deleted || key.firstBlock >= 0) return false;
    if (&key == &keys.front()) return key.body && !key.body->values.empty();
    return key.children.empty() || key.link || (key.body && !key.body->values.empty());
  }

  void EscapedPath(std::string& out, const Key& key) const {
    std::vector<const Key*> chain;
    for (const Key* at = &key; at->parent; at = at->parent) chain.push_back(at);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      if (it != chain.rbegin()) out += "\\\\";
      wine::AppendEscaped(out, wine::Utf8ToUtf16((*it)->name), "[]");
    }
  }

  bool EndsWithBlankLine(const std::string& out) const {
    if (out.size() < 2 * newline.size()) return false;
    return std::string_view(out).substr(out.size() - 2 * newline.size()) == newline + newline;
  }
  void EndLine(std::string& out) const {
    if (!out.empty() && out.back() != '\n') out += newline;
  }
  void EnsureBlankLine(std::string& out) const {
    EndLine(out);
    if (!out.empty() && !EndsWithBlankLine(out)) out += newline;
  }

  void RenderKey(std::string& out, const Key& key, const std::string* path) const {
    out += '[';
    if (path) {
      out += *path;
    } else {
      EscapedPath(out, key);
    }
    out += "] ";
    out += std::to_string((key.time - std::min(key.time, kFiletimeUnixEpoch)) / kFiletimePerSecond);
    out += newline;
    const Body& body = EnsureBody(key);
    auto writeTime = [&] {
      out += "#time=";
      AppendHex(out, key.time);
      out += newline;
    };
    if (std::none_of(body.lines.begin(), body.lines.end(),
                     [](const Line& line) { return line.kind == Line::Kind::Time; })) {
      writeTime();
    }
    for (const Line& line : body.lines) {
      if (line.removed) continue;
      EndLine(out);
      if (line.kind == Line::Kind::Time) {
        writeTime();
      } else if (line.kind == Line::Kind::Value && line.rendered) {
        wine::AppendValueLine(out, line.name, line.value, newline);
      } else {
        line.Append(out);
      }
    }
  }

  // The live keys in the order a depth-first walk meets them, numbered in `order`.
  std::vector<const Key*> NumberKeys() const {
    std::vector<const Key*> ordered;
    std::vector<const Key*> stack{&keys.front()};
    while (!stack.empty()) {
      const Key* key = stack.back();
      stack.pop_back();
      key->order = static_cast<std::uint32_t>(ordered.size());
      ordered.push_back(key);
      for (auto it = key->children.rbegin(); it != key->children.rend(); ++it) stack.push_back(*it);
    }
    return ordered;
  }

  std::string Write() const {
    if (!modified) return text;
    std::vector<const Key*> added;
    for (const Key& key : keys) {
      if (NeedsNewBlock(key)) {
        for (const Key* each : NumberKeys()) {
          if (NeedsNewBlock(*each)) added.push_back(each);
        }
        break;
      }
    }
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 4096);
    out += preamble;
    bool separate = false;  // the next block needs a blank line before it
    std::size_t next = 0;
    auto writeAdded = [&](const Key& key) {
      EnsureBlankLine(out);
      RenderKey(out, key, nullptr);
      separate = true;
    };
    for (std::size_t i = 0; i < blocks.size(); ++i) {
      const Block& block = blocks[i];
      const Key& key = *block.key;
      if (key.deleted) continue;
      while (next < added.size() && added[next]->order < key.order) writeAdded(*added[next++]);
      if (key.changed && key.firstBlock != static_cast<std::int32_t>(i)) continue;
      if (separate) EnsureBlankLine(out);
      separate = false;
      if (key.changed) {
        std::string path(block.path);
        RenderKey(out, key, &path);
      } else {
        out += block.raw;
      }
    }
    while (next < added.size()) writeAdded(*added[next++]);
    return out;
  }
};

WineHive::WineHive(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
WineHive::WineHive(WineHive&&) noexcept = default;
WineHive& WineHive::operator=(WineHive&&) noexcept = default;
WineHive::~WineHive() = default;

WineHive WineHive::Parse(std::string text) {
  auto impl = std::make_unique<Impl>();
  impl->text = std::move(text);
  try {
    impl->Parse();
  } catch (const SyntaxProblem& problem) {
    throw WineHiveSyntaxError(LineNumberAt(impl->text, problem.offset), problem.what);
  }
  return WineHive(std::move(impl));
}

WineHive WineHive::Create(std::string_view relativeTo, std::string_view arch) {
  auto impl = std::make_unique<Impl>();
  std::string& text = impl->text;
  text = std::string(kSignature) + "\n" + std::string(kRelativeTo);
  wine::AppendEscaped(text, wine::Utf8ToUtf16(relativeTo), "");
  text += "\n";
  if (!arch.empty()) text += "\n" + std::string(kArch) + std::string(arch) + "\n";
  impl->preamble = text;
  impl->relativeTo = std::string(relativeTo);
  impl->arch = std::string(arch);
  return WineHive(std::move(impl));
}

std::string WineHive::Text() const {
  return impl_->Write();
}

bool WineHive::Changed() const {
  return impl_->modified;
}

const std::string& WineHive::RelativeTo() const {
  return impl_->relativeTo;
}

const std::string& WineHive::Arch() const {
  return impl_->arch;
}

void WineHive::SetTimeForTesting(std::optional<std::uint64_t> filetime) {
  impl_->fixedTime = filetime;
}

WineHive::Key& WineHive::Root() const {
  return impl_->RootKey();
}

std::string_view WineHive::Name(const Key& key) const {
  return key.name;
}

WineHive::Key* WineHive::Parent(const Key& key) const {
  return key.parent;
}

bool WineHive::IsDeleted(const Key& key) const {
  return key.deleted;
}

bool WineHive::IsLink(const Key& key) const {
  return key.link && !key.deleted;
}

std::size_t WineHive::SubKeyCount(const Key& key) const {
  return key.children.size();
}

WineHive::Key* WineHive::SubKeyAt(const Key& key, std::size_t index) const {
  return index < key.children.size() ? key.children[index] : nullptr;
}

WineHive::Key* WineHive::SubKey(const Key& key, std::string_view name) const {
  return key.FindChild(name);
}

WineHive::Key* WineHive::Find(const Key& from, std::string_view path) const {
  const Key* key = &from;
  for (std::string_view name : SplitPath(path)) {
    key = key->FindChild(name);
    if (!key) return nullptr;
  }
  return const_cast<Key*>(key);
}

WineHive::Key& WineHive::CreateSubKey(Key& key, std::string_view name) {
  if (Key* existing = key.FindChild(name)) return *existing;
  Key& child = impl_->NewKey(key, name);
  child.body = std::make_unique<Body>();
  impl_->MarkChanged(child);
  auto at = std::find_if(key.children.begin(), key.children.end(), [&](const Key* sibling) {
    return wine::CompareFolded(sibling->name, name) > 0;
  });
  key.Insert(static_cast<std::size_t>(at - key.children.begin()), &child);
  return child;
}

WineHive::Key& WineHive::CreatePath(Key& from, std::string_view path) {
  Key* key = &from;
  for (std::string_view name : SplitPath(path)) key = &CreateSubKey(*key, name);
  return *key;
}

bool WineHive::DeleteKey(Key& key) {
  if (key.deleted || !key.parent || !key.children.empty()) return false;
  key.parent->Remove(&key);
  // As for Wine, losing a subkey is a change of the parent's time, written should the parent
  // need a block of its own now.
  key.parent->time = impl_->Now();
  key.deleted = true;
  impl_->modified = true;
  return true;
}

std::size_t WineHive::ValueCount(const Key& key) const {
  if (key.deleted) return 0;
  return impl_->EnsureBody(key).values.size();
}

const std::string* WineHive::ValueNameAt(const Key& key, std::size_t index) const {
  if (key.deleted) return nullptr;
  const Body& body = impl_->EnsureBody(key);
  return index < body.values.size() ? &body.lines[body.values[index]].name : nullptr;
}

std::optional<HiveValue> WineHive::Value(const Key& key, std::string_view name) const {
  if (key.deleted) return std::nullopt;
  const Line* line = impl_->EnsureBody(key).FindValue(name);
  if (!line) return std::nullopt;
  return line->rendered ? line->value : wine::DecodeData(line->data);
}

bool WineHive::SetValue(Key& key, std::string_view name, HiveValue value) {
  if (key.deleted) return false;
  impl_->MarkChanged(key);
  Body& body = *key.body;
  body.RemoveShadowed(name);
  if (Line* line = body.FindValue(name)) {
    line->rendered = true;
    line->value = std::move(value);
    return true;
  }
  Line line;
  line.kind = Line::Kind::Value;
  line.rendered = true;
  line.name = std::string(name);
  line.value = std::move(value);
  // Before the first value that sorts after it; else after the last value or metadata line.
  std::size_t at = 0;
  bool placed = false;
  for (std::size_t index : body.values) {
    if (wine::CompareFolded(body.lines[index].name, name) > 0) {
      at = index;
      placed = true;
      break;
    }
  }
  if (!placed) {
    for (std::size_t i = 0; i < body.lines.size(); ++i) {
      Line::Kind kind = body.lines[i].kind;
      if (!body.lines[i].removed && kind != Line::Kind::Other) at = i + 1;
    }
  }
  body.lines.insert(body.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  body.Reindex();
  return true;
}

bool WineHive::DeleteValue(Key& key, std::string_view name) {
  if (key.deleted) return false;
  Line* line = impl_->EnsureBody(key).FindValue(name);
  if (!line) return false;
  line->removed = true;
  impl_->MarkChanged(key);
  key.body->RemoveShadowed(name);
  key.body->Reindex();
  return true;
}

void WineHive::MakeLink(Key& key, std::string_view target) {
  impl_->MarkChanged(key);
  Body& body = *key.body;
  if (!key.link) {
    key.link = true;
    Line line;
    line.kind = Line::Kind::Meta;
    line.ownRaw = "#link" + impl_->newline;
    auto time = std::find_if(body.lines.begin(), body.lines.end(),
                             [](const Line& each) { return each.kind == Line::Kind::Time; });
    body.lines.insert(time == body.lines.end() ? body.lines.begin() : time + 1, std::move(line));
    body.Reindex();
  }
  std::u16string units = wine::Utf8ToUtf16(target);
  std::string data;
  for (char16_t unit : units) {
    data += static_cast<char>(unit & 0xFF);
    data += static_cast<char>(unit >> 8);
  }
  SetValue(key, "SymbolicLinkValue", HiveValue{REG_LINK, std::move(data)});
}

}  // namespace platform
