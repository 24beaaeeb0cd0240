#include "app/main_form.h"

namespace app {

namespace {

template <std::size_t N>
void ApplyMarks(ui::CheckList& list, const std::array<bool, N>& flags) {
  for (std::size_t i = 0; i < N && static_cast<int>(i) < list.count(); ++i) {
    list.setChecked(static_cast<int>(i), flags[i]);
  }
}

}  // namespace

void TForm1::IERepairQSInit() {
  ApplyMarks(clbIEQuickStart, ProfileFlags.IERepairer);
}

void TForm1::SysRepairQSInit() {
  ApplyMarks(clbSysRepairQS, ProfileFlags.SystemRepairer);
}

// Items past the stored eight keep their marks.
void TForm1::HistoryCleanInit() {
  ApplyMarks(clbHistoryCleanQS, ProfileFlags.HistoryCleaner);
}

void TForm1::GeneralSettingsInit() {
  chkAutoLoad.setChecked(ProfileFlags.General[0]);
  chkMinimize.setChecked(ProfileFlags.General[1]);
  chkExeOnStart.setChecked(ProfileFlags.General[2]);
  chkExeOnWCShut.setChecked(ProfileFlags.General[3]);
}

void TForm1::OneClickSettingsInit() {
  ApplyMarks(clbOneClick, ProfileFlags.OneClick);
}

template <std::size_t N>
void TForm1::SaveQuickStartMarks(const char* section, ui::CheckList& list,
                                 std::array<bool, N>& flags) {
  platform::PrivateProfile file = profile.Open();
  for (std::size_t i = 0; i < N; ++i) flags[i] = list.checked(static_cast<int>(i));
  for (std::size_t i = 0; i < N; ++i) {
    file.WriteBool(section, ItemKey(static_cast<int>(i) + 1), flags[i]);
  }
  if (ReturnPages.first == "OneClick") ReturnToOneClick();
}

void TForm1::sgbIERepairActionSaveClick() {
  SaveQuickStartMarks(kIERepairerSection, clbIEQuickStart, ProfileFlags.IERepairer);
}

void TForm1::sgbSysRepairQSSaveClick() {
  SaveQuickStartMarks(kSystemRepairerSection, clbSysRepairQS, ProfileFlags.SystemRepairer);
}

void TForm1::sgbHistoryCleanActionSaveClick() {
  SaveQuickStartMarks(kHistoryCleanerSection, clbHistoryCleanQS, ProfileFlags.HistoryCleaner);
}

}  // namespace app
