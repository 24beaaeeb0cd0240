#pragma once

#include <functional>
#include <string>
#include <utility>

#include "app/profile_flags.h"
#include "app/profile_store.h"
#include "app/services.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_list.h"
#include "ui/edit_field.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/picture_box.h"
#include "ui/popup_menu.h"
#include "ui/status_bar.h"
#include "ui/tray_icon.h"
#include "ui/tree_view.h"
#include "ui/window.h"

namespace app {

class TForm3;

// The 1-Click Maintenance window as the main window sees it.
class OneClickWindowLink {
 public:
  virtual ~OneClickWindowLink() = default;
  // Shows the window on its first page.
  virtual void ShowDefaultPage() = 0;
  // Shows the window as it was left.
  virtual void ShowWindow() = 0;
};

// The product's addresses.
inline constexpr char kProductName[] = "Sparvane Utilities 2006";
inline constexpr char kWebAddress[] = "https://www.sparvane.example/";
inline constexpr char kSupportAddress[] = "support@sparvane.example";
inline constexpr char kFeedbackAddress[] = "feedback@sparvane.example";
inline constexpr char kHelpFile[] = "sparvane.chm";

// The main window: its two notebooks of named pages, the shell's own pages and controls, and
// the state every tool shares. The tools add their page content and handlers to it.
class TForm1 {
 public:
  TForm1(ui::Application& application, Services& services);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  ui::Application& application;
  Services& services;
  ProfileStore profile;

  // --- state shared by the tools
  std::pair<std::string, std::string> ReturnPages{"snbDefault", "snbWelcome"};
  app::ProfileFlags ProfileFlags;
  bool NtPlatform = false;
  bool ScanStopped = false;
  bool EmptyScanStopped = false;

  // --- the window and its chrome
  ui::Window Form1{"Form1", 699, 528};
  ui::Notebook nbLeft{"nbLeft"};
  ui::Notebook nbRight{"nbRight"};
  ui::Button ibMinimize{"ibMinimize", "", "Minimize"};
  ui::Button ibMiniToTray{"ibMiniToTray", "", "Minimize to system tray"};
  ui::Button ibClose{"ibClose", "", "Close"};
  ui::Button FlatButton1{"FlatButton1", "Help"};
  ui::PopupMenu PopupMenu1{"PopupMenu1"};
  ui::Label lblWebSite{"lblWebSite", "", ui::LabelTone::Hot};
  ui::StatusBar sbStatusBar{"sbStatusBar"};
  ui::StatusPane& spStatus1;
  ui::StatusPane& spStatus2;
  ui::StatusPane& spStatus3;
  ui::TrayIcon ctiTrayIcon{"ctiTrayIcon"};

  // --- left pages: start pages
  ui::ButtonGroup bgMain{"bgMain", true};
  ui::Button sgbMainWelcome{"sgbMainWelcome", "&Welcome"};
  ui::Button sgbRepair{"sgbRepair", "&Repairing Tools"};
  ui::Button sgbClean{"sgbClean", "&Cleaning Tools"};
  ui::Button sgbSettings{"sgbSettings", "&Settings"};

  // --- left pages: Disk Cleaner
  ui::Button sgbDiskCleanScan{"sgbDiskCleanScan", "S&can"};
  ui::Button sgbDiskCleanRemove{"sgbDiskCleanRemove", "&Remove"};
  ui::Button sgbDiskCleanSettings{"sgbDiskCleanSettings", "&Settings"};
  ui::Button sgbDiskCleanBack{"sgbDiskCleanBack", "&Back"};

  // --- left pages: IE Repairer
  ui::ButtonGroup bgIERepair{"bgIERepair", true};
  ui::Button sgbIERepairQS{"sgbIERepairQS", "&Quick Start"};
  ui::Button sgbIERepairView{"sgbIERepairView", "&View"};
  ui::Button sgbIERepairIEOptions{"sgbIERepairIEOptions", "&Internet Options"};
  ui::Button sgbIERepairContextMenu{"sgbIERepairContextMenu", "&Context Menu"};
  ui::Button sgbIERepairToolbar{"sgbIERepairToolbar", "&Toolbar"};
  ui::Panel rpIERepairAction{"rpIERepairAction", "Action", 153};
  ui::Button sgbIERepairActionRepair{"sgbIERepairActionRepair", "&Repair"};
  ui::Button sgbIERepairActionSave{"sgbIERepairActionSave", "&Save"};
  ui::Button sgbIERepairActionBack{"sgbIERepairActionBack", "&Back"};

