#include "app/first_run_profile.h"

#include "app/profile_store.h"

namespace app {

const std::vector<ProfileEntry>& FirstRunProfile() {
  static const std::vector<ProfileEntry> entries = [] {
    static const char* const kItemKeys[] = {"Item1", "Item2",  "Item3",  "Item4",
                                            "Item5", "Item6",  "Item7",  "Item8",
                                            "Item9", "Item10", "Item11", "Item12"};
    std::vector<ProfileEntry> list;
    auto marks = [&](std::string_view section, std::string_view values) {
      for (std::size_t i = 0; i < values.size(); ++i) {
        list.push_back({section, kItemKeys[i], values[i] == '1' ? "1" : "0"});
      }
    };
    marks(kIERepairerSection, kIERepairerMarks);
    marks(kSystemRepairerSection, kSystemRepairerMarks);
    marks(kHistoryCleanerSection, kHistoryCleanerMarks);
    marks(kGeneralSection, kGeneralMarks);
    marks(kOneClickSection, kOneClickMarks);
    list.push_back({kIEViewSection, "BgPic", "0"});
    list.push_back({kIEViewSection, "ImgPath", ""});
    list.push_back({kSummarySection, "IERepairer", kNotYetRun});
    list.push_back({kSummarySection, "IERepairerTime", ""});
    list.push_back({kSummarySection, "SysRepairer", kNotYetRun});
    list.push_back({kSummarySection, "SysRepairerTime", ""});
    list.push_back({kSummarySection, "HistoryCleaner", kNotYetRun});
    list.push_back({kSummarySection, "HistoryCleanerTime", ""});
    list.push_back({kSummarySection, "DiskCleaner", kNotYetRun});
    list.push_back({kSummarySection, "DiskCleanerSize", ""});
    list.push_back({kSummarySection, "DiskCleanerTime", ""});
    return list;
  }();
  return entries;
}

void WriteFirstRunProfile(platform::PrivateProfile& profile) {
  for (const ProfileEntry& entry : FirstRunProfile()) {
    profile.WriteString(entry.section, entry.key, entry.value);
  }
}

}  // namespace app
