#include "platform/machine/wine_registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/memory/memory_registry.h"
#include "platform/registry.h"
#include "wine_test_support.h"

namespace platform {
namespace {

using wine_test::ReadBytes;
using wine_test::WriteBytes;

constexpr RegistryRoot kMachine = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr RegistryRoot kUser = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot kUsers = RegistryRoot::HKEY_USERS;
constexpr RegistryRoot kClasses = RegistryRoot::HKEY_CLASSES_ROOT;
constexpr RegistryRoot kConfig = RegistryRoot::HKEY_CURRENT_CONFIG;

// A link value as Wine writes it: the target in UTF-16, as hex(6).
std::string LinkTo(std::string_view target) {
  std::string line = "\"SymbolicLinkValue\"=hex(6):";
  char byte[8];
  for (std::size_t i = 0; i < target.size(); ++i) {
    std::snprintf(byte, sizeof byte, "%s%02x,00", i ? "," : "", target[i]);
    line += byte;
  }
  return line + "\n";
}

const std::string kSystemReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\Machine\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Software\\\\Classes\\\\.txt] 1796913006\n"
    "#time=1dd88b2f3c1f7b0\n"
    "@=\"txtfile\"\n"
    "\n"
    "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1796913007\n"
    "#time=1dd88b2f40fa35c\n"
    "\"ProductName\"=\"Microsoft Windows 10\"\n"
    "\n"
    "[System\\\\ControlSet001\\\\Control\\\\ComputerName\\\\ComputerName] 1796913007\n"
    "#time=1dd88b2f40fa35c\n"
    "\"ComputerName\"=\"WINEBOX\"\n"
    "\n"
    "[System\\\\ControlSet001\\\\Hardware Profiles\\\\0001\\\\Software\\\\Fonts] 1796913007\n"
    "#time=1dd88b2f40edda0\n"
    "\"LogPixels\"=dword:00000060\n"
    "\n"
    "[System\\\\ControlSet001\\\\Hardware Profiles\\\\Current] 1796913007\n"
    "#time=1dd88b2f40edda0\n"
    "#link\n" +
    LinkTo("\\Registry\\Machine\\System\\ControlSet001\\Hardware Profiles\\0001") +
    "\n"
    "[System\\\\CurrentControlSet] 1796913007\n"
    "#time=1dd88b2f40edda0\n"
    "#link\n" +
    LinkTo("\\REGISTRY\\Machine\\System\\ControlSet001") +
    "\n"
    "[System\\\\Loop] 1796913007\n"
    "#link\n" +
    LinkTo("\\Registry\\Machine\\System\\Loop");

const std::string kUserReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-7-8-9-1001\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Control Panel\\\\Desktop] 1796913001\n"
    "#time=1dd88b2f0fbdf3c\n"
    "\"Zed\"=\"last\"\n"
    "\"Alpha\"=\"first\"\n"
    "\n"
    "[Software\\\\Microsoft\\\\Internet Explorer\\\\Main] 1796913007\n"
    "#time=1dd88b2f4056f54\n"
    "\"Start Page\"=\"https://www.winehq.org\"\n";

const std::string kUserDefReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to REGISTRY\\\\User\\\\.Default\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Control Panel\\\\International] 1796913001\n"
    "\"Locale\"=\"00000409\"\n";

// Runs `call` and returns the message of the platform::Error it raises.
std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class WineRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(folder / "system.reg", kSystemReg);
    WriteBytes(folder / "user.reg", kUserReg);
    WriteBytes(folder / "userdef.reg", kUserDefReg);
  }
  std::string Read(const std::string& name) const { return ReadBytes(folder / name); }

  wine_test::TempFolder folder;
};

