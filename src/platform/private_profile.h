#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_service.h"

namespace platform {

// A Windows private-profile (INI) file, read and written with the rules of
// GetPrivateProfileString and WritePrivateProfileString:
// - "[name]" starts a section; "key=value" is an entry; section and key names match without
//   regard to letter case, the first occurrence wins;
// - a text value reads up to 2047 characters; a missing key yields the caller's default;
// - writing replaces a key's value where it stands, adds a key new to its section at the end of
//   that section, adds a new section at the end of the file, and creates a missing file;
// - lines are written with CR LF; every other byte of the file is kept as it was.
// The accessor reads the file once when made; every write goes to the file at once and raises
// "Unable to write to %s" (the file's path) when it fails.
class PrivateProfile {
 public:
  PrivateProfile(FileService& files, std::string path);

  const std::string& path() const { return path_; }
  bool exists() const { return status_ != ReadStatus::Missing; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Decimal with an optional sign, or hexadecimal after "0x", "0X" or "$"; anything else, and a
  // missing key, yields the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  // The key names of a section in file order.
  std::vector<std::string> ReadSection(std::string_view section) const;
  bool SectionExists(std::string_view section) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // Writes "1" or "0".
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Removes one entry; a missing one is not an error.
  void DeleteKey(std::string_view section, std::string_view key);
  // Removes a section with all its entries.
  void EraseSection(std::string_view section);

 private:
  // One line of the file as read: its text and the line break that ended it ("\r\n", "\n", or
  // nothing for a last line without one), so that lines the program does not change are saved
  // byte for byte.
  struct Line {
    std::string text;
    std::string ending;
  };
  // A section's lines: the header at `header`, its body up to (not including) `end`.
  struct SectionLines {
    std::size_t header;
    std::size_t end;
  };

  std::optional<SectionLines> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindEntry(const SectionLines& lines, std::string_view key) const;
  // Raises the write error when the file exists but could not be read: we never replace a file
  // whose content we do not know.
  void RequireKnownContent() const;
  // Saves the given lines as the whole file; they become the accessor's lines once saved.
  void Save(std::vector<Line> lines);

  FileService& files_;
  std::string path_;
  ReadStatus status_ = ReadStatus::Missing;
  std::string byteOrderMark_;  // a leading UTF-8 byte order mark, kept apart from the first line
  std::vector<Line> lines_;
};

// Parses an integer the way the profile reader does; false when the text is not one.
bool ParseProfileInteger(std::string_view text, int& value);

}  // namespace platform
