#include "platform/machine/machine_file_operations.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/temporary_machine.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;
using testing_support::ReadUnixFile;
using testing_support::TemporaryMachine;
using testing_support::WriteUnixFile;

constexpr unsigned kDelete = FOF_NOCONFIRMATION | FOF_NOERRORUI;
constexpr unsigned kRecycle = kDelete | FOF_ALLOWUNDO;
const std::string kId = std::to_string(::getuid());

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Every entry below a folder with its permissions and content (a link's target), in name order.
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

// A machine whose C:\Work holds read-only files, a read-only folder and links to a folder and a
// file outside the drive.
class MachineFileOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    top = fs::canonical(machine.prefix()).string();
    work = top + "/drive_c/Work";
    outside = top + "/outside";
    WriteUnixFile(outside + "/keep.txt", "keep");
    WriteUnixFile(work + "/a.txt", "alpha");
    WriteUnixFile(work + "/sub/read-only.txt", "beta");
    ::chmod((work + "/sub/read-only.txt").c_str(), 0444);
    WriteUnixFile(work + "/sub/locked/c.txt", "gamma");
    ::chmod((work + "/sub/locked").c_str(), 0555);
    ::symlink(outside.c_str(), (work + "/outside folder").c_str());
    ::symlink((outside + "/keep.txt").c_str(), (work + "/sub/outside file").c_str());
    place = TrashPlaceFor(top + "/home", "", ::getuid());
    // Only the test's own folders are mounts, so no real trash is ever looked at.
    place.mountTable = top + "/mountinfo";
    WriteMountTable({top});
  }

  void WriteMountTable(const std::vector<std::string>& points) {
    std::ofstream table(place.mountTable);
    int id = 100;
    for (const std::string& point : points) {
      struct stat info {};
      ::stat(point.c_str(), &info);
      table << id++ << " 1 " << major(info.st_dev) << ":" << minor(info.st_dev) << " / " << point
            << " rw,relatime - testfs test rw\n";
    }
  }

  MachineFileOperations Shell() const { return MachineFileOperations(machine.machine, place); }

  // As the program asks: one path ended by two NULs, no questions, no error boxes.
  static ShellFileOperation Operation(const std::string& path, unsigned flags) {
    ShellFileOperation operation;
    operation.wFunc = FO_DELETE;
    operation.pFrom = path + std::string(2, '\0');
    operation.fFlags = flags;
    operation.lpszProgressTitle = "Deleting empty folders, please waiting...";
    return operation;
  }

  std::string Info(const std::string& trash, const std::string& name) {
    return ReadUnixFile(trash + "/info/" + name + ".trashinfo");
  }

  TemporaryMachine machine;
  std::string top, work, outside;
  TrashPlace place;
};

TEST_F(MachineFileOperationsTest, DeletingRemovesTheTreeButNothingItsLinksPointTo) {
  const std::vector<std::string> outsideBefore = Snapshot(outside);
  EXPECT_EQ(Shell().SHFileOperationA(Operation("c:\\WORK\\", kDelete)), 0);
  EXPECT_FALSE(Exists(work));
  EXPECT_EQ(Snapshot(outside), outsideBefore);
  EXPECT_FALSE(Exists(place.homeTrash()));
}

TEST_F(MachineFileOperationsTest, RecyclingMovesTheFolderWhereTheFileManagerRestoresIt) {
  const std::vector<std::string> before = Snapshot(work);
  EXPECT_EQ(Shell().SHFileOperationA(Operation("C:\\Work", kRecycle)), 0);
  EXPECT_FALSE(Exists(work));
  const std::string trash = place.homeTrash();
  EXPECT_EQ(Snapshot(trash + "/files/Work"), before);
  EXPECT_EQ(Info(trash, "Work").rfind("[Trash Info]\nPath=" + work + "\nDeletionDate=", 0), 0u)
      << Info(trash, "Work");
}

TEST_F(MachineFileOperationsTest, PathsThatNameNothingDeletableChangeNothing) {
  struct Case {
    const char* what;
    unsigned operation;
    std::string from;
    unsigned flags;
    int result;
  };
  const Case kCases[] = {
      {"missing", FO_DELETE, "C:\\Nothing", kDelete, 2},
      {"missing, recycled", FO_DELETE, "C:\\Nothing", kRecycle, 2},
      {"below a file", FO_DELETE, "C:\\Work\\a.txt\\x", kDelete, 2},
      {"a drive root", FO_DELETE, "C:\\", kDelete, 0x7C},
      {"a drive root, recycled", FO_DELETE, "C:\\", kRecycle, 0x7C},
      {"the Unix root", FO_DELETE, "\\\\?\\unix\\", kDelete, 0x7C},
      {"an unmapped drive", FO_DELETE, "Q:\\Work", kDelete, 0x7C},
      {"no path", FO_DELETE, "", kDelete, 0x7C},
      {"another operation", 2, "C:\\Work", kDelete, 1},
  };
  const std::vector<std::string> before = Snapshot(top + "/drive_c");
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ShellFileOperation operation = Operation(c.from, c.flags);
    operation.wFunc = c.operation;
    EXPECT_EQ(Shell().SHFileOperationA(operation), c.result);
    EXPECT_EQ(Snapshot(top + "/drive_c"), before);
  }
  EXPECT_FALSE(Exists(place.homeTrash()));
}

