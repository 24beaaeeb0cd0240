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
