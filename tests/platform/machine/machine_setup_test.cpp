#include <gtest/gtest.h>

#include <filesystem>

#include "platform/machine/machine.h"
#include "platform/machine/machine_setup.h"
#include "platform/machine/wine_registry.h"
#include "platform/registry.h"
#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;
using testing_support::TemporaryFolder;

TEST(MachineSetup, WinePrefixWinsOverTheEmbeddedMachine) {
  EXPECT_EQ(ChooseMachine(std::string("/home/bob/.wine"), "/opt/sparvane").prefix,
            "/home/bob/.wine");
  EXPECT_FALSE(ChooseMachine(std::string("/home/bob/.wine"), "/opt/sparvane").embedded);
  MachineChoice embedded = ChooseMachine(std::nullopt, "/opt/sparvane");
  EXPECT_EQ(embedded.prefix, "/opt/sparvane/machine");
  EXPECT_TRUE(embedded.embedded);
  EXPECT_TRUE(ChooseMachine(std::string(""), "/opt/sparvane").embedded);
}

TEST(MachineSetup, AnEmbeddedMachineGetsDriveCFoldersAndARegistryOnce) {
  TemporaryFolder temp;
  const std::string prefix = temp.path() + "/machine";
  EXPECT_FALSE(LooksLikePrefix(prefix));
  PrepareEmbeddedMachine(prefix, "bob");

  EXPECT_TRUE(LooksLikePrefix(prefix));
  Machine machine(prefix);
  ASSERT_EQ(machine.Drives().size(), 1u);
  for (const char* folder : {"C:\\windows\\system32", "C:\\windows\\Prefetch",
                             "C:\\users\\bob\\Temp", "C:\\users\\bob\\Desktop"}) {
    EXPECT_TRUE(fs::is_directory(*machine.ToUnix(folder))) << folder;
  }
  {
    WineRegistry registry(prefix);
    EXPECT_EQ(RegReadValue(registry, vkString, RegistryRoot::HKEY_CURRENT_USER,
                           "Software\\Microsoft\\Internet Explorer\\Main", "Start Page"),
              RegReadValue(registry, vkString, RegistryRoot::HKEY_LOCAL_MACHINE,
                           "Software\\Microsoft\\Internet Explorer\\Main", "Start Page"));
    EXPECT_EQ(RegReadValue(registry, vkString, RegistryRoot::HKEY_LOCAL_MACHINE,
                           "Software\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner"),
              "bob");
    RegWriteValue(registry, vkString, RegistryRoot::HKEY_CURRENT_USER, "Software\\Sparvane", "x",
                  "1");
    ASSERT_TRUE(registry.Save());
  }
  // A second start changes nothing that is there.
  PrepareEmbeddedMachine(prefix, "bob");
  WineRegistry again(prefix);
  EXPECT_EQ(
      RegReadValue(again, vkString, RegistryRoot::HKEY_CURRENT_USER, "Software\\Sparvane", "x"),
      "1");
}

}  // namespace
