#include "platform/machine/trash.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <utility>

#include "platform/machine/mounts.h"
#include "platform/machine/unix_file.h"

namespace platform {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
constexpr int kMostNameTries = 10000;

Descriptor OpenFolder(const std::string& path) {
  return Descriptor(::open(path.c_str(), kFolderFlags));
}

// A subfolder, never through a link.
Descriptor OpenFolderAt(int parent, const std::string& name) {
  return Descriptor(::openat(parent, name.c_str(), kFolderFlags | O_NOFOLLOW));
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// A Unix path's folder and last name; trailing slashes do not count.
std::pair<std::string, std::string> SplitPath(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != "..";
}

std::optional<std::string> RealPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                       &std::free);
  if (!resolved) return std::nullopt;
  return std::string(resolved.get());
}

// Whether a canonical path is the folder or lies below it.
bool Contains(const std::string& folder, const std::string& path) {
  if (folder == "/") return !path.empty() && path.front() == '/';
  return path.compare(0, folder.size(), folder) == 0 &&
         (path.size() == folder.size() || path[folder.size()] == '/');
}

std::string WithError(const std::string& text) {
  return text + ": " + std::strerror(errno);
}

// Which mount an open entry is on. Bind mounts of one file system share the device, so the
// mount's own number decides where the kernel gives one.
struct MountIdentity {
  dev_t device = 0;
  std::uint64_t mount = 0;
  bool operator==(const MountIdentity&) const = default;
};

std::optional<MountIdentity> MountIdentityOf(int fd) {
  struct statx info {};
  if (::statx(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_MNT_ID, &info) == 0) {
    MountIdentity identity{makedev(info.stx_dev_major, info.stx_dev_minor), 0};
    if (info.stx_mask & STATX_MNT_ID) identity.mount = info.stx_mnt_id;
    return identity;
  }
  struct stat plain {};
  if (::fstat(fd, &plain) != 0) return std::nullopt;
  return MountIdentity{plain.st_dev, 0};
}

std::optional<std::vector<std::string>> ListNames(int folder) {
  int copy = ::openat(folder, ".", kFolderFlags);
  if (copy < 0) return std::nullopt;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(copy), ::closedir);
  if (!dir) {
    ::close(copy);
    return std::nullopt;
  }
  std::vector<std::string> names;
  while (dirent* entry = ::readdir(dir.get())) {
    std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  return names;
}

// chmod of the folder an O_PATH descriptor holds, which fchmod refuses.
bool ChangeMode(int pathFd, mode_t mode) {
  return ::chmod(("/proc/self/fd/" + std::to_string(pathFd)).c_str(), mode) == 0;
}

// Lets the owner list, enter and delete in an open folder.
void OpenUp(int folder) {
  struct stat info {};
  if (::fstat(folder, &info) == 0 && (info.st_mode & S_IRWXU) != S_IRWXU) {
    ::fchmod(folder, (info.st_mode & 07777) | S_IRWXU);
  }
}

