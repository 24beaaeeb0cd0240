#include "app/main_form.h"
#include "app/summary.h"

namespace app {

std::string TForm1::GetTimeStr() {
  return TimeText(services.clock.GetLocalTime());
}

void TForm1::ReportRefresh() {
  ShowWelcomeLines(profile.Open());
}

void TForm1::ShowWelcomeLines(const platform::PrivateProfile& file) {
  auto lines = WelcomeLines(file);
  lblIERepairResult.setCaption(lines[0]);
  lblSysRepairResult.setCaption(lines[1]);
  lblHistoryCleanResult.setCaption(lines[2]);
  lblDiskCleanResult.setCaption(lines[3]);
}

}  // namespace app