  // --- left pages: System Repairer
  ui::ButtonGroup bgSysRepair{"bgSysRepair", true};
  ui::Button sgbSysRepairQS{"sgbSysRepairQS", "&Quick Start"};
  ui::Button sgbSysRepairGeneral{"sgbSysRepairGeneral", "&General"};
  ui::Button sgbSysRepairOEM{"sgbSysRepairOEM", "&OEM Info"};
  ui::Notebook nbSysRepairAction{"nbSysRepairAction"};
  ui::Button sgbSysRepairActionClear{"sgbSysRepairActionClear", "&Clear"};
  ui::Button sgbSysRepairActionSave{"sgbSysRepairActionSave", "&Save"};
  ui::Button sgbSysRepairActionReset{"sgbSysRepairActionReset", "&Reset"};
  ui::Button sgbSysRepairActionBack{"sgbSysRepairActionBack", "&Back"};
  ui::Button sgbSysRepairQSClean{"sgbSysRepairQSClean", "&Repair"};
  ui::Button sgbSysRepairQSSave{"sgbSysRepairQSSave", "&Save"};
  ui::Button sgbSysRepairQSBack{"sgbSysRepairQSBack", "&Back"};
  ui::Button sgbGeneralActionSave{"sgbGeneralActionSave", "&Save"};
  ui::Button sgbGeneralActionBack{"sgbGeneralActionBack", "&Back"};

  // --- left pages: History Cleaner
  ui::ButtonGroup bgHistoryClean{"bgHistoryClean", true};
  ui::Button sgbHistoryCleanQS{"sgbHistoryCleanQS", "&Quick Start"};
  ui::Button sgbHistoryCleanTypedUrls{"sgbHistoryCleanTypedUrls", "&Typed URLs"};
  ui::Button sgbHistoryCleanCookies{"sgbHistoryCleanCookies", "C&ookies"};
  ui::Panel rpHistoryCleanAction{"rpHistoryCleanAction", "Action", 120};
  ui::Button sgbHistoryCleanActionClean{"sgbHistoryCleanActionClean", "&Clean"};
  ui::Button sgbHistoryCleanActionSave{"sgbHistoryCleanActionSave", "&Save"};
  ui::Button sgbHistoryCleanActionBack{"sgbHistoryCleanActionBack", "&Back"};

  // --- left pages: settings
  ui::TreeView tvSettings{"tvSettings"};
  ui::Button xpbSettingsOk{"xpbSettingsOk", "&Save"};
  ui::Button xpbSettingsBack{"xpbSettingsBack", "&Back"};

  // --- left pages: Empty Folder Finder
  ui::Button bgEmptyFolderScan{"bgEmptyFolderScan", "S&can"};
  ui::Button bgEmptyFolderRemove{"bgEmptyFolderRemove", "&Remove"};
  ui::Button bgEmptyFolderSettings{"bgEmptyFolderSettings", "&Settings"};
  ui::Button bgEmptyFolderBack{"bgEmptyFolderBack", "&Back"};
  ui::Button sgbEmptyFolderSettingsOk{"sgbEmptyFolderSettingsOk", "&OK"};

  // --- right pages: the start pages' link labels
  ui::Label lblIERepair{"lblIERepair", "Internet Explorer Repairer", ui::LabelTone::Hot};
  ui::Label lblSysRepair{"lblSysRepair", "System Repairer", ui::LabelTone::Hot};
  ui::Label lblHistory{"lblHistory", "History Eraser", ui::LabelTone::Hot};
  ui::Label lblDiskCleaner{"lblDiskCleaner", "Disk Cleaner", ui::LabelTone::Hot};
  ui::Label lblEmptyFolderFinder{"lblEmptyFolderFinder", "Empty Folder Finder", ui::LabelTone::Hot};

  // --- right pages: Welcome
  ui::Label lblIERepairResult{"lblIERepairResult"};
  ui::Label lblSysRepairResult{"lblSysRepairResult"};
  ui::Label lblHistoryCleanResult{"lblHistoryCleanResult"};
  ui::Label lblDiskCleanResult{"lblDiskCleanResult"};
  ui::Button xpbOneClick{"xpbOneClick", "1-Click Maintenance"};

  // --- right pages: the quick-start lists (the tools give them their items)
  ui::CheckList clbIEQuickStart{"clbIEQuickStart"};
  ui::CheckList clbSysRepairQS{"clbSysRepairQS"};
  ui::CheckList clbHistoryCleanQS{"clbHistoryCleanQS"};

