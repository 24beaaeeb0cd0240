#pragma once

#include "platform/clock.h"
#include "platform/file_service.h"
#include "platform/registry_service.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace app {

// The platform services the program's logic runs on.
struct Services {
  platform::RegistryService& registry;
  platform::FileService& files;
  platform::Clock& clock;
  platform::Shell& shell;
  platform::SystemInfo& system;
};

}  // namespace app
