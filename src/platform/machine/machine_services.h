#pragma once

#include <memory>
#include <string>

#include "platform/machine/host_files.h"
#include "platform/machine/machine.h"
#include "platform/machine/machine_dde.h"
#include "platform/machine/machine_drives.h"
#include "platform/machine/machine_file_operations.h"
#include "platform/machine/machine_file_system.h"
#include "platform/machine/machine_system_info.h"
#include "platform/machine/system_clock.h"
#include "platform/machine/wine_registry.h"
#include "platform/machine/xdg_shell.h"

namespace platform {

// Every platform service of one Linux machine, wired together.
class MachineServices {
 public:
  // `executableFolder` is the Unix folder of the running program.
  MachineServices(const std::string& prefix, const std::string& executableFolder);
  MachineServices(const MachineServices&) = delete;
  MachineServices& operator=(const MachineServices&) = delete;

  Machine machine;
  WineRegistry registry;
  HostFiles files;
  MachineFileSystem fileSystem;
  MachineFileOperations fileOperations;
  MachineDrives drives;
  SystemClock clock;
  XdgShell shell;
  MachineSystemInfo system;
  MachineDde dde;
};

}  // namespace platform
