#pragma once

#include <string>

#include "platform/machine/machine.h"
#include "support/temporary_folder.h"

namespace testing_support {

// A Wine-prefix-shaped machine in a temporary folder, with drive C: mapped to drive_c.
class TemporaryMachine {
 public:
  TemporaryMachine();

  const std::string& prefix() const { return folder_.path(); }
  std::string driveC() const { return folder_.path() + "/drive_c"; }
  // Maps another drive letter onto a folder (which it makes).
  void MapDrive(char letter, const std::string& folder);

  platform::Machine machine;

 private:
  TemporaryFolder folder_;
};

}  // namespace testing_support
