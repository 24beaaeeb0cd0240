#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// File attribute bits, numbered as Windows numbers them.
constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 0x01;
constexpr std::uint32_t FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr std::uint32_t FILE_ATTRIBUTE_SYSTEM = 0x04;
constexpr std::uint32_t FILE_ATTRIBUTE_VOLUME = 0x08;
constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;

// One entry of a folder listing. Its attributes and size are looked up only when asked for, so a
// scan that only needs names stays as cheap as reading the folder.
class FolderEntry {
 public:
  virtual ~FolderEntry() = default;
  virtual std::string_view name() const = 0;
  // A symbolic link is never a folder here: walks never follow one.
  virtual bool isFolder() const = 0;
  virtual std::uint32_t attributes() const = 0;
  virtual std::uint64_t size() const = 0;
};

// An open folder. Everything below it is reached through it, name by name, so a folder that is
// swapped for a link after it was opened never leads anywhere else.
class Folder {
 public:
  virtual ~Folder() = default;

  // Calls `each` for every entry but "." and "..", in the file system's order, until it returns
  // false. False when the folder cannot be read.
  virtual bool List(const std::function<bool(const FolderEntry&)>& each) = 0;
  // The subfolder of that name; null when it is missing, not a folder (a link is not) or
  // unreadable.
  virtual std::unique_ptr<Folder> OpenFolder(std::string_view name) = 0;

  virtual std::optional<std::uint32_t> Attributes(std::string_view name) = 0;
  virtual bool SetAttributes(std::string_view name, std::uint32_t attributes) = 0;
  // Deletes a file, or a link itself; a read-only file is refused, as on Windows.
  virtual bool DeleteFile(std::string_view name) = 0;
  // Removes an empty subfolder.
  virtual bool RemoveFolder(std::string_view name) = 0;
  virtual bool CreateFolder(std::string_view name) = 0;
};

// The file system by Windows path.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The folder at a path; null when it is missing, not a folder or cannot be opened.
  virtual std::unique_ptr<Folder> OpenFolder(std::string_view path) = 0;
};

// Path-based operations, each through the folder that holds the named entry.
// nullopt when the path names nothing. A drive root is a folder.
std::optional<std::uint32_t> GetFileAttributesA(FileSystem& files, std::string_view path);
bool SetFileAttributesA(FileSystem& files, std::string_view path, std::uint32_t attributes);
bool DeleteFileA(FileSystem& files, std::string_view path);
bool RemoveDirectoryA(FileSystem& files, std::string_view path);
bool CreateDirectoryA(FileSystem& files, std::string_view path);

// Opens a folder by walking from its drive root name by name, never through a link: a folder
// on the way that was swapped for a link yields null instead of a folder elsewhere.
std::unique_ptr<Folder> OpenFolderWithoutLinks(FileSystem& files, std::string_view path);

// The parent folder's path and the last name of a Windows path: "C:" gives "C:" and "b",
// "C:" gives "C:" and "a". A root has no last name.
std::pair<std::string, std::string> SplitLastName(std::string_view path);

}  // namespace platform
