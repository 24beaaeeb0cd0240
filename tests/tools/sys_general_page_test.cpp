#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "support/test_machine.h"

namespace {

using platform::RegistryRoot;
using testing_support::TestMachine;

constexpr RegistryRoot HKLM = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr char kNtKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kComputerNameKey[] =
    "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

constexpr int kNt = platform::VER_PLATFORM_WIN32_NT;
constexpr int k9x = platform::VER_PLATFORM_WIN32_WINDOWS;

enum class Identity { None, WindowsKeyOnly, Both };

// The program started on a machine of the given platform family, on the System Repairer.
class GeneralMachine : public TestMachine {
 public:
  GeneralMachine(int platformId, Identity identity) {
    system.platformId = platformId;
    if (identity != Identity::None) {
      registry.PutString(HKLM, kWindowsKey, "RegisteredOrganization", "9x Org");
      registry.PutString(HKLM, kWindowsKey, "RegisteredOwner", "9x Owner");
      // Value names match whatever their letter case.
      registry.PutString(HKLM, kComputerNameKey, "COMPUTERNAME", "BOBPC");
    }
    if (identity == Identity::Both) {
      registry.PutString(HKLM, kNtKey, "RegisteredOrganization", "NT Org");
      registry.PutString(HKLM, kNtKey, "RegisteredOwner", "NT Owner");
      registry.PutString(HKLM, kNtKey, "ProductName", "Microsoft Windows XP");
      registry.PutString(HKLM, kNtKey, "ProductId", "55274-640");
      registry.PutString(HKLM, kNtKey, "CurrentVersion", "5.1");
      registry.PutString(HKLM, kNtKey, "CurrentBuildNumber", "2600");
    }
    start();
    form().lblSysRepair.click();
  }

  sysrepair::GeneralPage& page() { return program().systemRepairer.general; }
  void Open() { form().sgbSysRepairGeneral.click(); }
  void Save() { form().sgbGeneralActionSave.click(); }

  std::array<ui::EditField*, 7> Fields() {
    sysrepair::GeneralPage& p = page();
    return {&p.edtRegOrg,        &p.edtRegName, &p.edtComputerName, &p.edtProductName,
            &p.edtProductSerial, &p.edtVersion, &p.edtVersionNumber};
  }
  std::array<std::string, 7> Boxes() {
    std::array<std::string, 7> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = Fields()[i]->text();
    return texts;
  }
  void TypeAll(const std::array<std::string, 7>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) Fields()[i]->type(texts[i]);
  }

  // A string value's text without its terminating NUL; nullopt when it is missing.
  std::optional<std::string> Text(const char* key, const char* name) {
    auto value = registry.Value(HKLM, key, name);
    if (!value) return std::nullopt;
    EXPECT_EQ(value->type, platform::REG_SZ) << name;
    std::string text = value->data;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }
};

