#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/private_profile.h"
#include "support/registry_snapshot.h"
#include "support/test_machine.h"

namespace {

using platform::RegistryRoot;
using testing_support::DescribeDword;
using testing_support::DescribeString;
using testing_support::TestMachine;
using Snapshot = testing_support::RegistrySnapshot;
using Change = testing_support::RegistryChange;

constexpr RegistryRoot HKCR = RegistryRoot::HKEY_CLASSES_ROOT;
constexpr RegistryRoot HKCU = RegistryRoot::HKEY_CURRENT_USER;
constexpr RegistryRoot HKLM = RegistryRoot::HKEY_LOCAL_MACHINE;
constexpr RegistryRoot HKU = RegistryRoot::HKEY_USERS;

constexpr char kMain[] = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr char kDefaultMain[] = ".Default\\Software\\Microsoft\\Internet Explorer\\Main";
constexpr char kRestrictions[] = "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
constexpr char kToolbar[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr char kSearch[] = "Software\\Microsoft\\Internet Explorer\\Search";
constexpr char kMenuExt[] = "Software\\Microsoft\\Internet Explorer\\MenuExt";
constexpr char kMenuExtBak[] = "Software\\Microsoft\\Internet Explorer\\MenuExtBak";
constexpr char kExtensions[] = "Software\\Microsoft\\Internet Explorer\\Extensions";
constexpr char kCmdMapping[] = "Software\\Microsoft\\Internet Explorer\\Extensions\\CmdMapping";
constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunOnce[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Runonce";
constexpr char kRunServices[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
constexpr char kRunServicesOnce[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServicesOnce";
constexpr char kHeading[] = "IE Repairer has successfully executed the next options:\r";

// The program started on a machine, on the IE Repairer's quick-start page, nothing ticked.
class IEMachine : public TestMachine {
 public:
  explicit IEMachine(const std::function<void(IEMachine&)>& prepare = {}) {
    if (prepare) prepare(*this);
    start();
    form().lblIERepair.click();
    repairer().xpbIEUnselAll.click();
  }

  ierepair::IERepairer& repairer() { return program().ieRepairer; }

  // Fixes by their catalogue numbers, 1 to 12.
  void Tick(std::initializer_list<int> fixes) {
    for (int fix : fixes) form().clbIEQuickStart.toggle(fix - 1);
  }
  void Repair() { form().sgbIERepairActionRepair.click(); }

  std::string Summary(const char* key) {
    return platform::PrivateProfile(files, profilePath()).ReadString("Summary", key, "");
  }
};

// A hijacked browser: every setting a fix repairs is wrong, beside entries that must stay.
void PlantHijack(IEMachine& machine) {
  platform::MemoryRegistry& registry = machine.registry;
  for (auto [root, key] : {std::pair{HKCU, kMain}, {HKLM, kMain}, {HKU, kDefaultMain}}) {
    registry.PutString(root, key, "Window Title", "Hijacked by Example");
    registry.PutString(root, key, "Start Page", "http://hijack.example/");
  }
  for (const char* name : {"NoBrowserOptions", "NoBrowserContextMenu", "NoViewSource"}) {
    registry.PutDword(HKCU, kRestrictions, name, 1);
  }
  registry.PutString(HKCU, kToolbar, "LinksFolderName", "Ads");
  registry.PutString(HKLM, kSearch, "SearchAssistant", "http://search.example/");
  registry.PutString(HKCR, "HTTP\\Shell\\open\\command", "", "C:\\evil\\browser.exe %1");
  registry.PutString(HKCR, "HTTP\\Shell\\open\\ddeexec\\Application", "", "Evil");
  registry.PutString(HKCU, std::string(kMenuExt) + "\\&Search Ads", "", "res://ads.dll/menu");
  registry.PutDword(HKCU, std::string(kMenuExt) + "\\&Search Ads\\Sub", "Contexts", 2);
  registry.PutString(HKCU, std::string(kMenuExtBak) + "\\Parked", "", "res://parked.htm");
  registry.PutString(HKLM, std::string(kExtensions) + "\\{AD}", "ButtonText", "Ads");
  registry.PutString(HKCU, kCmdMapping, "{AD}", "8193");
  registry.PutString(HKCU, kCmdMapping, "{Other}", "8194");
  registry.PutString(HKLM, kToolbar, "{Bar1}", "");
  registry.PutString(HKLM, kToolbar, " ", "");
  registry.PutString(HKLM, kRun, "Ads", "mshta.exe http://ads.example/a.hta");
  registry.PutString(HKLM, kRun, "Sound", "C:\\Windows\\sound.exe");
}

struct FixCase {
  int fix;
  std::vector<Change> planted;  // on the hijacked machine
  std::vector<Change> clean;    // on a machine that holds none of it
};

std::vector<Change> SetInMainKeys(const char* name, const char* data) {
  return {{Change::SetValue, HKCU, kMain, name, DescribeString(data)},
          {Change::SetValue, HKLM, kMain, name, DescribeString(data)},
          {Change::SetValue, HKU, kDefaultMain, name, DescribeString(data)}};
}

const std::vector<FixCase>& FixCases() {
  const std::string search = "http://ie.search.msn.com/{SUB_RFC1766}/srchasst/";
  const std::vector<Change> searchChanges = {
      {Change::SetValue, HKLM, kSearch, "CustomizeSearch", DescribeString(search + "srchcust.htm")},
      {Change::SetValue, HKLM, kSearch, "SearchAssistant", DescribeString(search + "srchasst.htm")},
  };
  const std::vector<Change> defaultBrowser = {
      {Change::SetValue, HKCR, "HTTP\\Shell\\open\\command", "",
       DescribeString("C:\\Program Files\\Internet Explorer\\iexplore.exe")},
      {Change::SetValue, HKCR, "HTTP\\Shell\\open\\ddeexec\\Application", "",
       DescribeString("IExplore")},
  };
  auto unrestrict = [](const char* name) {
    return std::vector<Change>{{Change::SetValue, HKCU, kRestrictions, name, DescribeDword(0)}};
  };
  static const std::vector<FixCase> kCases = {
      {1, SetInMainKeys("Window Title", "Microsoft Internet Explorer"),
       SetInMainKeys("Window Title", "Microsoft Internet Explorer")},
      {2, SetInMainKeys("Start Page", "about:blank"), SetInMainKeys("Start Page", "about:blank")},
      {3, unrestrict("NoBrowserOptions"), unrestrict("NoBrowserOptions")},
      {4, unrestrict("NoBrowserContextMenu"), unrestrict("NoBrowserContextMenu")},
      {5, unrestrict("NoViewSource"), unrestrict("NoViewSource")},
      {6,
       {{Change::SetValue, HKCU, kToolbar, "LinksFolderName", DescribeString("Link")}},
       {{Change::SetValue, HKCU, kToolbar, "LinksFolderName", DescribeString("Link")}}},
      // Missing Run keys are not created.
      {7, {{Change::RemoveValue, HKLM, kRun, "Ads"}}, {}},
      {8, searchChanges, searchChanges},
      {9, defaultBrowser, defaultBrowser},
      // The parking key is not the browser's list and stays.
      {10, {{Change::RemoveKey, HKCU, std::string(kMenuExt) + "\\&Search Ads"}}, {}},
      // Removing a mapping creates its key even when there is nothing to map.
      {11,
       {{Change::RemoveValue, HKCU, kCmdMapping, "{AD}"},
        {Change::RemoveKey, HKLM, std::string(kExtensions) + "\\{AD}"}},
       {}},
      {12, {{Change::RemoveValue, HKLM, kToolbar, "{Bar1}"}}, {}},
  };
  return kCases;
}

// Each fix changes exactly its own values, on a hijacked machine and on one that holds none of
// what the fixes look at.
TEST(IEQuickStart, EachFixChangesExactlyItsOwnValues) {
  for (bool planted : {true, false}) {
    for (const FixCase& fix : FixCases()) {
      SCOPED_TRACE(::testing::Message() << "fix " << fix.fix << (planted ? " planted" : ""));
      IEMachine machine(planted ? PlantHijack : std::function<void(IEMachine&)>{});
      Snapshot expected = testing_support::TakeSnapshot(machine.registry);
      for (const Change& change : planted ? fix.planted : fix.clean) {
        testing_support::ApplyChange(expected, change);
      }
      machine.Tick({fix.fix});
      machine.Repair();
      EXPECT_EQ(testing_support::TakeSnapshot(machine.registry), expected);
      EXPECT_EQ(machine.registry.OpenHandleCount(), 0u);
      ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
      EXPECT_EQ(machine.dialogs.boxes[1].text,
                kHeading + machine.form().clbIEQuickStart.text(fix.fix - 1) + "\r");
      EXPECT_EQ(machine.form().spStatus1.text(), "Completed");
      EXPECT_EQ(machine.Summary("IERepairer"), "1");
    }
  }
}

TEST(IEQuickStart, RunKeyScanDeletesValuesWhoseDataNamesAWebPage) {
  struct Case {
    const char* what;
    RegistryRoot root;
    const char* key;
    const char* name;
    const char* data;
    bool deleted;
  };
  const Case kCases[] = {
      {"a dial-up path holds \"asp\"", HKLM, kRun, "Dialer", "C:\\Windows\\rasphone.exe", true},
      {"a web address in capitals", HKCU, kRun, "Page", "IEXPLORE HTTP://ADS.EXAMPLE", true},
      {"an .hta through mshta", HKLM, kRunOnce, "Hta", "mshta.exe c:\\x\\a.HTA", true},
      {"a silent registry import", HKLM, kRunServices, "Reg", "REGEDIT /S c:\\a.reg", true},
      {"a shortcut to a page", HKLM, kRunServicesOnce, "Url", "c:\\fav\\shop.url", true},
      {"a php page", HKCU, kRunOnce, "Php", "start index.php", true},
      {"the user's RunServices", HKCU, kRunServices, "Htm", "c:\\a.htm", true},
      {"the user's RunServicesOnce is never scanned", HKCU, kRunServicesOnce, "Web",
       "http://ads.example", false},
      {"only the data counts, never the name", HKLM, kRun, "http://name.htm",
       "C:\\Program Files\\Tool\\tool.exe", false},
      {"a plain program", HKCU, kRun, "Tool", "C:\\Tools\\tool.exe /quiet", false},
  };
  IEMachine machine([&](IEMachine& m) {
    for (const Case& c : kCases) m.registry.PutString(c.root, c.key, c.name, c.data);
    // The same name in two keys: only the one whose data names a page goes.
    m.registry.PutString(HKLM, kRun, "Twin", "C:\\twin.exe");
    m.registry.PutString(HKCU, kRun, "Twin", "c:\\pages\\twin.html");
  });
  machine.Tick({7});
  machine.Repair();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(machine.registry.Value(c.root, c.key, c.name).has_value(), !c.deleted);
  }
  EXPECT_TRUE(machine.registry.Value(HKLM, kRun, "Twin").has_value());
  EXPECT_FALSE(machine.registry.Value(HKCU, kRun, "Twin").has_value());
}

TEST(IEQuickStart, AllTwelveRunInCatalogueOrderAndAreRecorded) {
  IEMachine machine(PlantHijack);
  machine.clock.Set({2006, 12, 2, 5, 9, 30, 15, 0});
  const platform::SystemTime later{2006, 12, 2, 5, 9, 45, 0, 0};
  // The user leaves the question open a while: the record keeps the moment of the click.
  machine.dialogs.whileOpen = [&](const testing_support::ScriptedDialogs::Box& box) {
    if (box.caption == "Warning") machine.clock.Set(later);
  };
  machine.repairer().xpbIESelAll.click();
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
  EXPECT_EQ(result.caption, "Hint");
  EXPECT_EQ(result.flags, 0x40040u);
  EXPECT_EQ(result.text,
            std::string(kHeading) +
                "Repair the Internet Explorer title\r"
                "Repair the Internet Explorer homepage\r"
                "Repair the Internet Options in tools menu\r"
                "Repair the right menu which can not popup in the Internet Explorer\r"
                "Repair View Source in the Internet Explorer\r"
                "Repair Link Bar name\r"
                "Repair the Internet Explorer poping up automatically when computer reset\r"
                "Repair Search Bar in the Internet Explorer\r"
                "Repair the Internet Explorer as default explorer\r"
                "Repair context menu in the Internet Explorer\r"
                "Repair Tool Bar in the Internet Explorer\r"
                "Clean Toolbar\r");
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Repairing the Internet Explorer title ...",
                       "Internet Explorer title was repaired",
                       "Repairing the Internet Explorer homepage ...",
                       "Internet Explorer homepage was repaired",
                       "Repairing the Internet Options in tools menu ...",
                       "The Internet Explorer Options is repaired",
                       "Repairing right menu in the Internet Explorer ...",
                       "Right menu in the Internet Explorer is repaired",
                       "Repairing View Source menu in the Internet Explorer ...",
                       "View Source menu in the Internet Explorer is repaired",
                       "Repairing Link Bar name in the Internet Explorer ...",
                       "Link Bar name in the Internet Explorer is repaired",
                       "Repairing the Internet Explorer poping up automatically...",
                       "The Internet Explorer poping up automatically was repaired...",
                       "Repairing Search Bar in the Internet Explorer ...",
                       "Search Bar in the Internet Explorer was repaired",
                       "Setting the Internet Explorer as default browser...",
                       "The Internet Explorer was set as default browser",
                       "Repairing Context menu in the Internet Explorer ...",
                       "Context menu in the Internet Explorer was repaired",
                       "Repairing Tool Bar in the Internet Explorer ...",
                       "Tool Bar in the Internet Explorer was repaired",
                       "Cleaning Toolbar in the Internet Explorer ...",
                       "Toolbar in the Internet Explorer was cleaned",
                       "Completed",
                   }));
  EXPECT_EQ(machine.Summary("IERepairer"), "12");
  EXPECT_EQ(machine.Summary("IERepairerTime"), "2006/12/5 at 9:30:15");
  EXPECT_EQ(machine.registry.Value(HKCU, kMain, "Start Page")->data,
            std::string("about:blank\0", 12));
}

TEST(IEQuickStart, NothingTickedOrNoAnswerRecordsNothing) {
  {
    SCOPED_TRACE("nothing ticked");
    IEMachine machine;
    const std::string profile = machine.profileBytes();
    machine.Repair();
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[1].text, std::string(kHeading) + "No option is selected");
    EXPECT_EQ(machine.form().spStatus1.text(), "Completed");
    EXPECT_EQ(machine.profileBytes(), profile);
  }
  {
    SCOPED_TRACE("answered No");
    IEMachine machine(PlantHijack);
    const Snapshot registry = testing_support::TakeSnapshot(machine.registry);
    const std::string profile = machine.profileBytes();
    machine.repairer().xpbIESelAll.click();
    machine.form().spStatus1.setText("before");
    machine.dialogs.answers = {ui::IDNO};
    machine.Repair();
    EXPECT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(testing_support::TakeSnapshot(machine.registry), registry);
    EXPECT_EQ(machine.form().spStatus1.text(), "before");
    EXPECT_EQ(machine.profileBytes(), profile);
  }
}

