#include "platform/machine/machine_services.h"

#include "platform/machine/trash.h"
#include "platform/text.h"

namespace platform {

MachineServices::MachineServices(const std::string& prefix, const std::string& executableFolder)
    : machine(prefix),
      registry(prefix),
      files([this](std::string_view path) { return machine.ToUnix(path); }),
      fileSystem(machine),
      fileOperations(machine, TrashPlaceFromEnvironment()),
      drives(machine, registry),
      shell([this](std::string_view path) { return machine.ToUnix(path); }),
      system(AddTrailingBackslash(machine.ToWindows(executableFolder))) {}

}  // namespace platform
