#include "support/temporary_machine.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace testing_support {

TemporaryMachine::TemporaryMachine() : machine(""), folder_() {
  std::filesystem::create_directories(driveC());
  std::filesystem::create_directories(prefix() + "/dosdevices");
  MapDrive('c', "../drive_c");
  machine = platform::Machine(prefix());
}

void TemporaryMachine::MapDrive(char letter, const std::string& folder) {
  std::string link = prefix() + "/dosdevices/" + letter + ":";
  std::filesystem::remove(link);
  std::filesystem::path target(folder);
  if (target.is_absolute()) std::filesystem::create_directories(target);
  if (::symlink(folder.c_str(), link.c_str()) != 0) throw std::runtime_error("cannot map drive");
}

}  // namespace testing_support
