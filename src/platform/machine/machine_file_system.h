#pragma once

#include "platform/file_system.h"
#include "platform/machine/machine.h"

namespace platform {

// The machine's file system by Windows path.
class MachineFileSystem : public FileSystem {
 public:
  explicit MachineFileSystem(const Machine& machine) : machine_(machine) {}
  std::unique_ptr<Folder> OpenFolder(std::string_view path) override;

 private:
  const Machine& machine_;
};

}  // namespace platform