// Removes one entry of an open folder: a folder bottom-up, anything else (a link too) as itself.
bool RemoveEntry(int parent, const std::string& name, const MountIdentity& mount) {
  Descriptor path(::openat(parent, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!path) {
    if (errno == ENOENT) return true;
    if (errno != ENOTDIR && errno != ELOOP) return false;
    return ::unlinkat(parent, name.c_str(), 0) == 0 || errno == ENOENT;
  }
  // Something mounted here belongs to another file system, not to the tree.
  if (MountIdentityOf(path.get()) != mount) return false;
  struct stat info {};
  if (::fstat(path.get(), &info) != 0) return false;
  const mode_t mode = info.st_mode & 07777;
  const bool openedUp = (mode & S_IRWXU) != S_IRWXU && ChangeMode(path.get(), mode | S_IRWXU);

  Descriptor folder(::openat(path.get(), ".", kFolderFlags));
  if (!folder) {
    if (::unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT) return true;
    if (openedUp) ChangeMode(path.get(), mode);
    return false;
  }
  path.Reset();  // one descriptor a level, however deep the tree
  if (std::optional<std::vector<std::string>> names = ListNames(folder.get())) {
    for (const std::string& child : *names) RemoveEntry(folder.get(), child, mount);
  }
  if (::unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT) return true;
  if (openedUp) ::fchmod(folder.get(), mode);
  return false;
}

std::vector<Mount> ReadMountTable(const std::string& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return ParseMountInfo(text.str());
}

// Kernel file systems where nobody keeps a trash; looking into autofs would even mount things.
bool HoldsNoTrash(std::string_view type) {
  static constexpr std::string_view kTypes[] = {
      "autofs", "binfmt_misc", "bpf",        "cgroup",    "cgroup2", "configfs", "debugfs",
      "devpts", "efivarfs",    "fusectl",    "hugetlbfs", "mqueue",  "nsfs",     "proc",
      "pstore", "rpc_pipefs",  "securityfs", "selinuxfs", "sysfs",   "tracefs"};
  return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

std::optional<std::string> TopOf(const std::string& canonical, dev_t device,
                                 const std::vector<Mount>& mounts) {
  const std::string* best = nullptr;
  for (const Mount& mount : mounts) {
    if (mount.point.empty() || !Contains(mount.point, canonical)) continue;
    if (best && mount.point.size() <= best->size()) continue;
    struct stat info {};
    if (::stat(mount.point.c_str(), &info) != 0 || info.st_dev != device) continue;
    best = &mount.point;
  }
  if (!best) return std::nullopt;
  return *best;
}

// The path to compare mounts by: the folder resolved, the last name kept (a link is itself).
std::optional<std::string> CanonicalPath(const std::string& path) {
  auto [folder, name] = SplitPath(path);
  if (!IsPlainName(name)) return RealPath(path);
  std::optional<std::string> real = RealPath(folder);
  if (!real) return std::nullopt;
  return Join(*real, name);
}

std::string NearestExisting(std::string path) {
  struct stat info {};
  while (::stat(path.c_str(), &info) != 0 && path != "/" && path != ".") {
    path = SplitPath(path).first;
  }
  return path;
}

// A folder of the user's own: not a link, owned by the user; created when asked and possible.
Descriptor OpenOwnFolder(int parent, const std::string& name, uid_t uid, bool create) {
  const bool made = create && uid == ::geteuid() && ::mkdirat(parent, name.c_str(), 0700) == 0;
  Descriptor folder = OpenFolderAt(parent, name);
  struct stat info {};
  if (!folder || ::fstat(folder.get(), &info) != 0 || info.st_uid != uid) return {};
  if (made) ::fchmod(folder.get(), 0700);
  return folder;
}

// The administrator's shared .Trash of a volume counts only as a real folder with the sticky bit.
Descriptor OpenSharedTrash(int top) {
  Descriptor shared = OpenFolderAt(top, ".Trash");
  struct stat info {};
  if (!shared || ::fstat(shared.get(), &info) != 0 || (info.st_mode & S_ISVTX) == 0) return {};
  return shared;
}

struct OpenTrash {
  Descriptor folder;
  std::string path;
};

OpenTrash OpenVolumeTrash(const std::string& top, uid_t uid) {
  Descriptor topFolder = OpenFolder(top);
  if (!topFolder) return {};
  const std::string id = std::to_string(uid);
  if (Descriptor shared = OpenSharedTrash(topFolder.get())) {
    if (Descriptor own = OpenOwnFolder(shared.get(), id, uid, true)) {
      return {std::move(own), Join(top, ".Trash/" + id)};
    }
  }
  const std::string own = ".Trash-" + id;
  if (Descriptor folder = OpenOwnFolder(topFolder.get(), own, uid, true)) {
    return {std::move(folder), Join(top, own)};
  }
  return {};
}

OpenTrash OpenHomeTrash(const TrashPlace& place) {
  const std::string path = place.homeTrash();
  if (path.empty()) return {};
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0700);
  }
  auto [folder, name] = SplitPath(path);
  ::mkdir(path.c_str(), 0700);
  Descriptor parent = OpenFolder(folder);
  if (!parent) return {};
  return {OpenFolderAt(parent.get(), name), path};
}

Descriptor OpenTrashPart(int trash, const char* name) {
  ::mkdirat(trash, name, 0700);
  return OpenFolderAt(trash, name);
}