TEST_F(WineRegistryTest, MapsTheRootsOntoThePrefixFiles) {
  WineRegistry registry(folder.path());
  struct Case {
    RegistryRoot root;
    const char* key;
    const char* name;
    int kind;
    const char* expected;
  };
  const Case cases[] = {
      {kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName", vkString,
       "Microsoft Windows 10"},
      {kClasses, ".txt", "", vkString, "txtfile"},
      {kUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page", vkString,
       "https://www.winehq.org"},
      {kUsers, "S-1-5-21-7-8-9-1001\\Software\\Microsoft\\Internet Explorer\\Main", "Start Page",
       vkString, "https://www.winehq.org"},
      {kUsers, ".DEFAULT\\Control Panel\\International", "Locale", vkString, "00000409"},
      // Through CurrentControlSet and Hardware Profiles\Current, both links.
      {kConfig, "Software\\Fonts", "LogPixels", vkInteger, "96"},
      {kMachine, "system\\currentcontrolset\\CONTROL\\ComputerName\\ComputerName", "computername",
       vkString, "WINEBOX"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.key);
    EXPECT_EQ(RegReadValue(registry, test.kind, test.root, test.key, test.name), test.expected);
  }
  // HKEY_USERS lists the SID user.reg names, not the one given for want of it.
  TextList users;
  RegReadSubKeyNames(registry, kUsers, "", &users);
  EXPECT_EQ(users, (TextList{".Default", "S-1-5-21-7-8-9-1001"}));
  EXPECT_EQ(registry.UserSid(), "S-1-5-21-7-8-9-1001");
  // Nothing but the loaded profiles lives there, and a link that loops leads nowhere.
  EXPECT_FALSE(RegWriteValue(registry, vkString, kUsers, "S-1-5-21-1-1-1-1\\X", "v", "x"));
  EXPECT_EQ(registry.OpenKey(kMachine, "System\\Loop", false).status, OpenStatus::Missing);
  EXPECT_EQ(registry.OpenKey(kMachine, "System\\Loop\\Below", true).status, OpenStatus::Missing);
}

TEST_F(WineRegistryTest, EnumeratesInFileOrder) {
  WineRegistry registry(folder.path());
  TextList data;
  TextList names;
  RegReadValueList(registry, kUser, "Control Panel\\Desktop", &data, &names);
  EXPECT_EQ(names, (TextList{"Zed", "Alpha"}));
  EXPECT_EQ(data, (TextList{"last", "first"}));
  TextList keys;
  RegReadSubKeyNames(registry, kMachine, "System", &keys);
  EXPECT_EQ(keys, (TextList{"ControlSet001", "CurrentControlSet", "Loop"}));
}

