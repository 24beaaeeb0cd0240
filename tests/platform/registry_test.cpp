#include "platform/registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/memory/memory_registry.h"

namespace platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr RegistryRoot kUser = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot kMachine = RegistryRoot::HKEY_LOCAL_MACHINE;

std::string Sz(std::string_view text) {
  return std::string(text) + '\0';
}

std::string Dword(std::uint32_t number) {
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  return data;
}

// Runs `call` and returns the message of the platform::Error it raises.
std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Error& error) {
    return error.what();
  }
  ADD_FAILURE() << "no error raised";
  return {};
}

// Passes everything on to a memory registry, refusing to create or delete the keys named.
class RefusingRegistry : public RegistryService {
 public:
  explicit RefusingRegistry(MemoryRegistry& inner) : inner_(inner) {}

  std::string refuseCreateOf;  // last path component whose creation is refused
  std::string refuseDeleteOf;  // last path component whose deletion is refused

  OpenedKey OpenKey(RegistryRoot root, std::string_view path, bool create) override {
    return inner_.OpenKey(root, path, create);
  }
  OpenedKey OpenSubKey(KeyHandle parent, std::string_view path, bool create) override {
    if (create && Refused(path, refuseCreateOf)) {
      OpenedKey existing = inner_.OpenSubKey(parent, path, false);
      if (existing.status == OpenStatus::Opened) return existing;
      return {OpenStatus::AccessDenied, 0};
    }
    return inner_.OpenSubKey(parent, path, create);
  }
  void CloseKey(KeyHandle key) override { inner_.CloseKey(key); }
  KeyInfo QueryInfoKey(KeyHandle key) override { return inner_.QueryInfoKey(key); }
  std::optional<std::string> EnumKey(KeyHandle key, std::uint32_t index) override {
    return inner_.EnumKey(key, index);
  }
  std::optional<std::string> EnumValue(KeyHandle key, std::uint32_t index) override {
    return inner_.EnumValue(key, index);
  }
  QueriedValue QueryValue(KeyHandle key, std::string_view name) override {
    return inner_.QueryValue(key, name);
  }
  bool SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                std::string_view data) override {
    return inner_.SetValue(key, name, type, data);
  }
  void DeleteValue(KeyHandle key, std::string_view name) override { inner_.DeleteValue(key, name); }
  bool DeleteKey(KeyHandle parent, std::string_view path) override {
    if (Refused(path, refuseDeleteOf)) return false;
    return inner_.DeleteKey(parent, path);
  }

 private:
  static bool Refused(std::string_view path, const std::string& name) {
    if (name.empty()) return false;
    std::size_t last = path.find_last_of('\\');
    return path.substr(last == std::string_view::npos ? 0 : last + 1) == name;
  }

  MemoryRegistry& inner_;
};

// Every call must close every key it opened, also when it raises an error.
class RegistryLayerTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

  MemoryRegistry registry;
};

// ---- RegWriteValue

TEST_F(RegistryLayerTest, WriteStoresEachKindAsItsRegistryType) {
  struct Case {
    int kind;
    std::string data;
    std::uint32_t type;
    std::string stored;
  };
  const std::vector<Case> cases = {
      {vkString, "C:\\Program Files\\x.exe", REG_SZ, Sz("C:\\Program Files\\x.exe")},
      {vkString, "", REG_SZ, Sz("")},
      {vkInteger, "1", REG_DWORD, Dword(1)},
      {vkInteger, "0", REG_DWORD, Dword(0)},
      {vkInteger, "+7", REG_DWORD, Dword(7)},
      {vkInteger, "-1", REG_DWORD, Dword(0xFFFFFFFF)},
      {vkInteger, "2147483647", REG_DWORD, Dword(0x7FFFFFFF)},
      {vkInteger, "-2147483648", REG_DWORD, Dword(0x80000000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data);
    EXPECT_TRUE(RegWriteValue(registry, c.kind, kUser, "Software\\Test", "Value", c.data));
    std::optional<RegValue> value = registry.Value(kUser, "Software\\Test", "Value");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->data, c.stored);
  }
}

TEST_F(RegistryLayerTest, WriteCreatesTheWholePathFromTheRoot) {
  EXPECT_TRUE(RegWriteValue(registry, vkString, kUser, "\\Software\\Maker\\Tool", "Name", "x"));
  EXPECT_TRUE(registry.KeyExists(kUser, "Software\\Maker"));
  EXPECT_EQ(registry.Value(kUser, "Software\\Maker\\Tool", "Name")->data, Sz("x"));
  EXPECT_THAT(registry.SubKeyNames(kUser, ""), ElementsAre("Software"));
}