// A value that is not text in a key the run lists ends the run there, without "Completed", a
// result box or a Summary; what ran before stays done.
TEST(IEQuickStart, ANonTextValueInAListedKeyEndsTheRun) {
  for (int fix : {7, 12}) {
    SCOPED_TRACE(fix);
    IEMachine machine([fix](IEMachine& m) {
      PlantHijack(m);
      m.registry.Put(HKLM, fix == 7 ? kRun : kToolbar, "Binary", 3, std::string("\x01\x02", 2));
    });
    const std::string profile = machine.profileBytes();
    machine.Tick({1, fix});
    if (fix == 7) machine.Tick({9});
    machine.Repair();
    EXPECT_EQ(machine.registry.Value(HKCU, kMain, "Window Title")->data,
              std::string("Microsoft Internet Explorer\0", 28));
    // The pane keeps the line written before the fix that failed.
    EXPECT_EQ(machine.form().spStatus1.text(),
              fix == 7 ? "Repairing the Internet Explorer poping up automatically..."
                       : "Cleaning Toolbar in the Internet Explorer ...");
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.errors().size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[1].text, "Invalid data type for 'Binary'");
    // Fix 9 comes after fix 7 and never ran.
    if (fix == 7) {
      EXPECT_EQ(machine.registry.Value(HKCR, "HTTP\\Shell\\open\\ddeexec\\Application", "")->data,
                std::string("Evil\0", 5));
    }
    EXPECT_EQ(machine.profileBytes(), profile);
    EXPECT_EQ(machine.registry.OpenHandleCount(), 0u);
  }
}

