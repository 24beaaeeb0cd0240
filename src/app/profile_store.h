#pragma once

#include <string>

#include "platform/file_service.h"
#include "platform/private_profile.h"

namespace app {

// Section names of the profile.
inline constexpr char kIERepairerSection[] = "IE Repairer";
inline constexpr char kSystemRepairerSection[] = "System Repairer";
inline constexpr char kHistoryCleanerSection[] = "History Cleaner";
inline constexpr char kGeneralSection[] = "General";
inline constexpr char kOneClickSection[] = "One Click";
inline constexpr char kIEViewSection[] = "IE View";
inline constexpr char kSummarySection[] = "Summary";

inline constexpr char kNotYetRun[] = "Not yet run!";

// The program's settings file, spvProfile.dat beside the executable. Every access opens the file
// afresh and releases it at once: take an accessor, read or write some keys, drop it.
class ProfileStore {
 public:
  ProfileStore(platform::FileService& files, std::string executableFolder);

  const std::string& ProfileFile() const { return path_; }
  bool FileExists() const;
  platform::PrivateProfile Open() const;

 private:
  platform::FileService& files_;
  std::string path_;
};

// "Item" followed by the number.
std::string ItemKey(int number);

}  // namespace app
