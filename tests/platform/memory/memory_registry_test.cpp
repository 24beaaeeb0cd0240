#include "platform/memory/memory_registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr RegistryRoot kUser = RegistryRoot::HKEY_CURRENT_USER;

class MemoryRegistryTest : public ::testing::Test {
 protected:
  KeyHandle Open(std::string_view path, bool create = false,
                 RegistryRoot root = RegistryRoot::HKEY_CURRENT_USER) {
    OpenedKey opened = registry.OpenKey(root, path, create);
    EXPECT_EQ(opened.status, OpenStatus::Opened) << path;
    return opened.key;
  }

  MemoryRegistry registry;
};

TEST_F(MemoryRegistryTest, NamesMatchWithoutCaseAndKeepTheirFirstCaseAndPlace) {
  for (std::string name : {"beta", "Alpha", "BETA", "gamma", "alpha"}) {
    registry.CloseKey(Open("Software\\" + name, true));
  }
  EXPECT_THAT(registry.SubKeyNames(kUser, "software"), ElementsAre("beta", "Alpha", "gamma"));

  KeyHandle key = Open("SOFTWARE\\ALPHA");
  for (std::string name : {"Zed", "", "name", "NAME"}) {
    EXPECT_TRUE(registry.SetValue(key, name, REG_SZ, name));
  }
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\Alpha"), ElementsAre("Zed", "", "name"));
  EXPECT_EQ(registry.QueryValue(key, "Name").value.data, "NAME");
  EXPECT_EQ(registry.EnumValue(key, 2), "name");
  EXPECT_EQ(registry.EnumValue(key, 3), std::nullopt);
  registry.CloseKey(key);
}

TEST_F(MemoryRegistryTest, RemovingFromTheMiddleKeepsTheOrderAndTheLookupOfTheRest) {
  KeyHandle key = Open("Software\\List", true);
  for (std::string name : {"a", "b", "c", "d"}) {
    registry.SetValue(key, name, REG_SZ, name);
    registry.CloseKey(Open("Software\\List\\" + name, true));
  }
  registry.DeleteValue(key, "B");
  registry.DeleteValue(key, "missing");
  EXPECT_TRUE(registry.DeleteKey(key, "b"));
  EXPECT_THAT(registry.ValueNames(kUser, "Software\\List"), ElementsAre("a", "c", "d"));
  EXPECT_THAT(registry.SubKeyNames(kUser, "Software\\List"), ElementsAre("a", "c", "d"));
  EXPECT_EQ(registry.QueryValue(key, "D").value.data, "d");
  EXPECT_EQ(registry.QueryInfoKey(key).values, 3u);
  registry.CloseKey(Open("Software\\List\\B", true));
  EXPECT_THAT(registry.SubKeyNames(kUser, "Software\\List"), ElementsAre("a", "c", "d", "B"));
  EXPECT_TRUE(registry.KeyExists(kUser, "Software\\List\\D"));
  registry.CloseKey(key);
}

TEST_F(MemoryRegistryTest, PathsPassOverEmptyComponentsAndAnEmptyPathOpensTheKeyItself) {
  registry.PutString(kUser, "A\\B", "v", "x");
  for (std::string path : {"A\\B", "\\A\\B", "A\\B\\", "A\\\\B"}) {
    KeyHandle key = Open(path);
    EXPECT_EQ(registry.QueryValue(key, "v").status, QueryStatus::Found) << path;
    registry.CloseKey(key);
  }
  KeyHandle root = Open("");
  EXPECT_EQ(registry.EnumKey(root, 0), "A");
  OpenedKey same = registry.OpenSubKey(root, "A\\B", false);
  OpenedKey itself = registry.OpenSubKey(same.key, "", false);
  EXPECT_EQ(registry.QueryValue(itself.key, "v").status, QueryStatus::Found);
  for (KeyHandle key : {root, same.key, itself.key}) registry.CloseKey(key);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(MemoryRegistryTest, AFailedOpenCreatesNothingAndRootsAreSeparate) {
  registry.CreateKey(RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Classes\\.txt");
  EXPECT_EQ(registry.OpenKey(kUser, "Software\\Classes\\.txt", false).status, OpenStatus::Missing);
  EXPECT_EQ(registry.OpenKey(RegistryRoot::HKEY_CLASSES_ROOT, ".txt", false).status,
            OpenStatus::Missing);
  EXPECT_FALSE(registry.KeyExists(kUser, "Software"));

  registry.DenyAccess(RegistryRoot::HKEY_LOCAL_MACHINE, true);
  EXPECT_EQ(registry.OpenKey(RegistryRoot::HKEY_LOCAL_MACHINE, "Software", true).status,
            OpenStatus::AccessDenied);
  EXPECT_EQ(registry.OpenKey(RegistryRoot::HKEY_LOCAL_MACHINE, "New", true).status,
            OpenStatus::AccessDenied);
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::HKEY_LOCAL_MACHINE, "New"));
  registry.CloseKey(Open("Software", true));
}

