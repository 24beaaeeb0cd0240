#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/summary.h"
#include "platform/private_profile.h"
#include "platform/text.h"
#include "support/registry_snapshot.h"
#include "support/test_machine.h"

namespace {

using platform::RegistryRoot;
using testing_support::TestMachine;

constexpr RegistryRoot HKCU = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot HKLM = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr RegistryRoot HKU = RegistryRoot::HKEY_USERS;

constexpr char kSystemPolicies[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
constexpr char kExplorerPolicies[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr char kDefaultExplorerPolicies[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr char kWinlogon[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
constexpr char kNtWinlogon[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr char kHeading[] = "System Repairer has successfully executed the next options:\r";

using Snapshot = testing_support::RegistrySnapshot;
using Change = testing_support::RegistryChange;

Snapshot Take(const platform::MemoryRegistry& registry) {
  return testing_support::TakeSnapshot(registry);
}

// A fix's effects as the table gives them: policies set to 0, values and keys removed.
void Apply(Snapshot& snapshot, Change change) {
  if (change.effect == Change::SetValue) change.value = testing_support::DescribeDword(0);
  testing_support::ApplyChange(snapshot, change);
}

// The program started on a machine, on the System Repairer's quick-start page, nothing ticked.
class SysMachine : public TestMachine {
 public:
  explicit SysMachine(const std::function<void(SysMachine&)>& prepare = {}) {
    if (prepare) prepare(*this);
    start();
    form().lblSysRepair.click();
    repairer().xpbSysUnselAll.click();
  }

  sysrepair::SystemRepairer& repairer() { return program().systemRepairer; }

  void Tick(std::initializer_list<int> options) {
    for (int option : options) form().clbSysRepairQS.toggle(option);
  }
  void Repair() { form().sgbSysRepairQSClean.click(); }

  std::string Summary(const char* key) {
    return platform::PrivateProfile(files, profilePath()).ReadString("Summary", key, "");
  }
};

// A machine on which every restriction the fixes undo is in place, beside values and keys that
// look alike and must stay.
void PlantRestrictions(SysMachine& machine) {
  platform::MemoryRegistry& registry = machine.registry;
  registry.PutDword(HKCU, kSystemPolicies, "DisableRegistryTools", 1);
  registry.PutDword(HKCU, kSystemPolicies, "DisableTaskMgr", 1);
  registry.PutString(HKLM, kWinlogon, "LegalNoticeCaption", "Gotcha");
  registry.PutString(HKLM, std::string(kWinlogon) + "\\Notify\\Pop", "DllName", "pop.dll");
  registry.PutString(HKLM, kNtWinlogon, "Shell", "explorer.exe");
  for (const char* name : {"NoRun", "NoLogOff", "NoShutDown", "NoDrives", "NoDesktop",
                           "NoSetFolders", "NoNetHood", "NoClose"}) {
    registry.PutDword(HKCU, kExplorerPolicies, name, 1);
  }
  for (const char* name : {"NoRun", "NoDrives", "NoDesktop", "NoSetFolders", "NoNetHood"}) {
    registry.PutDword(HKLM, kExplorerPolicies, name, 1);
  }
  for (const char* name : {"NoDrives", "NoDesktop", "NoSetFolders", "NoNetHood"}) {
    registry.PutDword(HKU, kDefaultExplorerPolicies, name, 1);
  }
  registry.PutString(HKCU, "Identities\\{1}\\Software\\Microsoft\\Outlook Express\\5.0",
                     "WindowTitle", "Hacked");
}

struct FixCase {
  int option;
  std::vector<Change> changes;
};

const std::vector<FixCase>& FixCases() {
  static const std::vector<FixCase> kCases = {
      {0, {{Change::SetValue, HKCU, kSystemPolicies, "DisableRegistryTools"}}},
      {1, {{Change::RemoveKey, HKLM, kWinlogon, ""}}},
      {2, {{Change::SetValue, HKCU, kExplorerPolicies, "NoRun"}}},
      {3, {{Change::SetValue, HKCU, kExplorerPolicies, "NoLogOff"}}},
      {4, {{Change::SetValue, HKCU, kExplorerPolicies, "NoShutDown"}}},
      {5, {{Change::RemoveValue, HKCU, kExplorerPolicies, "NoDrives"}}},
      {6,
       {{Change::RemoveValue, HKCU, kExplorerPolicies, "NoDesktop"},
        {Change::RemoveValue, HKLM, kExplorerPolicies, "NoDesktop"}}},
      {8,
       {{Change::RemoveValue, HKCU, kExplorerPolicies, "NoSetFolders"},
        {Change::RemoveValue, HKLM, kExplorerPolicies, "NoSetFolders"},
        {Change::RemoveValue, HKU, kDefaultExplorerPolicies, "NoSetFolders"}}},
      {9,
       {{Change::RemoveValue, HKCU, kExplorerPolicies, "NoNetHood"},
        {Change::RemoveValue, HKLM, kExplorerPolicies, "NoNetHood"},
        {Change::RemoveValue, HKU, kDefaultExplorerPolicies, "NoNetHood"}}},
  };
  return kCases;
}

// Each fix changes exactly its own values, on a machine that has them and on one that has none
// (where removing a value leaves its key behind, created and empty, and a write creates its key).
TEST(SysQuickStart, EachFixChangesExactlyItsOwnValues) {
  for (bool planted : {true, false}) {
    for (const FixCase& fix : FixCases()) {
      SCOPED_TRACE(::testing::Message() << "option " << fix.option << (planted ? " planted" : ""));
      SysMachine machine(planted ? PlantRestrictions : std::function<void(SysMachine&)>{});
      Snapshot expected = Take(machine.registry);
      for (const Change& change : fix.changes) Apply(expected, change);
      machine.Tick({fix.option});
      machine.Repair();
      EXPECT_EQ(Take(machine.registry), expected);
      EXPECT_EQ(machine.registry.OpenHandleCount(), 0u);
      ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
      EXPECT_EQ(machine.dialogs.boxes[1].text,
                kHeading + machine.form().clbSysRepairQS.text(fix.option) + "\r");
      EXPECT_EQ(machine.Summary("SysRepairer"), "1");
    }
  }
}

TEST(SysQuickStart, OutlookExpressTitleIsRemovedForTheFirstListedIdentityOnly) {
  const std::string branch = "\\Software\\Microsoft\\Outlook Express\\5.0";
  struct Case {
    const char* name;
    std::function<void(SysMachine&)> prepare;
    const char* firstIdentity;  // null: nothing changes
  };
  const Case kCases[] = {
      {"two identities, listed in registry order",
       [&](SysMachine& m) {
         m.registry.PutString(HKCU, "Identities\\{B2}" + branch, "WindowTitle", "Hacked");
         m.registry.PutString(HKCU, "Identities\\{A1}" + branch, "WindowTitle", "Hacked too");
       },
       "{B2}"},
      {"first identity without settings: its key is left behind, empty",
       [&](SysMachine& m) {
         m.registry.PutString(HKCU, "Identities\\{C3}", "Username", "Main Identity");
         m.registry.PutString(HKCU, "Identities\\{D4}" + branch, "WindowTitle", "Hacked");
       },
       "{C3}"},
      {"empty Identities key", [](SysMachine& m) { m.registry.CreateKey(HKCU, "Identities"); },
       nullptr},
      {"no Identities key", {}, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    SysMachine machine(c.prepare);
    Snapshot expected = Take(machine.registry);
    if (c.firstIdentity) {
      Apply(expected, {Change::RemoveValue, HKCU,
                       std::string("Identities\\") + c.firstIdentity + branch, "WindowTitle"});
    }
    machine.Tick({7});
    machine.Repair();
    EXPECT_EQ(Take(machine.registry), expected);
    EXPECT_EQ(machine.form().spStatus1.text(), "Outlook Express title was successfully repaired");
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[1].text,
              std::string(kHeading) + "Repair Outlook Express title\r");
  }
}

TEST(SysQuickStart, ConfirmsThenReportsTheFixesInCatalogueOrder) {
  SysMachine machine;
  machine.Tick({4, 2, 3});
  std::vector<std::string> lines;
  ui::Connection watch = machine.form().spStatus1.changed.connect(
      [&] { lines.push_back(machine.form().spStatus1.text()); });
  machine.Repair();
  ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
  const auto& confirm = machine.dialogs.boxes[0];
  EXPECT_EQ(confirm.text, "Are you sure you want to execute check marked option(s)?");
  EXPECT_EQ(confirm.caption, "Warning");
  EXPECT_EQ(confirm.flags, 0x40024u);
  const auto& result = machine.dialogs.boxes[1];
  EXPECT_EQ(result.text, std::string(kHeading) + "Repair Run\rRepair Logoff\rRepair Shut Down\r");
  EXPECT_EQ(result.caption, "Hint");
  EXPECT_EQ(result.flags, 0x40040u);
  // Each line is shown as it is written; the last "after" line stays, no closing line follows.
  EXPECT_EQ(lines, (std::vector<std::string>{"Repairing Run...", "Run menu was Repaired",
                                             "Repairing Logoff menu...", "Logoff menu was repaired",
                                             "Repairing Shut Down menu...",
                                             "Shut Down menu was successfully repaired "}));
  EXPECT_EQ(machine.Summary("SysRepairer"), "3");
}

TEST(SysQuickStart, SummaryTakesTheTimeAfterTheRun) {
  SysMachine machine;
  machine.clock.Set({2006, 12, 5, 1, 14, 7, 9, 0});
  const platform::SystemTime finished{2006, 12, 5, 1, 14, 8, 30, 0};
  // The clock moves on while the result box is open, at the very end of the run.
  machine.dialogs.whileOpen = [&](const testing_support::ScriptedDialogs::Box& box) {
    if (box.caption == "Hint") machine.clock.Set(finished);
  };
  machine.Tick({0, 9});
  machine.Repair();
  EXPECT_EQ(machine.Summary("SysRepairer"), "2");
  EXPECT_EQ(machine.Summary("SysRepairerTime"), "2006/12/1 at 14:8:30");
}

TEST(SysQuickStart, NothingTickedOrNoAnswerRecordsNothing) {
  {
    SCOPED_TRACE("nothing ticked");
    SysMachine machine;
    const std::string profile = machine.profileBytes();
    machine.form().spStatus1.setText("before");
    machine.Repair();
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[1].text, std::string(kHeading) + "No option is selected");
    EXPECT_EQ(machine.form().spStatus1.text(), "before");
    EXPECT_EQ(machine.profileBytes(), profile);
  }
  {
    SCOPED_TRACE("answered No");
    SysMachine machine(PlantRestrictions);
    const Snapshot registry = Take(machine.registry);
    const std::string profile = machine.profileBytes();
    machine.Tick({0, 1, 5, 8});
    machine.dialogs.answers = {ui::IDNO};
    machine.Repair();
    EXPECT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(Take(machine.registry), registry);
    EXPECT_EQ(machine.profileBytes(), profile);
  }
}

TEST(SysQuickStart, RefusedIntegerWriteEndsTheRunWithTheRegistryError) {
  SysMachine machine(PlantRestrictions);
  const std::string profile = machine.profileBytes();
  machine.Tick({1, 2, 5});
  machine.registry.FailSetValue(true);
  machine.Repair();
  // The fix before it stays done; the one after it never runs.
  EXPECT_FALSE(machine.registry.KeyExists(HKLM, kWinlogon));
  EXPECT_TRUE(machine.registry.Value(HKCU, kExplorerPolicies, "NoDrives").has_value());
  EXPECT_EQ(machine.form().spStatus1.text(), "Repairing Run...");
  ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
  EXPECT_EQ(machine.dialogs.errors().size(), 1u);
  EXPECT_EQ(machine.dialogs.boxes[1].text, "Failed to set data for 'NoRun'");
  EXPECT_EQ(machine.profileBytes(), profile);
  EXPECT_EQ(machine.registry.OpenHandleCount(), 0u);
}

TEST(SysQuickStart, RefusedMachineKeysAreSkippedWithoutAMessage) {
  SysMachine machine(PlantRestrictions);
  machine.registry.DenyAccess(HKLM, true);
  machine.Tick({1, 8});
  machine.Repair();
  EXPECT_TRUE(machine.dialogs.errors().empty());
  EXPECT_FALSE(machine.registry.Value(HKCU, kExplorerPolicies, "NoSetFolders").has_value());
  EXPECT_FALSE(machine.registry.Value(HKU, kDefaultExplorerPolicies, "NoSetFolders").has_value());
  EXPECT_TRUE(machine.registry.Value(HKLM, kExplorerPolicies, "NoSetFolders").has_value());
  EXPECT_TRUE(machine.registry.KeyExists(HKLM, kWinlogon));
  EXPECT_EQ(machine.Summary("SysRepairer"), "2");
}

// The way the 1-Click runs call it: their own pane, no box, the count for them to record.
TEST(SysQuickStart, RunWithoutReportWritesOnlyToTheCallersPane) {
  SysMachine machine;
  const std::string profile = machine.profileBytes();
  machine.repairer().xpbSysSelAll.click();
  ui::StatusPane pane("spStatus1", 0);
  std::vector<std::string> lines;
  ui::Connection watch = pane.changed.connect([&] { lines.push_back(pane.text()); });
  machine.form().spStatus1.setText("untouched");
  EXPECT_EQ(machine.repairer().RepairSystem(false, pane), 10);
  EXPECT_TRUE(machine.dialogs.boxes.empty());
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Repairing registry disabled by malicious code ...",
                       "Registry was repaired ...",
                       "Repairing Dialogue poping up automatically when computer reset...",
                       "Dialogue poping up automatically when computer reset was repaired",
                       "Repairing Run...",
                       "Run menu was Repaired",
                       "Repairing Logoff menu...",
                       "Logoff menu was repaired",
                       "Repairing Shut Down menu...",
                       "Shut Down menu was successfully repaired ",
                       "Repairing drives hidden by malicious code...",
                       "Drives hidden by malicious code was repaired",
                       "Repairing desktop icons hidden by malicious code...",
                       "Desktop icons hidden by malicious code was successfully repaired",
                       "Repairing Outlook Express title...",
                       "Outlook Express title was successfully repaired",
                       "Repairing Control Panel hidden by malicious code...",
                       "Control Panel hidden by malicious code was successfully repaired",
                       "Repairing Net Neighbour hidden by malicious code...",
                       "Net Neighbour hidden by malicious code was successfully repaired",
                   }));
  EXPECT_EQ(machine.form().spStatus1.text(), "untouched");
  EXPECT_EQ(machine.profileBytes(), profile);
  EXPECT_EQ(machine.registry.Value(HKCU, kSystemPolicies, "DisableRegistryTools")->data,
            std::string("\0\0\0\0", 4));
}

}  // namespace
