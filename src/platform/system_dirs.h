#pragma once

#include <string>

#include "platform/system_info.h"

namespace platform {

// The Windows system folder: mode 0 as the system gives it, mode 1 with a trailing backslash.
std::string GetSystemDirPath(SystemInfo& system, int mode);

}  // namespace platform