TEST_F(WineRegistryTest, HoldsChangesUntilSavedAndRewritesOnlyTheirKeys) {
  WineRegistry registry(folder.path());
  EXPECT_TRUE(RegWriteValue(registry, vkString, kMachine,
                            "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                            "ComputerName", "SPARROW"));
  EXPECT_TRUE(RegWriteValue(registry, vkString, kClasses, ".log", "", "txtfile"));
  EXPECT_TRUE(RegWriteValue(registry, vkInteger, kUsers, ".Default\\Sparvane", "On", "1"));
  EXPECT_TRUE(RegWriteValue(registry, vkString, kUser,
                            "SOFTWARE\\microsoft\\internet explorer\\MAIN", "start page",
                            "about:blank"));
  EXPECT_EQ(Read("system.reg"), kSystemReg);
  EXPECT_TRUE(registry.HasUnsavedChanges());

  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  EXPECT_FALSE(registry.HasUnsavedChanges());
  std::string system = Read("system.reg");
  // Through the link into ControlSet001; the other keys keep their bytes.
  const std::string computerName =
      "[System\\\\ControlSet001\\\\Control\\\\ComputerName\\\\ComputerName] 1796913007\n"
      "#time=1dd88b2f40fa35c\n\"ComputerName\"=\"WINEBOX\"\n\n";
  std::size_t at = system.find("[System\\\\ControlSet001\\\\Control\\\\ComputerName");
  ASSERT_NE(at, std::string::npos);
  std::size_t end = system.find("\n[", at) + 1;
  std::string block = system.substr(at, end - at);
  EXPECT_TRUE(Contains(block, "\"ComputerName\"=\"SPARROW\"\n")) << block;
  std::string untouched = system;
  untouched.erase(at, end - at);
  std::string expected = kSystemReg;
  expected.erase(expected.find(computerName), computerName.size());
  std::string newClass = "[Software\\\\Classes\\\\.log] ";
  std::size_t log = untouched.find(newClass);
  ASSERT_NE(log, std::string::npos);
  untouched.erase(log, untouched.find("\n[", log) + 1 - log);
  EXPECT_EQ(untouched, expected);
  EXPECT_FALSE(Contains(system, "[System\\\\CurrentControlSet\\\\"));

  // Names keep the case they had.
  EXPECT_TRUE(Contains(Read("user.reg"), "[Software\\\\Microsoft\\\\Internet Explorer\\\\Main] "));
  EXPECT_TRUE(Contains(Read("user.reg"), "\"Start Page\"=\"about:blank\"\n"));
  EXPECT_TRUE(Contains(Read("userdef.reg"), "\"On\"=dword:00000001\n"));

  WineRegistry again(folder.path());
  EXPECT_EQ(
      RegReadValue(again, vkString, kMachine,
                   "System\\ControlSet001\\Control\\ComputerName\\ComputerName", "ComputerName"),
      "SPARROW");
  EXPECT_EQ(RegReadValue(again, vkString, kMachine, "Software\\Classes\\.log", ""), "txtfile");
  EXPECT_EQ(RegReadValue(again, vkInteger, kUsers, ".Default\\Sparvane", "On"), "1");
  // Saving with nothing changed writes nothing.
  struct stat before {};
  ::stat((folder / "system.reg").c_str(), &before);
  EXPECT_TRUE(again.Save());
  struct stat after {};
  ::stat((folder / "system.reg").c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(WineRegistryTest, StoresTextInUtf16AndOtherDataAsItIs) {
  WineRegistry registry(folder.path());
  RegKey key = RegKey::Open(registry, kUser, "Software\\Sparvane", true);
  ASSERT_TRUE(key);
  struct Case {
    const char* name;
    std::uint32_t type;
    std::string data;
    const char* line;
  };
  const Case cases[] = {
      {"Text", REG_SZ, std::string("h\xc3\xa9llo \xe2\x82\xac\xf0\x9f\x98\x80") + '\0',
       R"("Text"="h\xe9llo \x20ac\xd83d\xde00")"},
      {"Path", REG_EXPAND_SZ, std::string("%WINDIR%\\a\0", 11), R"("Path"=str(2):"%WINDIR%\\a")"},
      {"List", REG_MULTI_SZ, std::string("a\0b\0\0", 5), R"("List"=str(7):"a\0b\0")"},
      {"Bare", REG_SZ, "ab", R"("Bare"=hex(1):61,00,62,00)"},
      {"Bytes", REG_BINARY, std::string("\x01\xff\0", 3), R"("Bytes"=hex:01,ff,00)"},
      {"Number", REG_DWORD, std::string("\x78\x56\x34\x12", 4), R"("Number"=dword:12345678)"},
  };
  for (const Case& test : cases) {
    ASSERT_TRUE(registry.SetValue(key.handle(), test.name, test.type, test.data));
    QueriedValue read = registry.QueryValue(key.handle(), test.name);
    EXPECT_EQ(read.status, QueryStatus::Found);
    EXPECT_EQ(read.value.type, test.type);
    EXPECT_EQ(read.value.data, test.data) << test.name;
  }
  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  std::string user = Read("user.reg");
  WineRegistry again(folder.path());
  RegKey reread = RegKey::Open(again, kUser, "Software\\Sparvane", false);
  for (const Case& test : cases) {
    EXPECT_TRUE(Contains(user, std::string(test.line) + "\n")) << test.line;
    EXPECT_EQ(again.QueryValue(reread.handle(), test.name).value.data, test.data) << test.name;
  }
}

TEST_F(WineRegistryTest, LeavesTheFileIntactWhenASaveIsInterrupted) {
  WineRegistry registry(folder.path());
  RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "v", "new");
  std::vector<std::string> entries = wine_test::FolderEntries(folder.path());
  std::string seen;
  registry.SetBeforeReplaceForTesting([&](const std::string& temporary) {
    seen = ReadBytes(temporary);
    return false;
  });
  EXPECT_FALSE(registry.Save());
  EXPECT_TRUE(Contains(registry.SaveError(), folder / "user.reg")) << registry.SaveError();
  // The whole new file was written before the rename would have happened.
  EXPECT_TRUE(Contains(seen, "\"v\"=\"new\"")) << seen;
  EXPECT_TRUE(Contains(seen, "\"Start Page\"=\"https://www.winehq.org\"")) << seen;
  EXPECT_EQ(Read("user.reg"), kUserReg);
  EXPECT_EQ(wine_test::FolderEntries(folder.path()), entries);
  EXPECT_TRUE(registry.HasUnsavedChanges());

  registry.SetBeforeReplaceForTesting(nullptr);
  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  EXPECT_TRUE(Contains(Read("user.reg"), "\"v\"=\"new\""));
  EXPECT_EQ(wine_test::FolderEntries(folder.path()), entries);
}

// Where a running wineserver keeps its socket: Wine's own folder, or a private one that the
// prefix's "wineserver" file names.
enum class ServerLayout { Shared, Private };

class WineserverTest : public WineRegistryTest, public ::testing::WithParamInterface<ServerLayout> {
 protected:
  void SetUp() override {
    WineRegistryTest::SetUp();
    if (GetParam() == ServerLayout::Shared) {
      base_ = "/tmp/.wine-" + std::to_string(::getuid());
      createdBase_ = ::mkdir(base_.c_str(), 0700) == 0;
    } else {
      base_ = privateBase_.path();
      std::string name = base_.substr(base_.rfind('/') + 1);
      WriteBytes(folder / "wineserver", name);
    }
    serverFolder_ = base_ + "/" + wine_test::ServerFolderName(folder.path());
    ::mkdir(serverFolder_.c_str(), 0700);
  }
  void TearDown() override {
    ::unlink((serverFolder_ + "/socket").c_str());
    ::rmdir(serverFolder_.c_str());
    if (createdBase_) ::rmdir(base_.c_str());
  }
  std::string SocketPath() const { return serverFolder_ + "/socket"; }

  wine_test::TempFolder privateBase_;
  std::string base_;
  bool createdBase_ = false;
  std::string serverFolder_;
};

TEST_P(WineserverTest, RefusesChangesWhileAServerServesThePrefix) {
  WineRegistry registry(folder.path());
  RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "before", "1");
  {
    wine_test::ListeningSocket server(SocketPath());
    std::string message =
        ErrorOf([&] { RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "v", "x"); });
    EXPECT_TRUE(Contains(message, folder.path())) << message;
    EXPECT_TRUE(Contains(message, "Close the Windows programs")) << message;
    EXPECT_TRUE(Contains(
        ErrorOf([&] { RegWriteValue(registry, vkString, kMachine, "Software\\New", "v", "x"); }),
        "Close the Windows programs"));
    EXPECT_TRUE(Contains(ErrorOf([&] { RegRemoveKey(registry, kUser, "Control Panel\\Desktop"); }),
                         "Close the Windows programs"));
    // Reading goes on, and removing what is not there is no change.
    EXPECT_EQ(RegReadValue(registry, vkString, kUser, "Software\\Sparvane", "before"), "1");
    EXPECT_TRUE(RegRemoveValue(registry, kUser, "Software\\Sparvane", "absent"));
    EXPECT_FALSE(registry.Save());
    EXPECT_TRUE(Contains(registry.SaveError(), "Close the Windows programs"));
    EXPECT_EQ(Read("user.reg"), kUserReg);
  }
  // A socket left behind by a server that ended does not count.
  EXPECT_TRUE(RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "v", "x"));
  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  EXPECT_TRUE(Contains(Read("user.reg"), "\"before\"=\"1\"\n\"v\"=\"x\"\n"));
}