TEST(IEQuickStart, RefusedKeysAreSkippedWithoutAMessageAndStillCount) {
  IEMachine machine(PlantHijack);
  machine.registry.DenyAccess(HKLM, true);
  machine.Tick({1, 8, 11});
  machine.Repair();
  EXPECT_TRUE(machine.dialogs.errors().empty());
  EXPECT_EQ(machine.registry.Value(HKCU, kMain, "Window Title")->data,
            std::string("Microsoft Internet Explorer\0", 28));
  EXPECT_EQ(machine.registry.Value(HKLM, kMain, "Window Title")->data,
            std::string("Hijacked by Example\0", 20));
  EXPECT_FALSE(machine.registry.Value(HKLM, kSearch, "CustomizeSearch").has_value());
  EXPECT_EQ(machine.Summary("IERepairer"), "3");
}

// The way the 1-Click runs call it: their own pane, no box, the count for them to record.
TEST(IEQuickStart, RunWithoutReportWritesOnlyToTheCallersPane) {
  IEMachine machine;
  const std::string profile = machine.profileBytes();
  machine.Tick({2, 6});
  ui::StatusPane pane("spStatus1", 0);
  machine.form().spStatus1.setText("untouched");
  EXPECT_EQ(machine.repairer().RepairIE(false, pane), 2);
  EXPECT_TRUE(machine.dialogs.boxes.empty());
  EXPECT_EQ(pane.text(), "Completed");
  EXPECT_EQ(machine.form().spStatus1.text(), "untouched");
  EXPECT_EQ(machine.profileBytes(), profile);
}

}  // namespace
