#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine/wine_hive.h"

namespace platform {

// A change made to a hive, kept until it is saved so that it can be made again on the file as
// someone else left it.
struct HiveChange {
  enum class Kind { CreateKey, SetValue, DeleteValue, DeleteKey };
  Kind kind = Kind::CreateKey;
  std::string path;  // from the hive's root, backslash-separated
  std::string name;  // the value's name
  wine::HiveValue value;
};

// Called after the temporary file of a save is written and flushed, before it replaces the
// file; returning false abandons the save as a failure there would.
using BeforeReplace = std::function<bool(const std::string& temporaryPath)>;

// One registry file of a machine (system.reg, user.reg, userdef.reg). It is read when first
// needed and read again when someone else changed it on disk (its size, time or inode differ
// from what was read), the changes not yet saved being made again on what was read. A missing
// file reads as an empty hive and is created by the first save.
class WineHiveFile {
 public:
  // `relativeTo` is the header's root for a file that has to be created ("REGISTRY\Machine").
  WineHiveFile(std::string path, std::string relativeTo);

  enum class Access { Ready, Refused };
  // Makes Hive() current. Refused when the file or its folder may not be written (or the file
  // not read); the hive is then not to be used. Throws platform::Error, naming the file and
  // the line, for a file that does not follow Wine's format; such a file is never written.
  Access Refresh();
  // The hive as last read; raises the file's error when it could not be parsed.
  WineHive& Hive();
  // Whether the file and its folder may be written now, without reading anything.
  bool MayWrite() const;
  // Changes whenever the hive is read again, so that keys found before are looked up again.
  std::uint64_t Generation() const { return generation_; }

  void Record(HiveChange change);
  bool HasChanges() const { return !changes_.empty(); }
  // Writes the file when it has changes: a temporary file in the same folder, flushed, then
  // renamed over the file. Empty on success, else the reason, for the user. The changes stay
  // held when the save fails.
  std::string Save(const BeforeReplace& beforeReplace);

  const std::string& Path() const { return path_; }

 private:
  struct Identity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const Identity& other) const;
  };

  Identity Current(bool& refused) const;
  void Load();
  std::string NewFileArch() const;

  std::string path_;
  std::string relativeTo_;
  std::optional<WineHive> hive_;
  Identity identity_;
  bool broken_ = false;
  std::string brokenMessage_;
  std::uint64_t generation_ = 0;
  std::vector<HiveChange> changes_;
};

// Makes a recorded change on a hive; what no longer applies is passed over.
void ApplyChange(WineHive& hive, const HiveChange& change);

}  // namespace platform