INSTANTIATE_TEST_SUITE_P(Layouts, WineserverTest,
                         ::testing::Values(ServerLayout::Shared, ServerLayout::Private),
                         [](const auto& info) {
                           return info.param == ServerLayout::Shared ? "Shared" : "Private";
                         });

TEST_F(WineRegistryTest, NeverWritesAFileItCannotParse) {
  std::string broken = kSystemReg;
  broken.insert(broken.find("[Software\\\\Microsoft"), "\"orphan\" oops\n");
  WriteBytes(folder / "system.reg", broken);
  WineRegistry registry(folder.path());
  std::string message =
      ErrorOf([&] { RegReadValue(registry, vkString, kMachine, "Software", "x"); });
  EXPECT_TRUE(Contains(message, folder / "system.reg")) << message;
  EXPECT_TRUE(Contains(message, "line 10")) << message;
  EXPECT_EQ(ErrorOf([&] { RegWriteValue(registry, vkString, kClasses, ".x", "", "y"); }), message);
  EXPECT_EQ(ErrorOf([&] { RegReadValue(registry, vkString, kConfig, "Software", "x"); }), message);
  // The other files work as ever.
  EXPECT_TRUE(RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "v", "x"));
  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  EXPECT_EQ(Read("system.reg"), broken);

  // Mended on disk, it is read again.
  WriteBytes(folder / "system.reg", kSystemReg);
  EXPECT_EQ(RegReadValue(registry, vkString, kClasses, ".txt", ""), "txtfile");
}

