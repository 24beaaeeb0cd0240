#include "platform/machine/default_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/machine/wine_registry.h"
#include "platform/registry.h"
#include "wine_test_support.h"

namespace platform {
namespace {

using wine_test::ReadBytes;

constexpr RegistryRoot kMachine = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr RegistryRoot kUser = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot kUsers = RegistryRoot::HKEY_USERS;
constexpr RegistryRoot kConfig = RegistryRoot::HKEY_CURRENT_CONFIG;

const DefaultMachineSettings kSettings{"SPARROW", "Bob Example", "Example Ltd",
                                       "S-1-5-21-11-22-33-1000"};

struct Expected {
  RegistryRoot root;
  const char* key;
  const char* name;
  int kind;
  const char* value;
  const char* wineKey;  // the same key for "reg query"
};

const Expected kExpected[] = {
    {kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName", vkString,
     "Microsoft Windows XP", "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion"},
    {kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", vkString,
     "Bob Example", "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion"},
    {kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "CurrentBuildNumber", vkString,
     "2600", "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion"},
    {kMachine, "Software\\Microsoft\\Internet Explorer\\Main", "Window Title", vkString,
     "Microsoft Internet Explorer", "HKLM\\Software\\Microsoft\\Internet Explorer\\Main"},
    {kUser, "Software\\Microsoft\\Internet Explorer\\Main", "Window Title", vkString,
     "Microsoft Internet Explorer", "HKCU\\Software\\Microsoft\\Internet Explorer\\Main"},
    {kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
     "NoDriveTypeAutoRun", vkInteger, "145",
     "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"},
    // Through the CurrentControlSet link.
    {kConfig, "Software\\Fonts", "LogPixels", vkInteger, "96",
     "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"},
    {kMachine, "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName", "ComputerName",
     vkString, "SPARROW", nullptr},
    {kUsers, ".Default\\Software\\Microsoft\\Internet Explorer\\Main", "Window Title", vkString,
     "Microsoft Internet Explorer", nullptr},
};

TEST(DefaultRegistry, GivesANewMachineARegistryTheServiceReads) {
  wine_test::TempFolder machine;
  ASSERT_EQ(WriteDefaultRegistry(machine.path(), kSettings), "");
  WineRegistry registry(machine.path());
  for (const Expected& test : kExpected) {
    SCOPED_TRACE(test.name);
    EXPECT_EQ(RegReadValue(registry, test.kind, test.root, test.key, test.name), test.value);
  }
  TextList users;
  RegReadSubKeyNames(registry, kUsers, "", &users);
  EXPECT_EQ(users, (TextList{".Default", "S-1-5-21-11-22-33-1000"}));
  TextList run{"missing"};
  RegReadSubKeyNames(registry, kMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", &run);
  EXPECT_TRUE(run.empty());

  // A machine that has its registry keeps it.
  std::string user = ReadBytes(machine / "user.reg");
  ASSERT_EQ(WriteDefaultRegistry(machine.path(), DefaultMachineSettings{}), "");
  EXPECT_EQ(ReadBytes(machine / "user.reg"), user);
}

TEST(DefaultRegistry, IsReadByWine) {
  std::optional<wine_test::WineTools> wine = wine_test::FindWine();
  if (!wine) GTEST_SKIP() << "wine64 is not installed";
  // Wine needs its own files to run reg.exe; the registry is ours alone.
  wine_test::TempFolder prefix;
  wine_test::WineStopper stopper(*wine, prefix.path());
  wine_test::Run({wine->loader, "wineboot", "-i"}, prefix.path(), false);
  wine_test::Run({wine->wineserver, "-w"}, prefix.path());
  for (const char* name : {"system.reg", "user.reg", "userdef.reg"}) {
    std::remove((prefix / name).c_str());
  }
  ASSERT_EQ(WriteDefaultRegistry(prefix.path(), kSettings), "");

  wine_test::Run({wine->wineserver, "-p"}, prefix.path(), false);
  for (const Expected& test : kExpected) {
    if (!test.wineKey) continue;
    SCOPED_TRACE(test.name);
    std::string output =
        wine_test::Run({wine->loader, "reg", "query", test.wineKey, "/v", test.name}, prefix.path())
            .output;
    std::string expected = test.kind == vkInteger
                               ? "REG_DWORD    0x" +
                                     [&] {
                                       char hex[16];
                                       std::snprintf(hex, sizeof hex, "%x", std::stoi(test.value));
                                       return std::string(hex);
                                     }()
                               : "REG_SZ    " + std::string(test.value);
    EXPECT_NE(output.find("    " + std::string(test.name) + "    " + expected + "\r\n"),
              std::string::npos)
        << output;
  }
}

}  // namespace
}  // namespace platform
