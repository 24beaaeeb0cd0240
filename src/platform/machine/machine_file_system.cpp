#include "platform/machine/machine_file_system.h"

#include "platform/machine/unix_folder.h"

namespace platform {

std::unique_ptr<Folder> MachineFileSystem::OpenFolder(std::string_view path) {
  std::optional<std::string> unixPath = machine_.ToUnix(path);
  if (!unixPath) return nullptr;
  return UnixFolder::Open(*unixPath);
}

}  // namespace platform