TEST_F(WineRegistryTest, RefusesTheKeysOfFilesItMayNotWrite) {
  ::chmod((folder / "system.reg").c_str(), 0444);
  WineRegistry registry(folder.path());
  EXPECT_EQ(registry.OpenKey(kMachine, "Software", false).status, OpenStatus::AccessDenied);
  EXPECT_FALSE(RegWriteValue(registry, vkString, kMachine, "Software\\X", "v", "x"));
  EXPECT_EQ(RegReadValue(registry, vkString, kClasses, ".txt", ""), "");
  TextList keys{"unchanged"};
  RegReadSubKeyNames(registry, kMachine, "System", &keys);
  EXPECT_EQ(keys, TextList{"unchanged"});
  EXPECT_EQ(
      RegReadValue(registry, vkString, kUsers, ".Default\\Control Panel\\International", "Locale"),
      "00000409");

  // A folder that may not be written refuses every file in it.
  ::chmod(folder.path().c_str(), 0555);
  EXPECT_EQ(registry.OpenKey(kUser, "", false).status, OpenStatus::AccessDenied);
  EXPECT_EQ(registry.OpenKey(kUsers, ".Default", false).status, OpenStatus::AccessDenied);
  ::chmod(folder.path().c_str(), 0755);
  EXPECT_EQ(registry.OpenKey(kUser, "", false).status, OpenStatus::Opened);
}

TEST(WineRegistryMissingFiles, ReadsEmptyAndCreatesFilesOnSave) {
  wine_test::TempFolder folder;
  WriteBytes(folder / "system.reg", "WINE REGISTRY Version 2\n\n#arch=win32\n");
  WineRegistry registry(folder.path(), "S-1-5-21-4-5-6-1000");
  EXPECT_EQ(RegReadValue(registry, vkString, kUser, "Software", "v"), "");
  TextList users;
  RegReadSubKeyNames(registry, kUsers, "", &users);
  EXPECT_EQ(users, (TextList{".Default", "S-1-5-21-4-5-6-1000"}));
  EXPECT_TRUE(RegWriteValue(registry, vkString, kUser, "Software\\Sparvane", "v", "x"));
  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  std::string user = ReadBytes(folder / "user.reg");
  // Wine's header, for the architecture the prefix already has.
  EXPECT_TRUE(user.starts_with(
      "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-4-5-6-1000"
      "\n\n#arch=win32\n\n[Software\\\\Sparvane] "))
      << user;
  EXPECT_EQ(::access((folder / "userdef.reg").c_str(), F_OK), -1);
  WineRegistry again(folder.path());
  EXPECT_EQ(RegReadValue(again, vkString, kUser, "Software\\Sparvane", "v"), "x");
  EXPECT_EQ(again.UserSid(), "S-1-5-21-4-5-6-1000");
}

