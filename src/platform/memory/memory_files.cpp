#include "platform/memory/memory_files.h"

#include <algorithm>
#include <utility>

namespace platform {

FileContent MemoryFiles::ReadWholeFile(std::string_view path) {
  auto found = files_.find(path);
  if (found == files_.end()) return {ReadStatus::Missing, {}};
  if (unreadable_.contains(path)) return {ReadStatus::Unreadable, {}};
  return {ReadStatus::Ok, found->second};
}

bool MemoryFiles::FileExists(std::string_view path) {
  return files_.contains(path);
}

bool MemoryFiles::ReplaceWholeFile(std::string_view path, std::string_view bytes) {
  if (!MayWrite(path)) {
    lastError_ = "Access is denied.";
    return false;
  }
  auto found = files_.find(path);
  if (found == files_.end()) {
    files_.emplace(std::string(path), std::string(bytes));
  } else {
    found->second.assign(bytes);
  }
  ++writeCount_;
  return true;
}

bool MemoryFiles::DeleteFile(std::string_view path) {
  auto found = files_.find(path);
  if (found == files_.end()) {
    lastError_ = "The system cannot find the file specified.";
    return false;
  }
  if (!MayWrite(path)) {
    lastError_ = "Access is denied.";
    return false;
  }
  files_.erase(found);
  return true;
}

void MemoryFiles::Put(std::string_view path, std::string bytes) {
  auto found = files_.find(path);
  if (found == files_.end()) {
    files_.emplace(std::string(path), std::move(bytes));
  } else {
    found->second = std::move(bytes);
  }
}

std::optional<std::string> MemoryFiles::Get(std::string_view path) const {
  auto found = files_.find(path);
  if (found == files_.end()) return std::nullopt;
  return found->second;
}

void MemoryFiles::Remove(std::string_view path) {
  if (auto found = files_.find(path); found != files_.end()) files_.erase(found);
}

void MemoryFiles::SetReadOnly(std::string_view path, bool readOnly) {
  SetFlag(readOnly_, path, readOnly);
}

void MemoryFiles::DenyWritesUnder(std::string_view folder) {
  deniedFolders_.push_back(AddTrailingBackslash(folder));
}

void MemoryFiles::SetUnreadable(std::string_view path, bool unreadable) {
  SetFlag(unreadable_, path, unreadable);
}

bool MemoryFiles::MayWrite(std::string_view path) const {
  if (readOnly_.contains(path)) return false;
  return std::none_of(deniedFolders_.begin(), deniedFolders_.end(),
                      [path](const std::string& folder) { return StartsWithNoCase(path, folder); });
}

void MemoryFiles::SetFlag(std::set<std::string, NoCaseLess>& flags, std::string_view path,
                          bool on) {
  if (on) {
    flags.emplace(path);
  } else if (auto found = flags.find(path); found != flags.end()) {
    flags.erase(found);
  }
}

}  // namespace platform
