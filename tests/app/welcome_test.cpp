#include <gtest/gtest.h>

#include "app/summary.h"
#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

TEST(GetTimeStr, WritesEveryNumberWithoutLeadingZeros) {
  struct Case {
    platform::SystemTime time;
    const char* text;
  };
  const Case kCases[] = {
      {{2006, 3, 2, 7, 9, 5, 3, 0}, "2006/3/7 at 9:5:3"},
      {{2006, 12, 5, 1, 14, 7, 9, 0}, "2006/12/1 at 14:7:9"},
      {{2026, 1, 4, 31, 0, 0, 0, 999}, "2026/1/31 at 0:0:0"},
      {{1999, 10, 0, 10, 23, 59, 59, 0}, "1999/10/10 at 23:59:59"},
  };
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  for (const Case& c : kCases) {
    machine.clock.Set(c.time);
    EXPECT_EQ(form.GetTimeStr(), c.text);
  }
}

std::string Profile(std::initializer_list<const char*> summaryLines) {
  std::string text = "[Summary]\r\n";
  for (const char* line : summaryLines) text += std::string(line) + "\r\n";
  return text;
}

TEST(WelcomeLines, EachToolHasItsOwnWording) {
  struct Case {
    const char* name;
    std::string profile;
    std::array<std::string, 4> lines;
  };
  const Case kCases[] = {
      {"first run", Profile({}), {"Not yet run!", "Not yet run!", "Not yet run!", "Not yet run!"}},
      {"every tool ran",
       Profile({"IERepairer=3", "IERepairerTime=2006/12/1 at 14:7:9", "SysRepairer=10",
                "SysRepairerTime=2006/12/2 at 8:0:0", "HistoryCleaner=2",
                "HistoryCleanerTime=2006/12/3 at 9:1:2", "DiskCleaner=12", "DiskCleanerSize=1.500",
                "DiskCleanerTime=2006/1/2 at 8:0:0"}),
       {"3 options were repaired on 2006/12/1 at 14:7:9",
        "10 options were repaired on 2006/12/2 at 8:0:0",
        "2 history options were deleted on 2006/12/3 at 9:1:2",
        "12 junk files that occupy 1.500 MB were deleted\ron 2006/1/2 at 8:0:0"}},
      {"time missing",
       Profile({"IERepairer=3"}),
       {"3 options were repaired on ", "Not yet run!", "Not yet run!", "Not yet run!"}},
      {"letter case counts, texts are not checked",
       Profile({"IERepairer=not yet run!", "SysRepairer= 7 ", "SysRepairerTime=soon",
                "DiskCleaner=", "DiskCleanerTime=x"}),
       {"not yet run! options were repaired on ", " 7  options were repaired on soon",
        "Not yet run!", " junk files that occupy  MB were deleted\ron x"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    TestMachine machine;
    machine.files.Put(machine.profilePath(), c.profile);
    app::TForm1& form = machine.start().form1;
    EXPECT_EQ(form.lblIERepairResult.caption(), c.lines[0]);
    EXPECT_EQ(form.lblSysRepairResult.caption(), c.lines[1]);
    EXPECT_EQ(form.lblHistoryCleanResult.caption(), c.lines[2]);
    EXPECT_EQ(form.lblDiskCleanResult.caption(), c.lines[3]);
  }
}

TEST(ReportRefresh, OnlyTheWelcomeButtonRebuildsTheLines) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  {
    platform::PrivateProfile file = form.profile.Open();
    app::WriteSummary(file, app::kIERepairerRecord, 3, "2006/12/1 at 14:7:9");
  }
  // Returning to the Welcome page by the settings Back shows the labels as they were.
  form.sgbSettings.click();
  form.xpbSettingsBack.click();
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
  EXPECT_EQ(form.lblIERepairResult.caption(), "Not yet run!");

  form.sgbMainWelcome.click();
  EXPECT_EQ(form.lblIERepairResult.caption(), "3 options were repaired on 2006/12/1 at 14:7:9");
}

TEST(WriteSummary, WritesCountExtraAndTimeInThatOrder) {
  platform::MemoryFiles files;
  platform::PrivateProfile file(files, "C:\\p.dat");
  app::WriteSummary(file, app::kDiskCleanerRecord, 12, "2006/1/2 at 8:0:0", "1.500");
  EXPECT_EQ(files.Get("C:\\p.dat"),
            "[Summary]\r\nDiskCleaner=12\r\nDiskCleanerSize=1.500\r\nDiskCleanerTime=2006/1/2 at "
            "8:0:0\r\n");
}

}  // namespace