TEST_F(MemoryRegistryTest, DeleteKeyRefusesAKeyWithSubkeysAMissingKeyAndTheRoot) {
  registry.CreateKey(kUser, "Software\\Parent\\Child");
  KeyHandle root = Open("");
  EXPECT_FALSE(registry.DeleteKey(root, "Software\\Parent"));
  EXPECT_FALSE(registry.DeleteKey(root, "Software\\Missing"));
  EXPECT_FALSE(registry.DeleteKey(root, ""));
  EXPECT_TRUE(registry.KeyExists(kUser, "Software\\Parent\\Child"));
  EXPECT_TRUE(registry.DeleteKey(root, "software\\parent\\CHILD"));
  EXPECT_TRUE(registry.DeleteKey(root, "Software\\Parent"));
  EXPECT_THAT(registry.SubKeyNames(kUser, "Software"), IsEmpty());
  registry.CloseKey(root);
}

TEST_F(MemoryRegistryTest, AHandleToADeletedKeyFindsNothingAndChangesNothing) {
  registry.PutString(kUser, "Software\\Gone", "v", "x");
  KeyHandle stale = Open("Software\\Gone");
  KeyHandle parent = Open("Software");
  ASSERT_TRUE(registry.DeleteKey(parent, "Gone"));

  EXPECT_EQ(registry.QueryInfoKey(stale).values, 0u);
  EXPECT_EQ(registry.EnumValue(stale, 0), std::nullopt);
  EXPECT_EQ(registry.EnumKey(stale, 0), std::nullopt);
  EXPECT_EQ(registry.QueryValue(stale, "v").status, QueryStatus::Missing);
  EXPECT_FALSE(registry.SetValue(stale, "w", REG_SZ, "y"));
  registry.DeleteValue(stale, "v");
  EXPECT_EQ(registry.OpenSubKey(stale, "Sub", true).status, OpenStatus::Missing);
  EXPECT_FALSE(registry.DeleteKey(stale, ""));
  EXPECT_FALSE(registry.KeyExists(kUser, "Software\\Gone"));

  // A key of the same name made afterwards is a new, empty key.
  KeyHandle fresh = Open("Software\\Gone", true);
  EXPECT_EQ(registry.QueryValue(fresh, "v").status, QueryStatus::Missing);
  EXPECT_EQ(registry.QueryValue(stale, "v").status, QueryStatus::Missing);
  for (KeyHandle key : {stale, parent, fresh}) registry.CloseKey(key);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(MemoryRegistryTest, AClosedOrUnknownHandleIsAProgrammingError) {
  KeyHandle key = Open("", false);
  registry.CloseKey(key);
  EXPECT_THROW(registry.CloseKey(key), std::logic_error);
  EXPECT_THROW(registry.QueryValue(key, ""), std::logic_error);
  EXPECT_THROW(registry.OpenSubKey(key, "x", true), std::logic_error);
  EXPECT_THROW(registry.DeleteKey(12345, "x"), std::logic_error);
}

}  // namespace
}  // namespace platform
