#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/error.h"
#include "platform/machine/wine_registry.h"
#include "platform/machine/wineserver_probe.h"
#include "platform/registry.h"
#include "wine_test_support.h"

// Against a prefix made by Wine itself, when Wine is installed.
namespace platform {
namespace {

using wine_test::ReadBytes;

constexpr RegistryRoot kMachine = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr RegistryRoot kUser = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot kClasses = RegistryRoot::HKEY_CLASSES_ROOT;
constexpr RegistryRoot kUsers = RegistryRoot::HKEY_USERS;

// The data "reg query" prints for a value: "    name    REG_SZ    data".
std::string QueriedData(const std::string& output, const std::string& name) {
  std::string marker = "    " + name + "    ";
  std::size_t at = output.find(marker);
  if (at == std::string::npos) return "<missing>";
  std::size_t type = at + marker.size();
  std::size_t data = output.find("    ", type);
  std::size_t end = output.find_first_of("\r\n", data);
  return output.substr(data + 4, end - data - 4);
}

// The file without the blocks whose header names `part`, as it was before they were added.
std::string WithoutBlocksNaming(std::string text, const std::string& part) {
  for (std::size_t at = 0; (at = text.find("\n[", at)) != std::string::npos;) {
    std::size_t start = at + 1;
    std::size_t headerEnd = text.find('\n', start);
    if (text.substr(start, headerEnd - start).find(part) == std::string::npos) {
      at = start;
      continue;
    }
    std::size_t next = text.find("\n[", start);
    if (next == std::string::npos) {
      text.erase(at);  // the last block, with the blank line before it
    } else {
      text.erase(start, next + 1 - start);
    }
  }
  return text;
}

TEST(WinePrefix, ReadsAndWritesTheFilesOfAPrefixWineMade) {
  std::optional<wine_test::WineTools> wine = wine_test::FindWine();
  if (!wine) GTEST_SKIP() << "wine64 is not installed";
  wine_test::TempFolder prefix;
  wine_test::WineStopper stopper(*wine, prefix.path());
  wine_test::Run({wine->loader, "wineboot", "-i"}, prefix.path(), false);
  wine_test::Run({wine->wineserver, "-w"}, prefix.path());
  const std::string systemBefore = ReadBytes(prefix / "system.reg");
  const std::string userBefore = ReadBytes(prefix / "user.reg");
  ASSERT_TRUE(systemBefore.starts_with("WINE REGISTRY Version 2\n")) << "wineboot made no prefix";

  WineRegistry registry(prefix.path(), "S-1-5-21-9-9-9-9");
  const std::string build =
      RegReadValue(registry, vkString, kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion",
                   "CurrentBuildNumber");
  EXPECT_FALSE(build.empty());
  TextList users;
  RegReadSubKeyNames(registry, kUsers, "", &users);
  ASSERT_EQ(users.size(), 2u);
  EXPECT_EQ(users[1], "S-1-5-21-0-0-0-1000");  // Wine's user, from user.reg

  const std::string text = "h\xc3\xa9llo w\xc3\xb6rld \xe2\x82\xac";
  EXPECT_TRUE(RegWriteValue(registry, vkString, kUser, "Software\\Sparvane\\Test", "Text", text));
  EXPECT_TRUE(
      RegWriteValue(registry, vkInteger, kUser, "Software\\Sparvane\\Test", "Number", "1234"));
  EXPECT_TRUE(RegWriteValue(registry, vkString, kMachine, "Software\\Sparvane", "Owner", "Bob"));
  EXPECT_TRUE(RegWriteValue(registry, vkString, kClasses, ".sparvane", "", "Sparvane.File"));
  ASSERT_TRUE(registry.Save()) << registry.SaveError();

  // Wine's own keys and values keep their bytes: taking our blocks out gives the old files.
  EXPECT_EQ(WithoutBlocksNaming(WithoutBlocksNaming(ReadBytes(prefix / "system.reg"), "Sparvane"),
                                "sparvane"),
            systemBefore);
  EXPECT_EQ(WithoutBlocksNaming(ReadBytes(prefix / "user.reg"), "Sparvane"), userBefore);

  // With a wineserver serving the prefix, changes are refused and reading goes on.
  wine_test::Run({wine->wineserver, "-p"}, prefix.path(), false);
  for (int tries = 0; tries < 50 && !WineserverServes(prefix.path()); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  ASSERT_TRUE(WineserverServes(prefix.path()));
  try {
    RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "Late", "x");
    ADD_FAILURE() << "written while Wine runs";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find(prefix.path()), std::string::npos) << error.what();
  }
  EXPECT_EQ(RegReadValue(registry, vkString, kMachine, "Software\\Sparvane", "Owner"), "Bob");

  std::string query =
      wine_test::Run({wine->loader, "reg", "query", "HKCU\\Software\\Sparvane\\Test"},
                     prefix.path())
          .output;
  EXPECT_EQ(QueriedData(query, "Number"), "0x4d2") << query;
  query = wine_test::Run({wine->loader, "reg", "query", "HKLM\\Software\\Sparvane"}, prefix.path())
              .output;
  EXPECT_EQ(QueriedData(query, "Owner"), "Bob") << query;
  query = wine_test::Run({wine->loader, "reg", "query", "HKCR\\.sparvane"}, prefix.path()).output;
  EXPECT_EQ(QueriedData(query, "(Default)"), "Sparvane.File") << query;
  query = wine_test::Run(
              {wine->loader, "reg", "query",
               "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion", "/v", "CurrentBuildNumber"},
              prefix.path())
              .output;
  EXPECT_EQ(QueriedData(query, "CurrentBuildNumber"), build) << query;
  // The console shows text in another code page; an exported file holds it in UTF-16.
  wine_test::Run({wine->loader, "reg", "export", "HKCU\\Software\\Sparvane\\Test",
                  "Z:" + prefix.path() + "/export.reg", "/y"},
                 prefix.path());
  std::string exported = wine_test::Utf16FileText(ReadBytes(prefix / "export.reg"));
  EXPECT_NE(exported.find("\"Text\"=\"" + text + "\""), std::string::npos) << exported;

  wine_test::Run({wine->wineserver, "-k"}, prefix.path());
  wine_test::Run({wine->wineserver, "-w"}, prefix.path());
  EXPECT_FALSE(WineserverServes(prefix.path()));

  // Whatever Wine wrote when it ended is read again, and ours is still there.
  EXPECT_TRUE(RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "Late", "x"));
  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  WineRegistry again(prefix.path());
  EXPECT_EQ(RegReadValue(again, vkString, kUser, "Software\\Sparvane\\Test", "Text"), text);
  EXPECT_EQ(RegReadValue(again, vkString, kUser, "Software\\Sparvane", "Late"), "x");
}

}  // namespace
}  // namespace platform
