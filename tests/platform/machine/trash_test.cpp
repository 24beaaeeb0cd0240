#include "platform/machine/trash.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <vector>

#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;
using testing_support::ReadUnixFile;
using testing_support::TemporaryFolder;
using testing_support::WriteUnixFile;

const std::string kId = std::to_string(::getuid());

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// Every entry below a folder with its kind, permissions and content, in name order.
std::vector<std::string> Snapshot(const std::string& top) {
  std::vector<std::string> entries;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(top, error)) {
    std::string path = entry.path().string();
    std::ostringstream line;
    line << path.substr(top.size()) << " " << std::oct << ModeOf(path) << " ";
    if (entry.is_symlink()) {
      line << "-> " << fs::read_symlink(entry.path()).string();
    } else if (!entry.is_directory()) {
      line << ReadUnixFile(path);
    }
    entries.push_back(line.str());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// A folder with files, a read-only file, a read-only folder with a file in it and a link.
void MakeSampleTree(const std::string& top) {
  WriteUnixFile(top + "/a.txt", "alpha");
  WriteUnixFile(top + "/sub/b.txt", "beta");
  WriteUnixFile(top + "/sub/read-only.txt", "gamma");
  ::chmod((top + "/sub/read-only.txt").c_str(), 0444);
  WriteUnixFile(top + "/sub/locked/c.txt", "delta");
  ::chmod((top + "/sub/locked").c_str(), 0555);
  ::symlink("../a.txt", (top + "/sub/link-to-a").c_str());
}

// What a file manager reads back from a Path= value.
std::string DecodePercents(const std::string& text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      decoded += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

struct TrashInfo {
  std::vector<std::string> lines;
  std::string path;  // decoded
};

TrashInfo ReadInfo(const std::string& file) {
  TrashInfo info;
  std::istringstream text(ReadUnixFile(file));
  for (std::string line; std::getline(text, line);) info.lines.push_back(line);
  if (info.lines.size() > 1 && info.lines[1].rfind("Path=", 0) == 0) {
    info.path = DecodePercents(info.lines[1].substr(5));
  }
  return info;
}

// The info file as the desktop's trash reads it: the group, Path= as given, a local deletion time.
void ExpectInfo(const std::string& file, const std::string& encodedPath) {
  TrashInfo info = ReadInfo(file);
  ASSERT_EQ(info.lines.size(), 3u) << ReadUnixFile(file);
  EXPECT_EQ(info.lines[0], "[Trash Info]");
  EXPECT_EQ(info.lines[1], "Path=" + encodedPath);
  const std::string prefix = "DeletionDate=";
  ASSERT_EQ(info.lines[2].rfind(prefix, 0), 0u) << info.lines[2];
  const std::string date = info.lines[2].substr(prefix.size());
  ASSERT_TRUE(std::regex_match(date, std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)"))) << date;
  std::tm parsed{};
  ::strptime(date.c_str(), "%Y-%m-%dT%H:%M:%S", &parsed);
  parsed.tm_isdst = -1;
  EXPECT_LE(std::fabs(std::difftime(std::time(nullptr), std::mktime(&parsed))), 120.0) << date;
}

// What a file manager does to restore: move the item back to where its info says it was.
void Restore(const std::string& trash, const std::string& name, const std::string& original) {
  ASSERT_EQ(::rename((trash + "/files/" + name).c_str(), original.c_str()), 0) << original;
  ::unlink((trash + "/info/" + name + ".trashinfo").c_str());
}

bool SetImmutable(const std::string& path, bool immutable) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return done;
}

// Removes a tree the tests made, read-only folders and all.
void RemoveAll(const std::string& path) {
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(path, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (!it->is_symlink(ignored)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
  }
  fs::remove_all(path, ignored);
}

// A folder on /dev/shm, a tmpfs: another file system than the temporary folder's, usually.
class ShmFolder {
 public:
  ShmFolder() {
    std::string pattern = "/dev/shm/sparvane-trash-XXXXXX";
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ShmFolder() {
    if (!path_.empty()) RemoveAll(path_);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class TrashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::canonical(temp.path()).string();
    items = root + "/items";
    fs::create_directories(items);
    place = TrashPlaceFor(root + "/home", "", ::getuid());
    // The mount table names only the test's own folders, so no real trash is ever looked at.
    place.mountTable = root + "/mountinfo";
    WriteMountTable({root});
  }

  // A volume of its own: "/dev/shm/.../my volume", declared a mount point below another one.
  bool MakeVolume() {
    struct stat shm {
    }, ours{};
    if (shm_.path().empty() || ::stat(shm_.path().c_str(), &shm) != 0 ||
        ::stat(root.c_str(), &ours) != 0 || shm.st_dev == ours.st_dev) {
      return false;
    }
    outer = shm_.path();
    volume = outer + "/my volume";
    fs::create_directories(volume);
    WriteMountTable({root, outer, volume});
    return true;
  }

  void WriteMountTable(const std::vector<std::string>& points) {
    std::ofstream table(place.mountTable);
    int id = 100;
    for (const std::string& point : points) {
      struct stat info {};
      ::stat(point.c_str(), &info);
      std::string escaped = std::regex_replace(point, std::regex(" "), "\\040");
      table << id++ << " 1 " << major(info.st_dev) << ":" << minor(info.st_dev) << " / " << escaped
            << " rw,relatime shared:1 - testfs test rw\n";
    }
  }

  std::string HomeTrash() const { return root + "/home/.local/share/Trash"; }

  TemporaryFolder temp;
  ShmFolder shm_;
  std::string root, items, outer, volume;
  TrashPlace place;
};

TEST(TrashPlaceTest, DataHomeFromTheEnvironment) {
  EXPECT_EQ(TrashPlaceFor("/home/bob", "", 1000).homeTrash(), "/home/bob/.local/share/Trash");
  EXPECT_EQ(TrashPlaceFor("/home/bob", "/data/bob/", 1000).homeTrash(), "/data/bob/Trash");
  // A relative XDG_DATA_HOME is not a data home.
  EXPECT_EQ(TrashPlaceFor("/home/bob", "data", 1000).homeTrash(), "/home/bob/.local/share/Trash");
  EXPECT_EQ(TrashPlaceFor("", "", 1000).homeTrash(), "");
}

TEST_F(TrashTest, FolderGoesToTheHomeTrashWithAnInfoFileManagersRead) {
  struct Case {
    std::string name;
    std::string encoded;
  };
  const Case kCases[] = {
      {"Plain-name_1.0~", "Plain-name_1.0~"},
      {"with blanks", "with%20blanks"},
      {"Ünïcode ファイル", "%C3%9Cn%C3%AFcode%20%E3%83%95%E3%82%A1%E3%82%A4%E3%83%AB"},
      {"100% [done]+#?&=", "100%25%20%5Bdone%5D%2B%23%3F%26%3D"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string folder = items + "/" + c.name;
    MakeSampleTree(folder);
    const std::vector<std::string> before = Snapshot(folder);

    TrashOutcome outcome = MoveToTrash(folder, place);
    ASSERT_TRUE(outcome.moved) << outcome.reason;
    EXPECT_EQ(outcome.trashFolder, HomeTrash());
    EXPECT_EQ(outcome.name, c.name);
    EXPECT_FALSE(Exists(folder));
    ExpectInfo(HomeTrash() + "/info/" + c.name + ".trashinfo", items + "/" + c.encoded);
    EXPECT_EQ(Snapshot(HomeTrash() + "/files/" + c.name), before);

    Restore(HomeTrash(), c.name, ReadInfo(HomeTrash() + "/info/" + c.name + ".trashinfo").path);
    EXPECT_EQ(Snapshot(folder), before);
  }
  // The trash is the user's alone.
  for (const char* part : {"", "/files", "/info"}) EXPECT_EQ(ModeOf(HomeTrash() + part), 0700u);
}

TEST_F(TrashTest, ClashingNamesAreNumbered) {
  // An item left in files/ without its info keeps its name as well.
  WriteUnixFile(HomeTrash() + "/files/report.2", "orphan");
  for (const std::string expected : {"report", "report.3", "report.4"}) {
    WriteUnixFile(items + "/report", expected);
    TrashOutcome outcome = MoveToTrash(items + "/report", place);
    ASSERT_TRUE(outcome.moved) << outcome.reason;
    EXPECT_EQ(outcome.name, expected);
    EXPECT_EQ(ReadUnixFile(HomeTrash() + "/files/" + expected), expected);
    ExpectInfo(HomeTrash() + "/info/" + expected + ".trashinfo", items + "/report");
  }
  EXPECT_EQ(ReadUnixFile(HomeTrash() + "/files/report.2"), "orphan");
  EXPECT_FALSE(Exists(HomeTrash() + "/info/report.2.trashinfo"));
}

TEST_F(TrashTest, ALongNameStillFitsBesideItsInfoFile) {
  std::string name = "a";
  while (name.size() < 250) name += "é";  // two bytes each: the cut must not split one
  for (const std::string suffix : {"", ".2"}) {
    WriteUnixFile(items + "/" + name, "long");
    TrashOutcome outcome = MoveToTrash(items + "/" + name, place);
    ASSERT_TRUE(outcome.moved) << outcome.reason;
    const std::string stem = outcome.name.substr(0, outcome.name.size() - suffix.size());
    EXPECT_EQ(outcome.name.substr(stem.size()), suffix);
    EXPECT_LT(stem.size(), name.size());
    EXPECT_EQ(name.compare(0, stem.size(), stem), 0);
    EXPECT_NE(static_cast<unsigned char>(name[stem.size()]) & 0xC0, 0x80u);
    const std::string info = HomeTrash() + "/info/" + outcome.name + ".trashinfo";
    EXPECT_EQ(ReadInfo(info).path, items + "/" + name);
    EXPECT_EQ(ReadUnixFile(HomeTrash() + "/files/" + outcome.name), "long");
  }
}

TEST_F(TrashTest, WhatCannotBeMovedStaysAndLeavesNoInfo) {
  // A home trash inside the folder being deleted: only the rename can fail.
  const std::string outer = items + "/outer";
  MakeSampleTree(outer);
  TrashPlace inside = TrashPlaceFor(outer + "/home", "", ::getuid());
  inside.mountTable = place.mountTable;
  TrashOutcome outcome = MoveToTrash(outer, inside);
  EXPECT_FALSE(outcome.moved);
  EXPECT_FALSE(outcome.reason.empty());
  EXPECT_EQ(ReadUnixFile(outer + "/a.txt"), "alpha");
  EXPECT_TRUE(fs::is_empty(outer + "/home/.local/share/Trash/info"));

  // What is already in the trash is not moved within it.
  WriteUnixFile(HomeTrash() + "/files/kept", "kept");
  fs::create_directories(HomeTrash() + "/info");
  EXPECT_FALSE(MoveToTrash(HomeTrash() + "/files/kept", place).moved);
  EXPECT_EQ(ReadUnixFile(HomeTrash() + "/files/kept"), "kept");
  EXPECT_TRUE(fs::is_empty(HomeTrash() + "/info"));

  // A missing item, or no item at all.
  for (const std::string& path : {items + "/missing", items + "/no/such/thing", std::string("/")}) {
    EXPECT_FALSE(MoveToTrash(path, place).moved) << path;
  }
  EXPECT_TRUE(fs::is_empty(HomeTrash() + "/info"));
}

TEST_F(TrashTest, AnItemOnAnotherFileSystemGoesToThatVolumesTrash) {
  if (!MakeVolume()) GTEST_SKIP() << "/dev/shm is not a file system of its own here";
  const std::string elsewhere = outer + "/elsewhere";
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::string trash;
  };
  const Case kCases[] = {
      {"no shared .Trash", [] {}, volume + "/.Trash-" + kId},
      {"a shared .Trash with the sticky bit",
       [&] {
         fs::create_directory(volume + "/.Trash");
         ::chmod((volume + "/.Trash").c_str(), 01777);
       },
       volume + "/.Trash/" + kId},
      {"a shared .Trash without the sticky bit",
       [&] {
         fs::create_directory(volume + "/.Trash");
         ::chmod((volume + "/.Trash").c_str(), 0777);
       },
       volume + "/.Trash-" + kId},
      {"a shared .Trash that is a link",
       [&] {
         fs::create_directory(elsewhere);
         ::chmod(elsewhere.c_str(), 01777);
         ::symlink(elsewhere.c_str(), (volume + "/.Trash").c_str());
       },
       volume + "/.Trash-" + kId},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    RemoveAll(volume);
    RemoveAll(elsewhere);
    fs::create_directory(volume);
    c.prepare();
    const std::string item = volume + "/nested dir/my item";
    MakeSampleTree(item);
    const std::vector<std::string> before = Snapshot(item);

    TrashOutcome outcome = MoveToTrash(item, place);
    ASSERT_TRUE(outcome.moved) << outcome.reason;
    EXPECT_EQ(outcome.trashFolder, c.trash);
    EXPECT_EQ(ModeOf(c.trash), 0700u);
    // Relative to the volume's top, so the volume can be mounted anywhere.
    ExpectInfo(c.trash + "/info/my item.trashinfo", "nested%20dir/my%20item");
    EXPECT_EQ(Snapshot(c.trash + "/files/my item"), before);
    EXPECT_FALSE(Exists(HomeTrash()));
    EXPECT_FALSE(Exists(elsewhere + "/" + kId));
    std::vector<std::string> listed = TrashFolders(place);
    EXPECT_NE(std::find(listed.begin(), listed.end(), c.trash), listed.end());

    Restore(c.trash, "my item", volume + "/" + ReadInfo(c.trash + "/info/my item.trashinfo").path);
    EXPECT_EQ(Snapshot(item), before);
  }
}

TEST_F(TrashTest, TheTopDirectoryIsTheDeepestMountOfTheItemsDevice) {
  // This process's own mount table.
  EXPECT_EQ(VolumeTopDirectory("/", "/proc/self/mountinfo"), "/");
  EXPECT_EQ(VolumeTopDirectory("/proc/self/mountinfo", "/proc/self/mountinfo"), "/proc");
  if (!MakeVolume()) GTEST_SKIP() << "/dev/shm is not a file system of its own here";
  WriteUnixFile(volume + "/a/file", "");
  WriteUnixFile(outer + "/b/file", "");
  EXPECT_EQ(VolumeTopDirectory(volume + "/a/file", place.mountTable), volume);
  EXPECT_EQ(VolumeTopDirectory(volume, place.mountTable), volume);
  EXPECT_EQ(VolumeTopDirectory(outer + "/b/file", place.mountTable), outer);
  EXPECT_EQ(VolumeTopDirectory(items, place.mountTable), root);
  EXPECT_EQ(VolumeTopDirectory(items + "/missing", place.mountTable), std::nullopt);
  // An entry that holds the path by name but is another device is not the path's mount.
  ::symlink(volume.c_str(), (items + "/link").c_str());
  WriteMountTable({root, outer, volume, items + "/link"});
  EXPECT_EQ(VolumeTopDirectory(items + "/link", place.mountTable), root);
  // A mount point itself is not moved anywhere.
  EXPECT_FALSE(MoveToTrash(volume, place).moved);
  EXPECT_TRUE(Exists(volume + "/a/file"));
}

TEST_F(TrashTest, TrashFoldersAreTheHomeTrashAndTheUsersOwnVolumeTrashes) {
  if (!MakeVolume()) GTEST_SKIP() << "/dev/shm is not a file system of its own here";
  fs::create_directories(outer + "/.Trash-" + kId);
  fs::create_directories(volume + "/.Trash/" + kId);
  ::chmod((volume + "/.Trash").c_str(), 01777);
  fs::create_directories(volume + "/.Trash-" + kId);
  EXPECT_EQ(TrashFolders(place),
            (std::vector<std::string>{HomeTrash(), outer + "/.Trash-" + kId,
                                      volume + "/.Trash/" + kId, volume + "/.Trash-" + kId}));

  // Another user's name on a folder of ours: neither used nor listed, and none is made for them.
  TrashPlace other = place;
  other.uid = ::getuid() + 1;
  const std::string theirs = volume + "/.Trash-" + std::to_string(other.uid);
  fs::create_directory(theirs);
  WriteUnixFile(volume + "/file", "x");
  EXPECT_FALSE(MoveToTrash(volume + "/file", other).moved);
  EXPECT_EQ(ReadUnixFile(volume + "/file"), "x");
  EXPECT_TRUE(fs::is_empty(theirs));
  EXPECT_FALSE(Exists(volume + "/.Trash/" + std::to_string(other.uid)));
  EXPECT_EQ(TrashFolders(other), std::vector<std::string>{HomeTrash()});
}

TEST_F(TrashTest, EmptyingDeletesEverythingButNeverFollowsALinkOut) {
  const std::string outside = root + "/outside";
  WriteUnixFile(outside + "/keep.txt", "keep");
  MakeSampleTree(items + "/tree");
  WriteUnixFile(items + "/file", "file");
  ::symlink(outside.c_str(), (items + "/link").c_str());
  for (const char* name : {"tree", "file", "link"}) {
    ASSERT_TRUE(MoveToTrash(items + "/" + name, place).moved) << name;
  }
  // What other programs leave: an item without info, info without item, the size cache.
  ::symlink(outside.c_str(), (HomeTrash() + "/files/stray link").c_str());
  WriteUnixFile(HomeTrash() + "/info/gone.trashinfo", "[Trash Info]\n");
  WriteUnixFile(HomeTrash() + "/directorysizes", "16384 15803468 tree\n");
  ::chmod((HomeTrash() + "/files").c_str(), 0500);
  const std::vector<std::string> outsideBefore = Snapshot(outside);

  EXPECT_TRUE(EmptyTrash(HomeTrash()));
  EXPECT_TRUE(fs::is_empty(HomeTrash() + "/files"));
  EXPECT_TRUE(fs::is_empty(HomeTrash() + "/info"));
  EXPECT_FALSE(Exists(HomeTrash() + "/directorysizes"));
  EXPECT_EQ(Snapshot(outside), outsideBefore);

  // A trash whose files/ is a link: the link goes, what it points to stays.
  const std::string odd = root + "/odd-trash";
  fs::create_directories(odd + "/info");
  ::symlink(outside.c_str(), (odd + "/files").c_str());
  EXPECT_TRUE(EmptyTrash(odd));
  EXPECT_FALSE(Exists(odd + "/files"));
  EXPECT_EQ(ReadUnixFile(outside + "/keep.txt"), "keep");

  // A trash folder that is itself a link is not emptied through it; a missing one is empty.
  ::symlink(outside.c_str(), (root + "/linked-trash").c_str());
  WriteUnixFile(outside + "/files/x", "x");
  EXPECT_FALSE(EmptyTrash(root + "/linked-trash"));
  EXPECT_EQ(ReadUnixFile(outside + "/files/x"), "x");
  EXPECT_TRUE(EmptyTrash(root + "/missing/Trash"));
  EXPECT_FALSE(Exists(root + "/missing"));
}

TEST_F(TrashTest, AnItemThatCannotBeDeletedKeepsItsInfo) {
  MakeSampleTree(items + "/stuck");
  WriteUnixFile(items + "/loose", "loose");
  ASSERT_TRUE(MoveToTrash(items + "/stuck", place).moved);
  ASSERT_TRUE(MoveToTrash(items + "/loose", place).moved);
  const std::string pinned = HomeTrash() + "/files/stuck/a.txt";
  if (!SetImmutable(pinned, true)) GTEST_SKIP() << "no immutable files here";
  struct Unpin {
    std::string path;
    ~Unpin() { SetImmutable(path, false); }
  } unpin{pinned};

  EXPECT_FALSE(EmptyTrash(HomeTrash()));
  EXPECT_TRUE(Exists(pinned));
  EXPECT_TRUE(Exists(HomeTrash() + "/info/stuck.trashinfo"));
  EXPECT_FALSE(Exists(HomeTrash() + "/files/stuck/sub"));  // the rest of it went
  EXPECT_FALSE(Exists(HomeTrash() + "/files/loose"));
  EXPECT_FALSE(Exists(HomeTrash() + "/info/loose.trashinfo"));

  ASSERT_TRUE(SetImmutable(pinned, false));
  EXPECT_TRUE(EmptyTrash(HomeTrash()));
  EXPECT_TRUE(fs::is_empty(HomeTrash() + "/info"));
}

}  // namespace