TEST_F(WineRegistryTest, ReadsAgainWhatSomeoneElseChanged) {
  WineRegistry registry(folder.path());
  RegKey held =
      RegKey::Open(registry, kMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion", false);
  ASSERT_TRUE(held);
  EXPECT_TRUE(RegWriteValue(registry, vkString, kMachine, "Software\\Sparvane", "ours", "1"));

  std::string theirs = kSystemReg;
  const std::string product = "\"Microsoft Windows 10\"";
  theirs.replace(theirs.find(product), product.size(), "\"Other Windows\"");
  theirs += "\n[Software\\\\Theirs] 1796913100\n\"v\"=\"2\"\n";
  WriteBytes(folder / "system.reg", theirs);

  EXPECT_EQ(RegReadValue(registry, vkString, kMachine,
                         "Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName"),
            "Other Windows");
  // A key held open over the new reading finds its key again; unsaved changes are kept.
  EXPECT_EQ(registry.QueryValue(held.handle(), "ProductName").value.data,
            std::string("Other Windows", 14));
  EXPECT_EQ(RegReadValue(registry, vkString, kMachine, "Software\\Sparvane", "ours"), "1");

  // Changed once more on disk right before the save: both sides survive.
  theirs += "\n[Software\\\\Late] 1796913101\n\"v\"=\"3\"\n";
  WriteBytes(folder / "system.reg", theirs);
  ASSERT_TRUE(registry.Save()) << registry.SaveError();
  WineRegistry again(folder.path());
  EXPECT_EQ(RegReadValue(again, vkString, kMachine, "Software\\Sparvane", "ours"), "1");
  EXPECT_EQ(RegReadValue(again, vkString, kMachine, "Software\\Theirs", "v"), "2");
  EXPECT_EQ(RegReadValue(again, vkString, kMachine, "Software\\Late", "v"), "3");
}

// The program's registry functions, run the same way on the memory registry and on the files.
std::vector<std::string> Change(RegistryService& registry) {
  std::vector<std::string> log;
  auto flag = [&](bool done) { log.push_back(done ? "true" : "false"); };
  flag(RegWriteValue(registry, vkString, kUser, "Software\\A\\B", "", "default"));
  flag(RegWriteValue(registry, vkString, kUser, "Software\\A\\B", "Alpha", "one"));
  flag(RegWriteValue(registry, vkString, kUser, "Software\\A\\B", "Beta", "tw\xc3\xb6"));
  flag(RegWriteValue(registry, vkString, kUser, "Software\\A\\B\\C1", "v", "1"));
  flag(RegWriteValue(registry, vkString, kUser, "Software\\A\\B\\C2\\D", "v", "2"));
  flag(RegWriteValue(registry, vkInteger, kUser, "Software\\A\\B\\N", "Count", "-1"));
  log.push_back(
      ErrorOf([&] { RegWriteValue(registry, vkInteger, kUser, "Software\\A\\B", "Bad", "x1"); }));
  log.push_back(
      ErrorOf([&] { RegReadValue(registry, vkString, kUser, "Software\\A\\B\\N", "Count"); }));
  flag(RegRemoveValue(registry, kUser, "Software\\A\\B", "alpha"));
  flag(RegRemoveValue(registry, kUser, "Software\\Fresh", "none"));
  flag(RegMoveSubKey(registry, kUser, "Software\\A", "B", "Moved"));
  flag(RegMoveSubKey(registry, kUser, "Software", "Fresh", "A"));
  flag(RegRemoveKey(registry, kUser, "\\Software\\A\\Moved\\C1\\"));
  flag(RegRemoveKey(registry, kUser, "Software\\A\\Moved\\C1"));
  flag(RegWriteValue(registry, vkString, kUser, "Software\\Gone\\Leaf", "v", "x"));
  flag(RegRemoveKey(registry, kUser, "Software\\Gone\\Leaf"));
  return log;
}

std::vector<std::string> Observe(RegistryService& registry) {
  std::vector<std::string> log;
  auto list = [&](const TextList& items) {
    std::string joined;
    for (const std::string& item : items) joined += "[" + item + "]";
    log.push_back(joined);
  };
  log.push_back(RegReadValue(registry, vkInteger, kUser, "software\\a\\moved\\N", "COUNT"));
  log.push_back(RegReadValue(registry, vkString, kUser, "Software\\A\\Moved\\", "beta"));
  log.push_back(RegReadValue(registry, vkString, kUser, "Software\\A\\Moved\\C2\\D", "v"));
  log.push_back(RegReadValue(registry, vkString, kUser, "Software\\A\\B", ""));
  TextList data;
  TextList names;
  RegReadValueList(registry, kUser, "Software\\A\\Moved", &data, &names);
  list(names);
  list(data);
  for (const char* key : {"Software", "Software\\A", "Software\\A\\Moved", "Software\\Gone"}) {
    TextList keys{"missing"};
    RegReadSubKeyNames(registry, kUser, key, &keys);
    list(keys);
  }
  return log;
}

TEST_F(WineRegistryTest, RunsTheRegistryFunctionsAsTheMemoryRegistryDoes) {
  MemoryRegistry memory;
  wine_test::TempFolder empty;
  WineRegistry files(empty.path());
  EXPECT_EQ(Change(files), Change(memory));
  std::vector<std::string> expected = Observe(memory);
  EXPECT_EQ(Observe(files), expected);
  EXPECT_EQ(expected[4], "[][Beta]");
  ASSERT_TRUE(files.Save()) << files.SaveError();
  WineRegistry reread(empty.path());
  EXPECT_EQ(Observe(reread), expected);
}

}  // namespace
}  // namespace platform