TEST_F(MachineFileOperationsTest, WhenTheTrashCannotTakeItNothingIsDeleted) {
  // The home trash inside the folder itself: it can never be moved there.
  place = TrashPlaceFor(work + "/home", "", ::getuid());
  place.mountTable = top + "/mountinfo";
  EXPECT_NE(Shell().SHFileOperationA(Operation("C:\\Work", kRecycle)), 0);
  EXPECT_EQ(ReadUnixFile(work + "/a.txt"), "alpha");
  EXPECT_EQ(ReadUnixFile(work + "/sub/locked/c.txt"), "gamma");
  EXPECT_TRUE(fs::is_empty(work + "/home/.local/share/Trash/info"));
}

TEST_F(MachineFileOperationsTest, WhatCannotBeDeletedIsReportedAndTheRestGoes) {
  const std::string pinned = work + "/sub/locked/c.txt";
  if (!SetImmutable(pinned, true)) GTEST_SKIP() << "no immutable files here";
  struct Unpin {
    std::string path;
    ~Unpin() { SetImmutable(path, false); }
  } unpin{pinned};

  EXPECT_EQ(Shell().SHFileOperationA(Operation("C:\\Work", kDelete)), 5);
  EXPECT_TRUE(Exists(pinned));
  EXPECT_EQ(ModeOf(work + "/sub/locked"), 0555u);  // the folder that stayed is as it was
  EXPECT_FALSE(Exists(work + "/a.txt"));
  EXPECT_FALSE(Exists(work + "/sub/read-only.txt"));
  EXPECT_FALSE(Exists(work + "/outside folder"));
  EXPECT_EQ(ReadUnixFile(outside + "/keep.txt"), "keep");
}

TEST_F(MachineFileOperationsTest, EmptyingTheRecycleBinOfOneDriveOrOfAll) {
  std::string pattern = "/dev/shm/sparvane-bin-XXXXXX";
  struct stat shm {
  }, ours{};
  if (::mkdtemp(pattern.data()) == nullptr) GTEST_SKIP() << "no /dev/shm here";
  const std::string volume = pattern;
  struct Cleanup {
    std::string path;
    ~Cleanup() {
      std::error_code ignored;
      fs::remove_all(path, ignored);
    }
  } cleanup{volume};
  if (::stat(volume.c_str(), &shm) != 0 || ::stat(top.c_str(), &ours) != 0 ||
      shm.st_dev == ours.st_dev) {
    GTEST_SKIP() << "/dev/shm is not a file system of its own here";
  }
  machine.MapDrive('d', volume);
  WriteMountTable({top, volume});
  const std::string homeTrash = place.homeTrash();
  const std::string volumeTrash = volume + "/.Trash-" + kId;

  struct Case {
    std::string root;
    bool homeEmptied;
    bool volumeEmptied;
  };
  const Case kCases[] = {
      {"", true, true},
      {"C:\\", true, false},
      {"d:", false, true},
      {"Q:\\", false, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.root);
    WriteUnixFile(top + "/drive_c/on c", "c");
    WriteUnixFile(volume + "/on d", "d");
    ASSERT_EQ(Shell().SHFileOperationA(Operation("C:\\on c", kRecycle)), 0);
    ASSERT_EQ(Shell().SHFileOperationA(Operation("D:\\on d", kRecycle)), 0);
    ASSERT_EQ(ReadUnixFile(volumeTrash + "/files/on d"), "d");
    EXPECT_NE(Info(volumeTrash, "on d").find("\nPath=on%20d\n"), std::string::npos);

    const int result =
        Shell().SHEmptyRecycleBinA(c.root, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI);
    EXPECT_EQ(result == 0, c.homeEmptied || c.volumeEmptied) << result;
    EXPECT_EQ(fs::is_empty(homeTrash + "/files"), c.homeEmptied);
    EXPECT_EQ(fs::is_empty(homeTrash + "/info"), c.homeEmptied);
    EXPECT_EQ(fs::is_empty(volumeTrash + "/files"), c.volumeEmptied);
    EXPECT_EQ(fs::is_empty(volumeTrash + "/info"), c.volumeEmptied);
    ASSERT_TRUE(EmptyTrash(homeTrash));
    ASSERT_TRUE(EmptyTrash(volumeTrash));
  }
}

}  // namespace
