#include "platform/memory/memory_drives.h"

namespace platform {

const MemoryDrives::Drive* MemoryDrives::Find(std::string_view root) const {
  if (root.size() < 2 || root[1] != ':') return nullptr;
  auto found = drives_.find(static_cast<char>(root[0] & ~0x20));
  return found == drives_.end() ? nullptr : &found->second;
}

std::uint32_t MemoryDrives::GetLogicalDrives() {
  std::uint32_t bits = 0;
  for (const auto& [letter, drive] : drives_) bits |= 1u << (letter - 'A');
  return bits;
}

unsigned MemoryDrives::GetDriveTypeA(std::string_view root) {
  const Drive* drive = Find(root);
  return drive ? drive->type : DRIVE_NO_ROOT_DIR;
}

std::optional<VolumeInformation> MemoryDrives::GetVolumeInformationA(std::string_view root) {
  queried.emplace_back(root);
  const Drive* drive = Find(root);
  return drive ? drive->volume : std::nullopt;
}

DiskSpace MemoryDrives::GetDiskFreeSpaceExA(std::string_view root) {
  queried.emplace_back(root);
  const Drive* drive = Find(root);
  return drive ? drive->space : DiskSpace{};
}

std::optional<ShellFileInfo> MemoryDrives::SHGetFileInfoA(std::string_view root, unsigned) {
  const Drive* drive = Find(root);
  if (!drive) return std::nullopt;
  std::string letter(1, static_cast<char>(root[0] & ~0x20));
  return ShellFileInfo{
      drive->displayName.empty() ? "Local Disk (" + letter + ":)" : drive->displayName,
      "Local Disk", drive->iconIndex};
}

}  // namespace platform
