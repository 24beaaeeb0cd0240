#include "app/summary.h"

#include "app/profile_store.h"

namespace app {

std::string TimeText(const platform::SystemTime& time) {
  return std::to_string(time.wYear) + "/" + std::to_string(time.wMonth) + "/" +
         std::to_string(time.wDay) + " at " + std::to_string(time.wHour) + ":" +
         std::to_string(time.wMinute) + ":" + std::to_string(time.wSecond);
}

namespace {

std::string WelcomeLine(const platform::PrivateProfile& profile, const SummaryRecord& record,
                        const char* middle) {
  if (profile.ReadString(kSummarySection, record.countKey, kNotYetRun) == kNotYetRun) {
    return kNotYetRun;
  }
  std::string count = profile.ReadString(kSummarySection, record.countKey, kNotYetRun);
  std::string time = profile.ReadString(kSummarySection, record.timeKey, "");
  if (record.extraKey == nullptr) return count + middle + time;
  std::string size = profile.ReadString(kSummarySection, record.extraKey, "");
  return count + " junk files that occupy " + size + " MB were deleted" + "\r" + "on " + time;
}

}  // namespace

std::array<std::string, 4> WelcomeLines(const platform::PrivateProfile& profile) {
  return {WelcomeLine(profile, kIERepairerRecord, " options were repaired on "),
          WelcomeLine(profile, kSysRepairerRecord, " options were repaired on "),
          WelcomeLine(profile, kHistoryCleanerRecord, " history options were deleted on "),
          WelcomeLine(profile, kDiskCleanerRecord, nullptr)};
}

void WriteSummary(platform::PrivateProfile& profile, const SummaryRecord& record, int count,
                  const std::string& time, const std::string& extra) {
  profile.WriteString(kSummarySection, record.countKey, std::to_string(count));
  if (record.extraKey != nullptr) profile.WriteString(kSummarySection, record.extraKey, extra);
  profile.WriteString(kSummarySection, record.timeKey, time);
}

}  // namespace app
