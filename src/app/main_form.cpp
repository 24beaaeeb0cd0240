#include "app/main_form.h"

#include "app/first_run_profile.h"

namespace app {

TForm1::TForm1(ui::Application& application, Services& services)
    : application(application),
      services(services),
      profile(services.files, services.system.ExecutableFolder()),
      spStatus1(sbStatusBar.addPane("spStatus1", 465)),
      spStatus2(sbStatusBar.addPane("spStatus2", 120)),
      spStatus3(sbStatusBar.addPane("spStatus3", 0)) {
  Form1.setCaption(kProductName);
  ctiTrayIcon.setHint(kProductName);
  lblWebSite.setHint("Visit our website!");
  DeclareLeftPages();
  DeclareRightPages();
  ConnectHandlers();
  nbRightPageChanged();
}

void TForm1::ConnectHandlers() {
  Form1.onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  Form1.onMinimize = [this] {
    if (ctiTrayIcon.minimizeToTray()) ibMiniToTrayClick();
  };
  nbRight.onPageChanged = [this] { nbRightPageChanged(); };
  hintConnection_ =
      application.hintChanged.connect([this](const std::string& hint) { aaStatusHintHint(hint); });

  sgbMainWelcome.onClick = [this] { sgbMainWelcomeClick(); };
  sgbRepair.onClick = [this] { sgbRepairClick(); };
  sgbClean.onClick = [this] { sgbCleanClick(); };
  sgbSettings.onClick = [this] { sgbSettingsClick(); };
  xpbSettingsBack.onClick = [this] { xpbSettingsBackClick(); };
  xpbSettingsOk.onClick = [this] { xpbSettingsOkClick(); };
  tvSettings.onClick = [this] { tvSettingsClick(); };
  chkAutoLoad.onClick = [this] { chkAutoLoadClick(); };
  xpbCheckOneClick.onClick = [this] { xpbCheckOneClickClick(); };
  xpbUncheckOneClick.onClick = [this] { xpbUncheckOneClickClick(); };
  xpbOneClick.onClick = [this] { xpbOneClickClick(); };

  // The cleaning tools share one Back.
  for (ui::Button* back : {&sgbHistoryCleanActionBack, &sgbDiskCleanBack, &bgEmptyFolderBack}) {
    back->onClick = [this] { sgbHistoryCleanActionBackClick(); };
  }
  sgbIERepairActionSave.onClick = [this] { sgbIERepairActionSaveClick(); };
  sgbSysRepairQSSave.onClick = [this] { sgbSysRepairQSSaveClick(); };
  sgbHistoryCleanActionSave.onClick = [this] { sgbHistoryCleanActionSaveClick(); };

  for (ui::Label* link :
       {&lblIERepair, &lblSysRepair, &lblHistory, &lblDiskCleaner, &lblEmptyFolderFinder}) {
    link->setBold(true);
    link->onMouseMove = [this, link] { lblIERepairMouseMove(*link); };
    link->onMouseLeave = [this, link] { lblIERepairMouseLeave(*link); };
  }

  ibMinimize.onClick = [this] { ibMinimizeClick(); };
  ibMiniToTray.onClick = [this] { ibMiniToTrayClick(); };
  ibClose.onClick = [this] { ibCloseClick(); };
  ctiTrayIcon.onDblClick = [this] { ctiTrayIconDblClick(); };
  FlatButton1.onClick = [this] { FlatButton1Click(); };
  lblWebSite.onClick = [this] { lblWebSiteClick(); };
  PopupMenu1.addItem("Help1", "&Help").onClick = [this] { Help1Click(); };
  PopupMenu1.addItem("N1", "-");
  PopupMenu1.addItem("Website1", "Sparvane &Website").onClick = [this] { Website1Click(); };
  PopupMenu1.addItem("Support1", "Sparvane &Support").onClick = [this] { Support1Click(); };
  PopupMenu1.addItem("Feedback1", "&Feedback").onClick = [this] { Feedback1Click(); };
  PopupMenu1.addItem("N2", "-");
  PopupMenu1.addItem("About1", "&About").onClick = [this] { About1Click(); };
}

void TForm1::FormCreate() {
  try {
    ReturnPages = {"snbDefault", "snbWelcome"};
    if (startup.GetSystemIcons) startup.GetSystemIcons();
    if (startup.AddDisks) startup.AddDisks();
    CopyDriveRows();
    NtPlatform = services.system.PlatformId() == platform::VER_PLATFORM_WIN32_NT;
    ScanStopped = false;
    EmptyScanStopped = false;
    if (startup.LoadMaskLists) startup.LoadMaskLists();
    LoadProfile();
    IERepairQSInit();
    SysRepairQSInit();
    HistoryCleanInit();
    GeneralSettingsInit();
    OneClickSettingsInit();
  } catch (const std::exception& error) {
    // The rest of start-up is skipped; the window comes up all the same.
    application.showError(error);
  }
}

void TForm1::CopyDriveRows() {
  // The Empty Folder Finder's list shows the same drives, without icons, all marked.
  lvEmptyScanIn.setColumns(lvDisk.columns());
  lvEmptyScanIn.setCheckBoxes(true);
  lvEmptyScanIn.beginUpdate();
  lvEmptyScanIn.clear();
  for (const ui::ListRow& row : lvDisk.rows()) {
    ui::ListRow copy = row;
    copy.imageIndex = -1;
    lvEmptyScanIn.addRow(std::move(copy));
  }
  for (int i = 0; i < lvEmptyScanIn.rowCount(); ++i) lvEmptyScanIn.setChecked(i, true);
  lvEmptyScanIn.endUpdate();
  lvDisk.beginUpdate();
  for (int i = 0; i < lvDisk.rowCount(); ++i) lvDisk.setChecked(i, true);
  lvDisk.endUpdate();
}

void TForm1::LoadProfile() {
  if (!profile.FileExists()) {
    platform::PrivateProfile file = profile.Open();
    WriteFirstRunProfile(file);
  }
  platform::PrivateProfile file = profile.Open();
  auto readMarks = [&file](const char* section, std::string_view defaults, auto& flags) {
    for (std::size_t i = 0; i < flags.size(); ++i) {
      flags[i] = file.ReadBool(section, ItemKey(static_cast<int>(i) + 1), defaults[i] == '1');
    }
  };
  readMarks(kIERepairerSection, kIERepairerMarks, ProfileFlags.IERepairer);
  readMarks(kSystemRepairerSection, kSystemRepairerMarks, ProfileFlags.SystemRepairer);
  readMarks(kHistoryCleanerSection, kHistoryCleanerMarks, ProfileFlags.HistoryCleaner);
  readMarks(kGeneralSection, kGeneralMarks, ProfileFlags.General);
  if (ProfileFlags.General[1]) {
    // Minimize to the tray on start-up: the window goes to the tray instead of appearing.
    Form1.setState(ui::WindowState::Minimized);
    ctiTrayIcon.setMinimizeToTray(true);
  }
  readMarks(kOneClickSection, kOneClickMarks, ProfileFlags.OneClick);
  spcbToolBarBgImage.setChecked(file.ReadBool(kIEViewSection, "BgPic", false));
  edtImage.setText(file.ReadString(kIEViewSection, "ImgPath", ""));
  ShowWelcomeLines(file);
}

void TForm1::FormCloseQuery(bool& canClose) {
  canClose = true;
}

void TForm1::ShowOnStart() {
  if (Form1.state() == ui::WindowState::Minimized) {
    Form1.minimize();
  } else {
    Form1.show();
  }
}

}  // namespace app
