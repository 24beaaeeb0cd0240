#pragma once

#include <string>

#include "platform/machine/wine_hive.h"

namespace platform {

// Who and what a new embedded machine is.
struct DefaultMachineSettings {
  std::string computerName = "SPARVANE-PC";
  std::string owner = "Owner";
  std::string organization;
  std::string userSid = "S-1-5-21-0-0-0-1000";
};

// The registry a new embedded machine starts with, in Wine's format: a small Windows XP
// installation as the program's tools expect to find it (product and owner, computer name,
// Internet Explorer's start page and title, Explorer policies, Run keys), laid out as Wine lays
// it out (System\CurrentControlSet a link to ControlSet001).
WineHive DefaultSystemHive(const DefaultMachineSettings& settings);
WineHive DefaultUserHive(const DefaultMachineSettings& settings);
WineHive DefaultUserTemplateHive(const DefaultMachineSettings& settings);

// Writes system.reg, user.reg and userdef.reg into the machine's folder, each as one step;
// a file that exists already is left as it is. Empty on success, else the reason for the user.
std::string WriteDefaultRegistry(const std::string& folder, const DefaultMachineSettings& settings);

}  // namespace platform
