#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/machine/wine_hive_text.h"

namespace platform {

// A registry file that does not follow Wine's format; `line` counts from 1.
class WineHiveSyntaxError : public std::runtime_error {
 public:
  WineHiveSyntaxError(std::size_t line, const std::string& problem)
      : std::runtime_error("line " + std::to_string(line) + ": " + problem), line_(line) {}
  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

// One of Wine's registry files ("WINE REGISTRY Version 2") as a tree of keys, held losslessly:
// Text() gives back the bytes that were read, except for the blocks of the keys changed since.
// A changed key's block is written again as Wine writes it, with a fresh time stamp; its
// unchanged values, comments and metadata lines keep their bytes. New keys and values go where
// Wine would put them (names in Wine's order), and each key is written in Wine's style: a block
// for every key that has values or no subkeys.
//
// Keys are handed out by reference and stay valid while the hive lives, deleted ones too.
// Names compare without regard to letter case (as wine::EqualsFolded) and keep their case.
// Value data is in Wine's form (wine::HiveValue).
class WineHive {
 public:
  struct Key;

  // Throws WineHiveSyntaxError.
  static WineHive Parse(std::string text);
  // An empty file whose keys are relative to `relativeTo` (say "REGISTRY\Machine"), for the
  // architecture `arch` ("win64"; empty for none).
  static WineHive Create(std::string_view relativeTo, std::string_view arch);

  WineHive(WineHive&&) noexcept;
  WineHive& operator=(WineHive&&) noexcept;
  ~WineHive();

  std::string Text() const;
  bool Changed() const;
  // From the header: the root the keys are relative to, decoded ("REGISTRY\User\S-1-5-...";
  // older files say "\User\S-1-5-..."), and the "#arch=" setting; empty when absent.
  const std::string& RelativeTo() const;
  const std::string& Arch() const;
  // The time stamp given to keys changed from now on, as a FILETIME; the clock's when unset.
  void SetTimeForTesting(std::optional<std::uint64_t> filetime);

  Key& Root() const;
  std::string_view Name(const Key& key) const;
  Key* Parent(const Key& key) const;
  bool IsDeleted(const Key& key) const;
  // Flagged "#link": its SymbolicLinkValue names the key it stands for.
  bool IsLink(const Key& key) const;

  std::size_t SubKeyCount(const Key& key) const;
  Key* SubKeyAt(const Key& key, std::size_t index) const;
  Key* SubKey(const Key& key, std::string_view name) const;
  // The key at a backslash-separated path below `from` (empty components passed over).
  Key* Find(const Key& from, std::string_view path) const;
  // Creates the subkey unless it exists; returns it.
  Key& CreateSubKey(Key& key, std::string_view name);
  Key& CreatePath(Key& from, std::string_view path);
  // Deletes a key without subkeys; false for the root, a key with subkeys or a deleted key.
  bool DeleteKey(Key& key);

  std::size_t ValueCount(const Key& key) const;
  // Value names in file order; the default value's name is empty.
  const std::string* ValueNameAt(const Key& key, std::size_t index) const;
  std::optional<wine::HiveValue> Value(const Key& key, std::string_view name) const;
  // False on a deleted key.
  bool SetValue(Key& key, std::string_view name, wine::HiveValue value);
  // False when there was no such value.
  bool DeleteValue(Key& key, std::string_view name);
  // Makes the key a symbolic link to `target`, a full registry path such as
  // "\Registry\Machine\System\ControlSet001".
  void MakeLink(Key& key, std::string_view target);

 private:
  struct Impl;
  explicit WineHive(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