TEST_F(RegistryLayerTest, WriteRejectsTextThatIsNotA32BitDecimalAfterCreatingTheKey) {
  // "4294967295" is refused too: the value is written as a signed 32-bit integer.
  const std::vector<std::string> invalid = {
      "",           "-",           "+",          "abc",
      "12x",        " 1",          "1 ",         "1.5",
      "0x10",       "$10",         "--1",        "1e3",
      "2147483648", "-2147483649", "4294967295", "99999999999999999999"};
  for (std::size_t i = 0; i < invalid.size(); ++i) {
    const std::string& data = invalid[i];
    SCOPED_TRACE(data);
    std::string key = "Software\\Bad" + std::to_string(i);
    EXPECT_EQ(ErrorOf([&] { RegWriteValue(registry, vkInteger, kUser, key, "Count", data); }),
              "'" + data + "' is not a valid integer value");
    EXPECT_TRUE(registry.KeyExists(kUser, key));
    EXPECT_THAT(registry.ValueNames(kUser, key), IsEmpty());
  }
}

TEST_F(RegistryLayerTest, WriteOfAnotherKindCreatesTheKeyAndWritesNothing) {
  EXPECT_TRUE(RegWriteValue(registry, 2, kUser, "Software\\Other", "Name", "data"));
  EXPECT_TRUE(registry.KeyExists(kUser, "Software\\Other"));
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\Other"), IsEmpty());
}

TEST_F(RegistryLayerTest, WriteToARefusedRootReportsFalseAndCreatesNothing) {
  registry.DenyAccess(kMachine, true);
  EXPECT_FALSE(RegWriteValue(registry, vkString, kMachine, "Software\\Run", "Name", "x"));
  EXPECT_FALSE(RegWriteValue(registry, vkInteger, kMachine, "Software\\Run", "Name", "junk"));
  registry.DenyAccess(kMachine, false);
  EXPECT_FALSE(registry.KeyExists(kMachine, "Software"));
}

TEST_F(RegistryLayerTest, WriteRaisesWhenTheServiceRefusesTheValue) {
  registry.FailSetValue(true);
  for (int kind : {vkString, vkInteger}) {
    EXPECT_EQ(ErrorOf([&] { RegWriteValue(registry, kind, kUser, "Software\\T", "Name", "1"); }),
              "Failed to set data for 'Name'");
  }
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\T"), IsEmpty());
}

// ---- RegReadValue

