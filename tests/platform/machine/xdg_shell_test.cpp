#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/machine/unix_paths.h"
#include "platform/machine/xdg_shell.h"
#include "support/temporary_folder.h"

namespace {

using namespace platform;
using testing_support::TemporaryFolder;

std::optional<std::string> Resolve(std::string_view path) {
  return UnmappedWindowsPathToUnix(path);
}

TEST(XdgShell, AddressesGoAsTheyStandAndFilesMustExist) {
  TemporaryFolder temp;
  testing_support::WriteUnixFile(temp.path() + "/help.chm", "");
  XdgShell shell(Resolve);
  const std::string folder = UnixToUnmappedWindowsPath(temp.path());
  struct Case {
    std::string file;
    std::string directory;
    std::optional<std::string> target;
  };
  const Case kCases[] = {
      {"https://www.sparvane.example/", "", "https://www.sparvane.example/"},
      {"mailto:support@sparvane.example", "", "mailto:support@sparvane.example"},
      {folder + "\\help.chm", "", temp.path() + "/help.chm"},
      {"help.chm", folder, temp.path() + "/help.chm"},
      {"missing.chm", folder, std::nullopt},
      {"C:\\unmapped.txt", "", std::nullopt},
      {"", "", std::nullopt},
  };
  for (const Case& c : kCases) EXPECT_EQ(shell.Target(c.file, c.directory), c.target) << c.file;
}

// The target reaches the program as one argument, whatever it holds: no shell ever reads it.
TEST(XdgShell, StartsTheOpenerWithTheTargetAsItsOnlyArgument) {
  TemporaryFolder temp;
  const std::string opener = temp.path() + "/opener";
  const std::string record = temp.path() + "/record";
  testing_support::WriteUnixFile(opener,
                                 "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + record + "'\n");
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  const std::string hostile = temp.path() + "/a;touch pwned $(id) `x`.txt";
  testing_support::WriteUnixFile(hostile, "");
  XdgShell shell(Resolve, opener);

  EXPECT_GT(shell.ShellExecuteA("open", UnixToUnmappedWindowsPath(hostile), "", "", 1), 32);
  for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(testing_support::ReadUnixFile(record), "1|" + hostile);
  EXPECT_FALSE(std::filesystem::exists(temp.path() + "/pwned"));
  EXPECT_EQ(shell.ShellExecuteA("open", "C:\\nothing", "", "", 1), 2);
}

}  // namespace

namespace {

using namespace platform;

// Explorer's two requests reach the file manager as the folder itself, or (without a file
// manager on the session bus) as the folder that holds the selected one.
TEST(XdgShell, ExplorerRequestsOpenTheFolderOrItsParent) {
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) GTEST_SKIP() << "a session bus may answer";
  testing_support::TemporaryFolder temp;
  const std::string opener = temp.path() + "/opener";
  const std::string record = temp.path() + "/record";
  testing_support::WriteUnixFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + record + "'\n");
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  std::filesystem::create_directories(temp.path() + "/Top/Empty, one");
  XdgShell shell(Resolve, opener);
  const std::string folder = UnixToUnmappedWindowsPath(temp.path() + "/Top/Empty, one");

  EXPECT_GT(shell.ShellExecuteA("", "explorer.exe", "/e, " + folder, "", 3), 32);
  EXPECT_GT(shell.ShellExecuteA("", "EXPLORER.EXE", "/select, " + folder, "", 3), 32);
  EXPECT_EQ(shell.ShellExecuteA("", "explorer.exe", "/e, C:\\nowhere", "", 3), 2);
  for (int i = 0; i < 300; ++i) {
    if (testing_support::ReadUnixFile(record).find("Top\n") != std::string::npos) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::string lines = testing_support::ReadUnixFile(record);
  EXPECT_NE(lines.find(temp.path() + "/Top/Empty, one\n"), std::string::npos) << lines;
  EXPECT_NE(lines.find(temp.path() + "/Top\n"), std::string::npos) << lines;
}

}  // namespace
