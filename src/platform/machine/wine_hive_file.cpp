#include "platform/machine/wine_hive_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/error.h"
#include "platform/machine/unix_file.h"

namespace platform {

namespace {

// Writable as the owner means it, read-only files and folders refusing even the superuser,
// as a read-only file refuses everyone on Windows.
bool OwnerMayWrite(const std::string& path, const struct stat& info) {
  return (info.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

std::string ArchOfHeader(const std::string& path) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return {};
  char buffer[4096];
  ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
  if (count <= 0) return {};
  std::string_view head(buffer, static_cast<std::size_t>(count));
  std::size_t at = head.find("\n#arch=");
  if (at == std::string_view::npos) return {};
  std::string_view arch = head.substr(at + 7);
  arch = arch.substr(0, arch.find_first_of("\r\n"));
  return std::string(arch);
}

}  // namespace

bool WineHiveFile::Identity::operator==(const Identity& other) const {
  if (exists != other.exists) return false;
  return !exists ||
         (device == other.device && inode == other.inode && size == other.size &&
          modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec);
}

WineHiveFile::WineHiveFile(std::string path, std::string relativeTo)
    : path_(std::move(path)), relativeTo_(std::move(relativeTo)) {}

WineHiveFile::Identity WineHiveFile::Current(bool& refused) const {
  Identity identity;
  struct stat info {};
  std::string folder = FolderOf(path_);
  struct stat folderInfo {};
  refused = ::stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode) ||
            !OwnerMayWrite(folder, folderInfo);
  if (::stat(path_.c_str(), &info) != 0) {
    if (errno != ENOENT) refused = true;
    return identity;
  }
  identity.exists = true;
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  identity.size = info.st_size;
  identity.modified = info.st_mtim;
  if (!S_ISREG(info.st_mode) || !OwnerMayWrite(path_, info) || ::access(path_.c_str(), R_OK) != 0) {
    refused = true;
  }
  return identity;
}

std::string WineHiveFile::NewFileArch() const {
  std::string folder = FolderOf(path_);
  for (const char* sibling : {"system.reg", "user.reg", "userdef.reg"}) {
    std::string arch = ArchOfHeader(folder + "/" + sibling);
    if (!arch.empty()) return arch;
  }
  return "win64";
}

void WineHiveFile::Load() {
  Identity identity;
  std::string bytes;
  Descriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.valid()) {
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
      throw Error("The registry file " + path_ + " cannot be read.");
    identity.exists = true;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modified = info.st_mtim;
    // In one piece when the file keeps the size it had; whatever a writer adds meanwhile is
    // read on as well.
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    char more[65536];
    for (;;) {
      bool full = filled == bytes.size();
      char* into = full ? more : bytes.data() + filled;
      std::size_t room = full ? sizeof more : bytes.size() - filled;
      ssize_t count = ::read(fd.get(), into, room);
      if (count < 0 && errno == EINTR) continue;
      if (count < 0) throw Error("The registry file " + path_ + " cannot be read.");
      if (count == 0) break;
      if (full) {
        bytes.append(more, static_cast<std::size_t>(count));
      }
      filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
  } else if (errno != ENOENT) {
    throw Error("The registry file " + path_ + " cannot be read.");
  }

  identity_ = identity;
  if (!identity.exists) {
    hive_.emplace(WineHive::Create(relativeTo_, NewFileArch()));
  } else {
    try {
      hive_.emplace(WineHive::Parse(std::move(bytes)));
    } catch (const WineHiveSyntaxError& error) {
      hive_.reset();
      broken_ = true;
      brokenMessage_ = "The registry file " + path_ + " cannot be read: " + error.what() +
                       ". It has been left as it is.";
      throw Error(brokenMessage_);
    }
  }
  broken_ = false;
  ++generation_;
  for (const HiveChange& change : changes_) ApplyChange(*hive_, change);
}

WineHiveFile::Access WineHiveFile::Refresh() {
  bool refused = false;
  Identity current = Current(refused);
  if (refused) return Access::Refused;
  if (current == identity_) {
    if (broken_) throw Error(brokenMessage_);
    if (hive_) return Access::Ready;
  }
  Load();
  return Access::Ready;
}

WineHive& WineHiveFile::Hive() {
  if (!hive_)
    throw Error(broken_ ? brokenMessage_ : "The registry file " + path_ + " is not read.");
  return *hive_;
}

bool WineHiveFile::MayWrite() const {
  bool refused = false;
  Current(refused);
  return !refused;
}

void WineHiveFile::Record(HiveChange change) {
  changes_.push_back(std::move(change));
}

std::string WineHiveFile::Save(const BeforeReplace& beforeReplace) {
  if (changes_.empty()) return {};
  try {
    if (Refresh() == Access::Refused) return "The registry file " + path_ + " may not be written.";
  } catch (const Error& error) {
    return error.what();
  }
  auto failed = [this](const std::string& why) {
    return "The registry file " + path_ + " could not be saved: " + why + ".";
  };

  // A symbolic link keeps pointing where it did; its target is replaced.
  std::string target = path_;
  struct stat info {};
  bool exists = ::lstat(target.c_str(), &info) == 0;
  if (exists && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(target.c_str(), resolved) == nullptr) return failed(std::strerror(errno));
    target = resolved;
    exists = ::stat(target.c_str(), &info) == 0;
  }
  mode_t mode = 0;
  if (exists) {
    mode = info.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  std::string text = hive_->Text();
  std::string temporary = target + ".XXXXXX";
  Descriptor fd(::mkstemp(temporary.data()));
  if (!fd.valid()) return failed(std::strerror(errno));
  bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), text) &&
                 ::fsync(fd.get()) == 0 && fd.Close();
  if (!written) {
    std::string why = std::strerror(errno);
    ::unlink(temporary.c_str());
    return failed(why);
  }
  if (beforeReplace && !beforeReplace(temporary)) {
    ::unlink(temporary.c_str());
    return failed("the save was interrupted");
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    std::string why = std::strerror(errno);
    ::unlink(temporary.c_str());
    return failed(why);
  }
  Descriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) ::fsync(folder.get());

  bool refused = false;
  identity_ = Current(refused);
  changes_.clear();
  return {};
}

void ApplyChange(WineHive& hive, const HiveChange& change) {
  switch (change.kind) {
    case HiveChange::Kind::CreateKey:
      hive.CreatePath(hive.Root(), change.path);
      break;
    case HiveChange::Kind::SetValue:
      hive.SetValue(hive.CreatePath(hive.Root(), change.path), change.name, change.value);
      break;
    case HiveChange::Kind::DeleteValue:
      if (WineHive::Key* key = hive.Find(hive.Root(), change.path)) {
        hive.DeleteValue(*key, change.name);
      }
      break;
    case HiveChange::Kind::DeleteKey:
      if (WineHive::Key* key = hive.Find(hive.Root(), change.path)) hive.DeleteKey(*key);
      break;
  }
}

}  // namespace platform