TEST_F(RegistryLayerTest, ReadReturnsStringsUpToTheirNulAndIntegersAsSignedDecimal) {
  struct Case {
    std::uint32_t type;
    std::string data;
    int kind;
    std::string text;
  };
  const std::vector<Case> cases = {
      {REG_SZ, Sz("plain"), vkString, "plain"},
      {REG_EXPAND_SZ, Sz("%SystemRoot%\\x"), vkString, "%SystemRoot%\\x"},
      {REG_SZ, std::string("ab\0cd\0", 6), vkString, "ab"},
      {REG_SZ, "", vkString, ""},
      {REG_SZ, "no terminator", vkString, "no terminator"},
      {REG_DWORD, Dword(1), vkInteger, "1"},
      {REG_DWORD, Dword(4294967295u), vkInteger, "-1"},
      {REG_DWORD, Dword(0x80000000), vkInteger, "-2147483648"},
      {REG_DWORD, Dword(0x01020304), vkInteger, "16909060"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    registry.Put(kUser, "Software\\Read", "Value", c.type, c.data);
    EXPECT_EQ(RegReadValue(registry, c.kind, kUser, "Software\\Read", "Value"), c.text);
  }
}

TEST_F(RegistryLayerTest, ReadFindsTheKeyHoweverThePathIsWritten) {
  registry.PutString(kUser, "Software\\Maker", "Name", "found");
  registry.PutString(kUser, "Software\\Maker", "", "default");
  for (std::string path :
       {"Software\\Maker", "\\Software\\Maker", "Software\\Maker\\", "SOFTWARE\\maker"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(RegReadValue(registry, vkString, kUser, path, "NAME"), "found");
    EXPECT_EQ(RegReadValue(registry, vkString, kUser, path, ""), "default");
  }
}

TEST_F(RegistryLayerTest, ReadOfWhatIsNotThereIsEmptyAndCreatesNothing) {
  registry.PutString(kUser, "Software\\Maker", "Name", "x");
  for (int kind : {vkString, vkInteger}) {
    EXPECT_EQ(RegReadValue(registry, kind, kUser, "Software\\Missing\\Deeper", "Name"), "");
    EXPECT_EQ(RegReadValue(registry, kind, kUser, "Software\\Maker", "Missing"), "");
    EXPECT_EQ(RegReadValue(registry, kind, kUser, "Software\\Maker", ""), "");
  }
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\Missing"));
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\Maker"), ElementsAre("Name"));
}

TEST_F(RegistryLayerTest, ReadOfARefusedRootOrAnotherKindIsEmpty) {
  registry.PutString(kMachine, "Software\\Maker", "Name", "x");
  EXPECT_EQ(RegReadValue(registry, 2, kMachine, "Software\\Maker", "Name"), "");
  registry.DenyAccess(kMachine, true);
  EXPECT_EQ(RegReadValue(registry, vkString, kMachine, "Software\\Maker", "Name"), "");
}

TEST_F(RegistryLayerTest, ReadRaisesForAValueOfTheWrongType) {
  struct Case {
    std::uint32_t type;
    std::string data;
    int kind;
  };
  const std::vector<Case> cases = {
      {REG_DWORD, Dword(1), vkString},
      {REG_BINARY, "\x01\x02", vkString},
      {REG_MULTI_SZ, std::string("a\0b\0\0", 5), vkString},
      {REG_NONE, "", vkString},
      {REG_SZ, Sz("1"), vkInteger},
      {REG_BINARY, Dword(1), vkInteger},
      {REG_DWORD_BIG_ENDIAN, Dword(1), vkInteger},
      {REG_QWORD, std::string(8, '\0'), vkInteger},
      {REG_DWORD, std::string(3, '\0'), vkInteger},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " kind " << c.kind);
    registry.Put(kUser, "Software\\Typed", "Odd", c.type, c.data);
    EXPECT_EQ(ErrorOf([&] { RegReadValue(registry, c.kind, kUser, "Software\\Typed", "Odd"); }),
              "Invalid data type for 'Odd'");
  }
}

TEST_F(RegistryLayerTest, ReadRaisesWhenTheServiceCannotReturnTheData) {
  registry.PutString(kUser, "Software\\T", "Name", "x");
  registry.FailQueryValue(true);
  for (int kind : {vkString, vkInteger}) {
    EXPECT_EQ(ErrorOf([&] { RegReadValue(registry, kind, kUser, "Software\\T", "Name"); }),
              "Failed to get data for 'Name'");
  }
  // A value that is not there is still no error.
  EXPECT_EQ(RegReadValue(registry, vkString, kUser, "Software\\T", "Other"), "");
}

// ---- RegRemoveValue

TEST_F(RegistryLayerTest, RemoveValueDeletesOnlyThatValue) {
  registry.PutString(kUser, "Software\\T", "Gone", "x");
  registry.PutString(kUser, "Software\\T", "Kept", "y");
  EXPECT_TRUE(RegRemoveValue(registry, kUser, "\\Software\\T", "GONE"));
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\T"), ElementsAre("Kept"));
  EXPECT_TRUE(RegRemoveValue(registry, kUser, "Software\\T", "Gone"));
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\T"), ElementsAre("Kept"));
}

TEST_F(RegistryLayerTest, RemoveValueOnAMissingKeyLeavesAnEmptyKeyBehind) {
  EXPECT_TRUE(RegRemoveValue(registry, kUser, "Software\\Never\\There", "Name"));
  EXPECT_TRUE(registry.KeyExists(kUser, "Software\\Never\\There"));
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\Never\\There"), IsEmpty());
}

TEST_F(RegistryLayerTest, RemoveValueOnARefusedRootReportsFalseAndKeepsTheValue) {
  registry.PutString(kMachine, "Software\\Run", "Name", "x");
  registry.DenyAccess(kMachine, true);
  EXPECT_FALSE(RegRemoveValue(registry, kMachine, "Software\\Run", "Name"));
  EXPECT_TRUE(registry.Value(kMachine, "Software\\Run", "Name"));
}

// ---- RegReadValueList

TEST_F(RegistryLayerTest, ValueListPairsNamesWithTheirTextInEnumerationOrder) {
  registry.PutString(kUser, "Software\\Urls", "url1", "http://a/");
  registry.PutString(kUser, "Software\\Urls", "", "default");
  registry.Put(kUser, "Software\\Urls", "url3", REG_EXPAND_SZ, Sz("%TEMP%"));
  TextList data = {"kept"};
  TextList names = {"replaced"};
  RegReadValueList(registry, kUser, "Software\\Urls", &data, &names);
  EXPECT_THAT(names, ElementsAre("url1", "", "url3"));
  // The data list is appended to, not emptied.
  EXPECT_THAT(data, ElementsAre("kept", "http://a/", "default", "%TEMP%"));
}

TEST_F(RegistryLayerTest, ValueListLeavesBothListsAloneWhenThereIsNothingToRead) {
  registry.PutString(kMachine, "Software\\Urls", "url1", "http://a/");
  TextList data = {"d"};
  TextList names = {"n"};
  RegReadValueList(registry, kUser, "Software\\Missing", &data, &names);
  RegReadValueList(registry, kMachine, "Software\\Urls", &data, nullptr);
  RegReadValueList(registry, kMachine, "Software\\Urls", nullptr, &names);
  registry.DenyAccess(kMachine, true);
  RegReadValueList(registry, kMachine, "Software\\Urls", &data, &names);
  EXPECT_THAT(data, ElementsAre("d"));
  EXPECT_THAT(names, ElementsAre("n"));
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\Missing"));
}

TEST_F(RegistryLayerTest, ValueListRaisesForANonStringValueAndForFailedData) {
  registry.PutString(kUser, "Software\\Mixed", "Text", "x");
  registry.PutDword(kUser, "Software\\Mixed", "Count", 3);
  TextList data;
  TextList names;
  EXPECT_EQ(ErrorOf([&] { RegReadValueList(registry, kUser, "Software\\Mixed", &data, &names); }),
            "Invalid data type for 'Count'");
  EXPECT_THAT(data, ElementsAre("x"));

  registry.FailQueryValue(true);
  data.clear();
  EXPECT_EQ(ErrorOf([&] { RegReadValueList(registry, kUser, "Software\\Mixed", &data, &names); }),
            "Failed to get data for 'Text'");
}

// ---- RegReadSubKeyNames

TEST_F(RegistryLayerTest, SubKeyNamesListsImmediateSubkeysInOrder) {
  registry.PutString(kUser, "Software\\Ext\\Zeta\\Deep", "v", "x");
  registry.CreateKey(kUser, "Software\\Ext\\alpha");
  TextList list = {"old"};
  EXPECT_TRUE(RegReadSubKeyNames(registry, kUser, "\\Software\\Ext\\", &list));
  EXPECT_THAT(list, ElementsAre("Zeta", "alpha"));
}

TEST_F(RegistryLayerTest, SubKeyNamesOfAMissingOrRefusedKeyLeaveTheListAsItWas) {
  registry.CreateKey(kMachine, "Software\\Ext\\One");
  TextList list = {"old"};
  EXPECT_TRUE(RegReadSubKeyNames(registry, kUser, "Software\\Missing", &list));
  registry.DenyAccess(kMachine, true);
  EXPECT_TRUE(RegReadSubKeyNames(registry, kMachine, "Software\\Ext", &list));
  EXPECT_THAT(list, ElementsAre("old"));
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\Missing"));
  EXPECT_FALSE(RegReadSubKeyNames(registry, kUser, "Software", nullptr));
}

// ---- RegRemoveKey

TEST_F(RegistryLayerTest, RemoveKeyDeletesTheWholeSubtreeHoweverThePathIsWritten) {
  for (std::string path : {"Software\\Doomed", "\\Software\\Doomed", "software\\DOOMED\\"}) {
    SCOPED_TRACE(path);
    registry.PutString(kUser, "Software\\Doomed", "", "x");
    for (std::string sub : {"A", "B", "C", "D"}) {
      registry.PutString(kUser, "Software\\Doomed\\" + sub, "v", "x");
      registry.PutDword(kUser, "Software\\Doomed\\" + sub + "\\Inner\\Deepest", "n", 1);
    }
    registry.PutString(kUser, "Software\\Kept", "v", "x");
    EXPECT_TRUE(RegRemoveKey(registry, kUser, path));
    EXPECT_THAT(registry.SubKeyNames(kUser, "Software"), ElementsAre("Kept"));
    EXPECT_FALSE(RegRemoveKey(registry, kUser, path));
  }
}

TEST_F(RegistryLayerTest, RemoveKeyOfAMissingOrRefusedKeyOrOfTheRootReportsFalse) {
  registry.PutString(kMachine, "Software\\Policy", "v", "x");
  EXPECT_FALSE(RegRemoveKey(registry, kMachine, "Software\\Missing"));
  // An empty path would name the root itself.
  EXPECT_FALSE(RegRemoveKey(registry, kMachine, ""));
  EXPECT_FALSE(RegRemoveKey(registry, kMachine, "\\"));
  registry.DenyAccess(kMachine, true);
  EXPECT_FALSE(RegRemoveKey(registry, kMachine, "Software\\Policy"));
  registry.DenyAccess(kMachine, false);
  EXPECT_TRUE(registry.Value(kMachine, "Software\\Policy", "v"));
}

TEST_F(RegistryLayerTest, RemoveKeyGoesOnPastASubkeyItCannotDeleteAndReportsFalse) {
  RefusingRegistry refusing(registry);
  refusing.refuseDeleteOf = "Stuck";
  for (std::string sub : {"A", "Stuck", "Z"}) registry.CreateKey(kUser, "Software\\Doomed\\" + sub);
  registry.CreateKey(kUser, "Software\\Doomed\\Stuck\\Inner");
  EXPECT_FALSE(RegRemoveKey(refusing, kUser, "Software\\Doomed"));
  EXPECT_THAT(registry.SubKeyNames(kUser, "Software\\Doomed"), ElementsAre("Stuck"));
  EXPECT_THAT(registry.SubKeyNames(kUser, "Software\\Doomed\\Stuck"), IsEmpty());
}

// ---- RegMoveSubKey

// Every key below `path` in enumeration order, each with its values sorted by name, as lines
// relative to `path`.
std::vector<std::string> Tree(const MemoryRegistry& registry, RegistryRoot root,
                              const std::string& path, const std::string& relative = "") {
  std::vector<std::string> lines;
  std::vector<std::string> names = registry.ValueNames(root, path);
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    RegValue value = *registry.Value(root, path, name);
    lines.push_back(relative + "|" + name + "|" + std::to_string(value.type) + "|" + value.data);
  }
  for (const std::string& sub : registry.SubKeyNames(root, path)) {
    lines.push_back(relative + "\\" + sub);
    for (std::string& line : Tree(registry, root, path + "\\" + sub, relative + "\\" + sub)) {
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

class RegistryMoveTest : public RegistryLayerTest {
 protected:
  static constexpr const char* kParent = "Software\\Microsoft\\Internet Explorer";

  void SetUp() override {
    std::string old = std::string(kParent) + "\\MenuExt";
    registry.PutString(kUser, old, "Contexts", "ignored");  // replaced below, keeps its place
    registry.PutString(kUser, old, "", "res://x.dll/menu.htm");
    registry.PutDword(kUser, old, "Contexts", 0x22);
    registry.Put(kUser, old, "Blob", REG_BINARY, std::string("\0\xff\x01", 3));
    registry.Put(kUser, old, "Path", REG_EXPAND_SZ, Sz("%ProgramFiles%"));
    registry.Put(kUser, old, "Empty", REG_SZ, "");
    registry.PutString(kUser, old + "\\&Search", "", "search.htm");
    registry.PutDword(kUser, old + "\\&Search\\Nested", "Flags", 7);
    registry.CreateKey(kUser, old + "\\Bare");
    registry.PutString(kUser, std::string(kParent) + "\\Sibling", "v", "x");
  }
};

TEST_F(RegistryMoveTest, MoveCopiesValuesAndSubtreeUnchangedThenDeletesTheOld) {
  std::string parent = kParent;
  std::vector<std::string> before = Tree(registry, kUser, parent + "\\MenuExt");
  ASSERT_EQ(before.size(), 10u);
  EXPECT_TRUE(RegMoveSubKey(registry, kUser, "\\" + parent, "MenuExt", "MenuExtBak"));
  EXPECT_FALSE(registry.KeyExists(kUser, parent + "\\MenuExt"));
  EXPECT_EQ(Tree(registry, kUser, parent + "\\MenuExtBak"), before);
  EXPECT_THAT(registry.SubKeyNames(kUser, parent), ElementsAre("Sibling", "MenuExtBak"));
}

TEST_F(RegistryMoveTest, MoveCopiesTheDefaultValueFirst) {
  std::string parent = kParent;
  ASSERT_THAT(registry.ValueNames(kUser, parent + "\\MenuExt"),
              ElementsAre("Contexts", "", "Blob", "Path", "Empty"));
  EXPECT_TRUE(RegMoveSubKey(registry, kUser, parent, "MenuExt", "Moved"));
  EXPECT_THAT(registry.ValueNames(kUser, parent + "\\Moved"),
              ElementsAre("", "Contexts", "Blob", "Path", "Empty"));
}

TEST_F(RegistryMoveTest, MoveChangesNothingWhenThereIsNothingToMoveOrTheTargetExists) {
  std::string parent = kParent;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Missing", "New"},           // old does not exist
      {"MenuExt", "Sibling"},       // new already exists
      {"MenuExt", "MENUEXT"},       // the same key
      {"MenuExt", "MenuExt\\Sub"},  // new would lie inside old
      {"MenuExt", "menuext\\&Search\\Deeper"},
  };
  std::vector<std::string> before = Tree(registry, kUser, "Software");
  for (const auto& [oldName, newName] : cases) {
    SCOPED_TRACE(oldName + " -> " + newName);
    EXPECT_TRUE(RegMoveSubKey(registry, kUser, parent, oldName, newName));
    EXPECT_EQ(Tree(registry, kUser, "Software"), before);
  }
}

TEST_F(RegistryMoveTest, MoveUnderAMissingParentCreatesOnlyTheParent) {
  EXPECT_TRUE(RegMoveSubKey(registry, kUser, "Software\\NewParent", "Old", "New"));
  EXPECT_TRUE(registry.KeyExists(kUser, "Software\\NewParent"));
  EXPECT_THAT(registry.SubKeyNames(kUser, "Software\\NewParent"), IsEmpty());
}

TEST_F(RegistryMoveTest, MoveUnderARefusedRootDoesNothing) {
  registry.PutString(kMachine, "Software\\P\\Old", "v", "x");
  registry.DenyAccess(kMachine, true);
  EXPECT_TRUE(RegMoveSubKey(registry, kMachine, "Software\\P", "Old", "New"));
  registry.DenyAccess(kMachine, false);
  EXPECT_TRUE(registry.KeyExists(kMachine, "Software\\P\\Old"));
  EXPECT_FALSE(registry.KeyExists(kMachine, "Software\\P\\New"));
}

TEST_F(RegistryMoveTest, MoveRaisesWhenTheNewKeyCannotBeCreatedAndKeepsTheOld) {
  std::string parent = kParent;
  std::vector<std::string> before = Tree(registry, kUser, parent + "\\MenuExt");
  RefusingRegistry refusing(registry);
  refusing.refuseCreateOf = "MenuExtBak";
  EXPECT_EQ(ErrorOf([&] { RegMoveSubKey(refusing, kUser, parent, "MenuExt", "MenuExtBak"); }),
            "Failed to create key MenuExtBak");
  refusing.refuseCreateOf = "Nested";
  EXPECT_EQ(ErrorOf([&] { RegMoveSubKey(refusing, kUser, parent, "MenuExt", "Copy"); }),
            "Failed to create key Copy\\&Search\\Nested");
  EXPECT_EQ(Tree(registry, kUser, parent + "\\MenuExt"), before);
  EXPECT_FALSE(registry.KeyExists(kUser, parent + "\\MenuExtBak"));
}

TEST_F(RegistryMoveTest, MoveRaisesWhenAValueCannotBeCopiedAndKeepsTheOld) {
  std::string parent = kParent;
  std::vector<std::string> before = Tree(registry, kUser, parent + "\\MenuExt");
  registry.FailQueryValue(true);
  EXPECT_EQ(ErrorOf([&] { RegMoveSubKey(registry, kUser, parent, "MenuExt", "A"); }),
            "Failed to get data for ''");
  registry.FailQueryValue(false);
  registry.FailSetValue(true);
  EXPECT_EQ(ErrorOf([&] { RegMoveSubKey(registry, kUser, parent, "MenuExt", "B"); }),
            "Failed to set data for ''");
  registry.FailSetValue(false);
  EXPECT_EQ(Tree(registry, kUser, parent + "\\MenuExt"), before);
}

}  // namespace
}  // namespace platform
