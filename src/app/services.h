#pragma once

#include "platform/clock.h"
#include "platform/dde.h"
#include "platform/drives.h"
#include "platform/file_service.h"
#include "platform/file_system.h"
#include "platform/registry_service.h"
#include "platform/shell.h"
#include "platform/shell_file_operations.h"
#include "platform/system_info.h"
#include "ui/image.h"

namespace app {

// The platform services the program's logic runs on.
struct Services {
  platform::RegistryService& registry;
  platform::FileService& files;  // whole files: the profile, list files, OEMInfo.ini
  platform::FileSystem& fileSystem;
  platform::ShellFileOperations& fileOperations;
  platform::Drives& drives;
  platform::Clock& clock;
  platform::Shell& shell;
  platform::SystemInfo& system;
  platform::Dde& dde;
  ui::Pictures& pictures;
};

}  // namespace app