  // --- right pages: the drive lists of the Disk Cleaner and the Empty Folder Finder
  ui::ListView lvDisk{"lvDisk"};
  ui::ListView lvEmptyScanIn{"lvEmptyScanIn"};

  // --- right pages: IE View settings read at start-up
  ui::CheckBox spcbToolBarBgImage{"spcbToolBarBgImage", "Enable toolbar background image"};
  ui::EditField edtImage{"edtImage"};

  // --- right pages: settings
  ui::CheckBox chkAutoLoad{"chkAutoLoad", "Load automatically on Windows startup"};
  ui::CheckBox chkMinimize{"chkMinimize", "Minimize to system tray  on Sparvane startup"};
  ui::CheckBox chkExeOnStart{"chkExeOnStart",
                             "Execute the marked 1-Click options on Sparvane startup"};
  ui::CheckBox chkExeOnWCShut{"chkExeOnWCShut",
                              "Execute the marked 1-Click options on Sparvane shutdown"};
  ui::CheckList clbOneClick{"clbOneClick"};
  ui::Button xpbCheckOneClick{"xpbCheckOneClick", "Select &All", "Select all the options"};
  ui::Button xpbUncheckOneClick{"xpbUncheckOneClick", "&Unselect All", "Unselect all the options"};

  // Start-up steps the tools contribute; an empty one is skipped.
  struct StartupSteps {
    std::function<void()> GetSystemIcons;
    std::function<void()> AddDisks;
    std::function<void()> LoadMaskLists;
  } startup;
  // What the settings pages ask of the Disk Cleaner's lists.
  struct SettingsSteps {
    std::function<void()> ShowDrives;
    std::function<void()> ShowFileTypes;
    std::function<void()> SaveMaskLists;
  } settings;

  // The other two windows, made after start-up.
  OneClickWindowLink* Form2 = nullptr;
  TForm3* Form3 = nullptr;

  // --- start-up and shut-down
  void FormCreate();
  void FormCloseQuery(bool& canClose);
  // Shows the window at the end of start-up, or sends it to the tray when it starts minimized.
  void ShowOnStart();

  // --- navigation
  void ShowPages(std::string_view left, std::string_view right);
  void sgbMainWelcomeClick();
  void sgbRepairClick();
  void sgbCleanClick();
  void sgbSettingsClick();
  void xpbSettingsBackClick();
  // Back to the Cleaning Tools page, shared by the cleaning tools.
  void sgbHistoryCleanActionBackClick();
  // Shows the 1-Click window and the Welcome page.
  void ReturnToOneClick();
  void nbRightPageChanged();
  void aaStatusHintHint(const std::string& hint);
  void lblIERepairMouseMove(ui::Label& label);
  void lblIERepairMouseLeave(ui::Label& label);
  void xpbOneClickClick();

  // --- title bar, tray and help
  void ibMinimizeClick();
  void ibMiniToTrayClick();
  void ibCloseClick();
  void ctiTrayIconDblClick();
  void FlatButton1Click();
  void Help1Click();
  void Website1Click();
  void Support1Click();
  void Feedback1Click();
  void lblWebSiteClick();
  void About1Click();

  // --- settings
  void tvSettingsClick();
  void chkAutoLoadClick();
  void xpbSettingsOkClick();
  void xpbCheckOneClickClick();
  void xpbUncheckOneClickClick();

  // --- profile
  void IERepairQSInit();
  void SysRepairQSInit();
  void HistoryCleanInit();
  void GeneralSettingsInit();
  void OneClickSettingsInit();
  void sgbIERepairActionSaveClick();
  void sgbSysRepairQSSaveClick();
  void sgbHistoryCleanActionSaveClick();

  // --- Welcome summary
  std::string GetTimeStr();
  void ReportRefresh();

 private:
  void DeclareLeftPages();
  void DeclareRightPages();
  void DeclareStartPages();
  void DeclareWelcomePage();
  void DeclareSettingsPages();
  void ConnectHandlers();
  void CopyDriveRows();
  void LoadProfile();
  void ShowWelcomeLines(const platform::PrivateProfile& profile);
  template <std::size_t N>
  void SaveQuickStartMarks(const char* section, ui::CheckList& list, std::array<bool, N>& flags);

  ui::Connection hintConnection_;
};

}  // namespace app
