#include <gtest/gtest.h>

#include "support/test_machine.h"

namespace {

using platform::RegistryRoot;
using testing_support::TestMachine;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(SettingsSave, StoresTheGeneralAndOneClickChoicesAndTheAutoStartEntry) {
  TestMachine machine;
  machine.system.executableFolder = "D:\\Tools\\";
  app::TForm1& form = machine.start().form1;
  form.sgbSettings.click();
  form.chkAutoLoad.toggle();
  form.chkMinimize.toggle();
  form.chkExeOnWCShut.toggle();
  form.clbOneClick.toggle(1);

  form.xpbSettingsOk.click();

  auto run =
      machine.registry.Value(RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey, "Sparvane Utilities 2006");
  ASSERT_TRUE(run.has_value());
  EXPECT_EQ(run->type, platform::REG_SZ);
  EXPECT_EQ(run->data, std::string("D:\\Tools\\Sparvane.exe") + '\0');
  platform::PrivateProfile file = form.profile.Open();
  const std::pair<const char*, bool> kGeneral[] = {
      {"Item1", true}, {"Item2", true}, {"Item3", false}, {"Item4", true}};
  for (const auto& [key, value] : kGeneral) {
    EXPECT_EQ(file.ReadString("General", key, "?"), value ? "1" : "0") << key;
  }
  EXPECT_EQ(file.ReadString("One Click", "Item2", "?"), "0");
  EXPECT_EQ(file.ReadString("One Click", "Item1", "?"), "1");
  EXPECT_EQ(form.ProfileFlags.General, (std::array<bool, 4>{true, true, false, true}));
  EXPECT_EQ(form.ProfileFlags.OneClick, (std::array<bool, 4>{true, false, true, true}));
  EXPECT_EQ(form.nbRight.activeName(), "snbSettings");
  EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST(SettingsSave, UnmarkingAutoLoadRemovesTheEntryAndTheTrayChoice) {
  TestMachine machine;
  machine.files.Put(machine.profilePath(), "[General]\r\nItem1=1\r\nItem2=1\r\n");
  machine.registry.PutString(RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey, "Sparvane Utilities 2006",
                             "C:\\old\\Sparvane.exe");
  machine.registry.PutString(RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey, "Other", "other.exe");
  app::TForm1& form = machine.start().form1;
  form.ctiTrayIcon.doubleClick();

  form.chkAutoLoad.toggle();
  form.xpbSettingsOk.click();

  EXPECT_FALSE(
      machine.registry.Value(RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey, "Sparvane Utilities 2006")
          .has_value());
  EXPECT_TRUE(machine.registry.Value(RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey, "Other"));
  EXPECT_EQ(form.profile.Open().ReadString("General", "Item2", "?"), "0");
}

TEST(SettingsSave, ARefusedMachineRootSavesTheProfileAllTheSame) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  machine.registry.DenyAccess(RegistryRoot::HKEY_LOCAL_MACHINE, true);
  form.chkAutoLoad.toggle();

  form.xpbSettingsOk.click();

  EXPECT_TRUE(machine.dialogs.boxes.empty());
  EXPECT_EQ(form.profile.Open().ReadString("General", "Item1", "?"), "1");
  machine.registry.DenyAccess(RegistryRoot::HKEY_LOCAL_MACHINE, false);
  EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey));
}

TEST(SettingsSave, AProfileWriteFailureStopsBeforeTheAutoStartEntry) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  machine.files.SetReadOnly(machine.profilePath(), true);
  form.chkAutoLoad.toggle();

  form.xpbSettingsOk.click();

  ASSERT_EQ(machine.dialogs.errors().size(), 1u);
  EXPECT_TRUE(form.ProfileFlags.General[0]);
  EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey));
}

}  // namespace