std::string DeletionDate(std::time_t when) {
  std::tm local{};
  ::localtime_r(&when, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

// The name an item gets in the trash leaves room for a number and ".trashinfo" within one file
// name; the info's Path keeps the whole original name.
std::string TrashStem(const std::string& name) {
  constexpr std::size_t kLongest = NAME_MAX - (sizeof ".trashinfo" - 1) - 8;
  if (name.size() <= kLongest) return name;
  std::size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut);
}

bool MoveWithoutReplacing(int fromFolder, const std::string& from, int toFolder,
                          const std::string& to) {
  if (::renameat2(fromFolder, from.c_str(), toFolder, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without the no-replace rename: the name was free a moment ago.
  return ::renameat(fromFolder, from.c_str(), toFolder, to.c_str()) == 0;
}

TrashOutcome Refused(std::string reason) {
  TrashOutcome outcome;
  outcome.reason = std::move(reason);
  return outcome;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// files/ or info/ of a trash being emptied; anything else of that name (a link) goes as itself.
Descriptor OpenPartToEmpty(int trash, const char* name, const MountIdentity& mount, bool& empty) {
  Descriptor part = OpenFolderAt(trash, name);
  if (!part) {
    if (errno == ENOTDIR || errno == ELOOP) {
      if (!RemoveEntry(trash, name, mount)) empty = false;
    } else if (errno != ENOENT) {
      empty = false;
    }
    return {};
  }
  if (MountIdentityOf(part.get()) != mount) {
    empty = false;
    return {};
  }
  OpenUp(part.get());
  return part;
}

}  // namespace

TrashPlace TrashPlaceFor(std::string_view home, std::string_view xdgDataHome, uid_t uid) {
  TrashPlace place;
  place.uid = uid;
  if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
    place.dataHome = xdgDataHome;
  } else if (!home.empty() && home.front() == '/') {
    place.dataHome = std::string(home) + "/.local/share";
  }
  while (place.dataHome.size() > 1 && place.dataHome.back() == '/') place.dataHome.pop_back();
  return place;
}

TrashPlace TrashPlaceFromEnvironment() {
  const uid_t uid = ::getuid();
  const char* home = std::getenv("HOME");
  std::string homeFolder = home ? home : "";
  if (homeFolder.empty()) {
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found) {
      homeFolder = found->pw_dir;
    }
  }
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  return TrashPlaceFor(homeFolder, dataHome ? dataHome : "", uid);
}

std::string EncodeTrashPath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                       (byte >= '0' && byte <= '9') || std::strchr("-_.~/", byte) != nullptr;
    if (plain && byte != 0) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::optional<std::string> VolumeTopDirectory(const std::string& path,
                                              const std::string& mountTable) {
  std::optional<std::string> canonical = CanonicalPath(path);
  struct stat info {};
  if (!canonical || ::lstat(canonical->c_str(), &info) != 0) return std::nullopt;
  return TopOf(*canonical, info.st_dev, ReadMountTable(mountTable));
}

TrashOutcome MoveToTrash(const std::string& path, const TrashPlace& place) {
  auto [folderPath, name] = SplitPath(path);
  if (!IsPlainName(name)) return Refused("not a file or folder: " + path);
  Descriptor folder = OpenFolder(folderPath);
  if (!folder) return Refused(WithError("cannot open " + folderPath));
  struct stat item {};
  if (::fstatat(folder.get(), name.c_str(), &item, AT_SYMLINK_NOFOLLOW) != 0) {
    return Refused(WithError("cannot find " + path));
  }
  std::optional<std::string> realFolder = RealPath(folderPath);
  if (!realFolder) return Refused(WithError("cannot resolve " + folderPath));
  const std::string canonical = Join(*realFolder, name);

  const std::vector<Mount> mounts = ReadMountTable(place.mountTable);
  const std::optional<std::string> top = TopOf(canonical, item.st_dev, mounts);
  if (top && *top == canonical) return Refused("a mount point stays where it is: " + canonical);

  // The home trash takes what is on its own mount; anything else goes to its volume's trash,
  // since only a rename keeps the trash a move and never a copy.
  bool toHomeTrash = false;
  if (!place.homeTrash().empty()) {
    std::optional<std::string> anchor = RealPath(NearestExisting(place.homeTrash()));
    struct stat home {};
    toHomeTrash = anchor && ::stat(anchor->c_str(), &home) == 0 && home.st_dev == item.st_dev &&
                  TopOf(*anchor, home.st_dev, mounts) == top;
  }
  OpenTrash trash;
  std::string original;  // what Path= records
  if (toHomeTrash) {
    trash = OpenHomeTrash(place);
    original = canonical;
  } else {
    if (!top) return Refused("no mount holds " + canonical);
    trash = OpenVolumeTrash(*top, place.uid);
    original = canonical.substr(*top == "/" ? 1 : top->size() + 1);
  }
  if (!trash.folder) return Refused("no trash of the user can take " + canonical);
  if (std::optional<std::string> realTrash = RealPath(trash.path);
      realTrash && Contains(*realTrash, canonical)) {
    return Refused(canonical + " is in the trash already");
  }
  Descriptor files = OpenTrashPart(trash.folder.get(), "files");
  Descriptor info = OpenTrashPart(trash.folder.get(), "info");
  if (!files || !info) return Refused(WithError("cannot use " + trash.path));

  const std::string text = "[Trash Info]\nPath=" + EncodeTrashPath(original) +
                           "\nDeletionDate=" + DeletionDate(std::time(nullptr)) + "\n";
  const std::string stem = TrashStem(name);
  for (int number = 1; number <= kMostNameTries; ++number) {
    const std::string candidate = number == 1 ? stem : stem + "." + std::to_string(number);
    const std::string infoName = candidate + ".trashinfo";
    // The info file claims the name first, so two deletions never pick the same one.
    Descriptor infoFile(::openat(info.get(), infoName.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!infoFile) {
      if (errno == EEXIST) continue;
      return Refused(WithError("cannot write " + Join(trash.path, "info/" + infoName)));
    }
    auto withdraw = [&] { ::unlinkat(info.get(), infoName.c_str(), 0); };
    struct stat taken {};
    if (::fstatat(files.get(), candidate.c_str(), &taken, AT_SYMLINK_NOFOLLOW) == 0) {
      withdraw();  // an item left without its info keeps its name
      continue;
    }
    if (!WriteAll(infoFile.get(), text)) {
      std::string reason = WithError("cannot write " + Join(trash.path, "info/" + infoName));
      withdraw();
      return Refused(std::move(reason));
    }
    infoFile.Reset();
    if (MoveWithoutReplacing(folder.get(), name, files.get(), candidate)) {
      TrashOutcome outcome;
      outcome.moved = true;
      outcome.trashFolder = trash.path;
      outcome.name = candidate;
      return outcome;
    }
    const int error = errno;
    withdraw();
    if (error == EEXIST) continue;
    errno = error;
    return Refused(WithError("cannot move " + canonical + " into " + trash.path));
  }
  return Refused("no free name in " + trash.path);
}

std::vector<std::string> TrashFolders(const TrashPlace& place) {
  std::vector<std::string> folders;
  std::vector<std::pair<dev_t, ino_t>> seen;
  struct stat info {};
  if (!place.homeTrash().empty()) {
    folders.push_back(place.homeTrash());
    if (::stat(place.homeTrash().c_str(), &info) == 0) seen.emplace_back(info.st_dev, info.st_ino);
  }
  auto add = [&](const Descriptor& folder, std::string path) {
    if (!folder || ::fstat(folder.get(), &info) != 0) return;
    std::pair<dev_t, ino_t> key{info.st_dev, info.st_ino};
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) return;
    seen.push_back(key);
    folders.push_back(std::move(path));
  };
  const std::string id = std::to_string(place.uid);
  for (const Mount& mount : ReadMountTable(place.mountTable)) {
    if (HoldsNoTrash(mount.type)) continue;
    Descriptor top = OpenFolder(mount.point);
    if (!top) continue;
    if (Descriptor shared = OpenSharedTrash(top.get())) {
      add(OpenOwnFolder(shared.get(), id, place.uid, false), Join(mount.point, ".Trash/" + id));
    }
    add(OpenOwnFolder(top.get(), ".Trash-" + id, place.uid, false),
        Join(mount.point, ".Trash-" + id));
  }
  return folders;
}

bool EmptyTrash(const std::string& trashFolder) {
  auto [parentPath, name] = SplitPath(trashFolder);
  if (!IsPlainName(name)) return false;
  Descriptor parent = OpenFolder(parentPath);
  if (!parent) return errno == ENOENT;
  Descriptor trash = OpenFolderAt(parent.get(), name);
  if (!trash) return errno == ENOENT;
  std::optional<MountIdentity> mount = MountIdentityOf(trash.get());
  if (!mount) return false;

  bool empty = true;
  Descriptor files = OpenPartToEmpty(trash.get(), "files", *mount, empty);
  Descriptor info = OpenPartToEmpty(trash.get(), "info", *mount, empty);
  if (files) {
    std::optional<std::vector<std::string>> names = ListNames(files.get());
    if (!names) empty = false;
    for (const std::string& item : names.value_or(std::vector<std::string>{})) {
      if (!RemoveEntry(files.get(), item, *mount)) {
        empty = false;
      } else if (info) {
        ::unlinkat(info.get(), (item + ".trashinfo").c_str(), 0);
      }
    }
  }
  if (info) {
    std::optional<std::vector<std::string>> names = ListNames(info.get());
    if (!names) empty = false;
    for (const std::string& entry : names.value_or(std::vector<std::string>{})) {
      constexpr std::string_view kSuffix = ".trashinfo";
      if (files && EndsWith(entry, kSuffix)) {
        const std::string item = entry.substr(0, entry.size() - kSuffix.size());
        struct stat kept {};
        if (::fstatat(files.get(), item.c_str(), &kept, AT_SYMLINK_NOFOLLOW) == 0) {
          empty = false;  // its item is still there
          continue;
        }
      }
      if (!RemoveEntry(info.get(), entry, *mount)) empty = false;
    }
  }
  if (!RemoveEntry(trash.get(), "directorysizes", *mount)) empty = false;
  return empty;
}

bool RemoveTree(const std::string& path) {
  auto [folderPath, name] = SplitPath(path);
  if (!IsPlainName(name)) return false;
  Descriptor folder = OpenFolder(folderPath);
  if (!folder) return errno == ENOENT;
  std::optional<MountIdentity> mount = MountIdentityOf(folder.get());
  return mount && RemoveEntry(folder.get(), name, *mount);
}

}  // namespace platform
