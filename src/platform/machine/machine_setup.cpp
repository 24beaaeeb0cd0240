#include "platform/machine/machine_setup.h"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "platform/machine/default_registry.h"

#include "platform/machine/default_registry.h"

namespace platform {

namespace fs = std::filesystem;

MachineChoice ChooseMachine(const std::optional<std::string>& winePrefix,
                            const std::string& executableFolder) {
  if (winePrefix && !winePrefix->empty()) return {*winePrefix, false};
  return {executableFolder + "/machine", true};
}

bool LooksLikePrefix(const std::string& folder) {
  std::error_code error;
  return fs::is_directory(folder + "/dosdevices", error) ||
         fs::exists(folder + "/system.reg", error);
}

std::string CurrentUserName() {
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name && *entry->pw_name) {
    return entry->pw_name;
  }
  return "user";
}

void PrepareEmbeddedMachine(const std::string& prefix, const std::string& userName) {
  const std::string drive = prefix + "/drive_c";
  const std::string user = drive + "/users/" + userName;
  const char* const kFolders[] = {"windows/system32", "windows/Prefetch", "windows/temp",
                                  "windows/Fonts",    "Program Files",    "Program Files (x86)",
                                  "ProgramData",      "users/Public"};
  const char* const kUserFolders[] = {"AppData/Local/Temp",
                                      "AppData/Local/Microsoft/Windows/INetCache",
                                      "AppData/Roaming/Microsoft/Windows/Recent",
                                      "AppData/Roaming/Microsoft/Windows/Start Menu/Programs",
                                      "Desktop",
                                      "Documents",
                                      "Downloads",
                                      "Favorites",
                                      "Music",
                                      "Pictures",
                                      "Videos",
                                      "Temp"};
  for (const char* folder : kFolders) fs::create_directories(drive + "/" + folder);
  for (const char* folder : kUserFolders) fs::create_directories(user + "/" + folder);
  fs::create_directories(prefix + "/dosdevices");
  const fs::path link = prefix + "/dosdevices/c:";
  std::error_code missing;
  if (!fs::is_symlink(fs::symlink_status(link, missing)))
    fs::create_directory_symlink("../drive_c", link);
  DefaultMachineSettings settings;
  settings.owner = userName;
  if (std::string failure = WriteDefaultRegistry(prefix, settings); !failure.empty()) {
    throw std::runtime_error(failure);
  }
}

}  // namespace platform
