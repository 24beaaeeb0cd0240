#include "platform/file_system.h"

#include "platform/text.h"

#include <vector>

namespace platform {

std::pair<std::string, std::string> SplitLastName(std::string_view path) {
  constexpr std::string_view kUnixRoot = "\\\\?\\unix";
  if (EqualsNoCase(path, kUnixRoot) || (path.size() == kUnixRoot.size() + 1 &&
                                        StartsWithNoCase(path, kUnixRoot) && path.back() == '\\')) {
    return {std::string(kUnixRoot) + "\\", {}};
  }
  while (path.size() > 1 && path.back() == '\\' && path[path.size() - 2] != ':') {
    path.remove_suffix(1);
  }
  auto slash = path.rfind('\\');
  if (slash == std::string_view::npos) return {std::string(path), {}};
  std::string_view name = path.substr(slash + 1);
  std::string_view parent = path.substr(0, slash);
  // Keep the backslash of a root: "C:\", "\\?\unix\".
  if (parent.empty() || parent.back() == ':' || parent == "\\\\?\\unix") {
    parent = path.substr(0, slash + 1);
  }
  return {std::string(parent), std::string(name)};
}

std::unique_ptr<Folder> OpenFolderWithoutLinks(FileSystem& files, std::string_view path) {
  std::vector<std::string> names;
  std::string root(path);
  for (;;) {
    auto [parent, name] = SplitLastName(root);
    if (name.empty()) break;
    names.push_back(std::move(name));
    root = std::move(parent);
  }
  std::unique_ptr<Folder> folder = files.OpenFolder(root);
  for (auto name = names.rbegin(); folder && name != names.rend(); ++name) {
    folder = folder->OpenFolder(*name);
  }
  return folder;
}

namespace {

template <typename Action>
auto InParent(FileSystem& files, std::string_view path, Action action)
    -> decltype(action(std::declval<Folder&>(), std::string_view{})) {
  auto [parent, name] = SplitLastName(path);
  if (name.empty()) return {};
  std::unique_ptr<Folder> folder = files.OpenFolder(parent);
  if (!folder) return {};
  return action(*folder, name);
}

}  // namespace

std::optional<std::uint32_t> GetFileAttributesA(FileSystem& files, std::string_view path) {
  if (SplitLastName(path).second.empty()) {
    if (files.OpenFolder(path)) return FILE_ATTRIBUTE_DIRECTORY;
    return std::nullopt;
  }
  return InParent(files, path,
                  [](Folder& folder, std::string_view name) { return folder.Attributes(name); });
}

bool SetFileAttributesA(FileSystem& files, std::string_view path, std::uint32_t attributes) {
  return InParent(files, path, [attributes](Folder& folder, std::string_view name) {
    return folder.SetAttributes(name, attributes);
  });
}

bool DeleteFileA(FileSystem& files, std::string_view path) {
  return InParent(files, path,
                  [](Folder& folder, std::string_view name) { return folder.DeleteFile(name); });
}

bool RemoveDirectoryA(FileSystem& files, std::string_view path) {
  return InParent(files, path,
                  [](Folder& folder, std::string_view name) { return folder.RemoveFolder(name); });
}

bool CreateDirectoryA(FileSystem& files, std::string_view path) {
  return InParent(files, path,
                  [](Folder& folder, std::string_view name) { return folder.CreateFolder(name); });
}

}  // namespace platform