TEST(SysGeneralPage, OwnerAndOrganisationComeFromThePlatformsKey) {
  struct Case {
    const char* name;
    int platformId;
    Identity identity;
    std::array<std::string, 7> boxes;
  };
  const Case kCases[] = {
      {"NT family",
       kNt,
       Identity::Both,
       {"NT Org", "NT Owner", "BOBPC", "Microsoft Windows XP", "55274-640", "5.1", "2600"}},
      {"9x family",
       k9x,
       Identity::Both,
       {"9x Org", "9x Owner", "BOBPC", "Microsoft Windows XP", "55274-640", "5.1", "2600"}},
      {"9x family without the Windows NT key",
       k9x,
       Identity::WindowsKeyOnly,
       {"9x Org", "9x Owner", "BOBPC"}},
      {"NT family without the Windows NT key", kNt, Identity::WindowsKeyOnly, {"", "", "BOBPC"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    GeneralMachine machine(c.platformId, c.identity);
    machine.Open();
    EXPECT_EQ(machine.form().nbRight.activeName(), "snbGeneral");
    EXPECT_EQ(machine.form().nbLeft.activeName(), "snbSysRepair");
    EXPECT_EQ(machine.form().nbSysRepairAction.activeName(), "snbGeneral");
    EXPECT_EQ(machine.Boxes(), c.boxes);
    // Reading creates nothing.
    EXPECT_EQ(machine.registry.KeyExists(HKLM, kNtKey), c.identity == Identity::Both);
  }
}

TEST(SysGeneralPage, SaveTrimsEveryBoxAndWritesToThePlatformsKey) {
  const std::array<std::string, 7> typed = {"\tAcme Corp  ",
                                            "  Bob Smith \r\n",
                                            "",
                                            " PC-7 ",
                                            "12345 ",
                                            "\x01"
                                            "6.0",
                                            "  "};
  struct Case {
    const char* name;
    int platformId;
    const char* ownerKey;
    const char* otherKey;  // the CurrentVersion key the owner is not written to
  };
  const Case kCases[] = {
      {"NT family", kNt, kNtKey, kWindowsKey},
      {"9x family: the product values create the Windows NT key", k9x, kWindowsKey, kNtKey},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    GeneralMachine machine(c.platformId, Identity::None);
    machine.Open();
    machine.TypeAll(typed);
    machine.Save();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_EQ(machine.Text(c.ownerKey, "RegisteredOrganization"), "Acme Corp");
    EXPECT_EQ(machine.Text(c.ownerKey, "RegisteredOwner"), "Bob Smith");
    EXPECT_EQ(machine.Text(c.otherKey, "RegisteredOwner"), std::nullopt);
    // An empty box writes an empty text; nothing is deleted.
    EXPECT_EQ(machine.Text(kComputerNameKey, "ComputerName"), "");
    EXPECT_EQ(machine.Text(kNtKey, "ProductName"), "PC-7");
    EXPECT_EQ(machine.Text(kNtKey, "ProductID"), "12345");
    EXPECT_EQ(machine.Text(kNtKey, "CurrentVersion"), "6.0");
    EXPECT_EQ(machine.Text(kNtKey, "CurrentBuildNumber"), "");
    // The boxes keep what was typed until the page is opened again.
    EXPECT_EQ(machine.page().edtRegName.text(), "  Bob Smith \r\n");
    machine.Open();
    EXPECT_EQ(machine.page().edtRegName.text(), "Bob Smith");
  }
}

TEST(SysGeneralPage, OpeningAgainThrowsAwayUnsavedEdits) {
  GeneralMachine machine(kNt, Identity::Both);
  machine.Open();
  machine.page().edtRegName.type("Mallory");
  machine.form().sgbGeneralActionBack.click();
  EXPECT_EQ(machine.form().nbRight.activeName(), "snbDefault");
  machine.Open();
  EXPECT_EQ(machine.page().edtRegName.text(), "NT Owner");
  EXPECT_EQ(machine.Text(kNtKey, "RegisteredOwner"), "NT Owner");
}

// A value that is not text stops the filling; Save then leaves that value and the ones after it
// as they are, instead of writing the boxes' stale text over them.
TEST(SysGeneralPage, ValueThatIsNotTextStopsTheFillingAndIsNeverOverwritten) {
  GeneralMachine machine(kNt, Identity::Both);
  machine.registry.PutDword(HKLM, kNtKey, "ProductName", 7);
  machine.Open();
  ASSERT_EQ(machine.dialogs.errors().size(), 1u);
  EXPECT_EQ(machine.dialogs.errors()[0].text, "Invalid data type for 'ProductName'");
  EXPECT_EQ(machine.Boxes(),
            (std::array<std::string, 7>{"NT Org", "NT Owner", "BOBPC", "", "", "", ""}));
  auto fields = machine.Fields();
  for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(fields[i]->readOnly(), i >= 3) << i;

  machine.page().edtRegName.type(" Eve ");
  machine.page().edtVersion.type("9.9");  // a read-only box takes no typing
  machine.Save();
  EXPECT_EQ(machine.Text(kNtKey, "RegisteredOwner"), "Eve");
  EXPECT_EQ(machine.registry.Value(HKLM, kNtKey, "ProductName")->type, platform::REG_DWORD);
  EXPECT_EQ(machine.Text(kNtKey, "ProductID"), "55274-640");
  EXPECT_EQ(machine.Text(kNtKey, "CurrentVersion"), "5.1");
  EXPECT_EQ(machine.Text(kNtKey, "CurrentBuildNumber"), "2600");

  // Once the value reads as text again, the page is whole.
  machine.registry.PutString(HKLM, kNtKey, "ProductName", "Microsoft Windows XP");
  machine.Open();
  EXPECT_EQ(machine.page().edtVersion.text(), "5.1");
  for (ui::EditField* field : machine.Fields()) EXPECT_FALSE(field->readOnly()) << field->name();
}

TEST(SysGeneralPage, RefusedMachineKeysReadEmptyAndSaveSilently) {
  GeneralMachine machine(kNt, Identity::Both);
  machine.registry.DenyAccess(HKLM, true);
  machine.Open();
  EXPECT_EQ(machine.Boxes(), (std::array<std::string, 7>{}));
  machine.page().edtRegName.type("Eve");
  machine.Save();
  EXPECT_TRUE(machine.dialogs.boxes.empty());
  machine.registry.DenyAccess(HKLM, false);
  EXPECT_EQ(machine.Text(kNtKey, "RegisteredOwner"), "NT Owner");
}

}  // namespace
