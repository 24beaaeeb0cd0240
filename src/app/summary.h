#pragma once

#include <array>
#include <string>

#include "platform/clock.h"
#include "platform/private_profile.h"

namespace app {

// Year/month/day " at " hour:minute:second, each number without leading zeros.
std::string TimeText(const platform::SystemTime& time);

// The Summary keys of one tool.
struct SummaryRecord {
  const char* countKey;
  const char* extraKey;  // null, or the Disk Cleaner's size
  const char* timeKey;
};

inline constexpr SummaryRecord kIERepairerRecord{"IERepairer", nullptr, "IERepairerTime"};
inline constexpr SummaryRecord kSysRepairerRecord{"SysRepairer", nullptr, "SysRepairerTime"};
inline constexpr SummaryRecord kHistoryCleanerRecord{"HistoryCleaner", nullptr,
                                                     "HistoryCleanerTime"};
inline constexpr SummaryRecord kDiskCleanerRecord{"DiskCleaner", "DiskCleanerSize",
                                                  "DiskCleanerTime"};

// The Welcome page's four result lines (IE, System, History, Disk), built from the profile.
std::array<std::string, 4> WelcomeLines(const platform::PrivateProfile& profile);

// Records a tool's run: count first, then the extra value, then the time.
void WriteSummary(platform::PrivateProfile& profile, const SummaryRecord& record, int count,
                  const std::string& time, const std::string& extra = {});

}  // namespace app
