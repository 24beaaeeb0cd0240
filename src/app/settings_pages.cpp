#include "app/main_form.h"
#include "platform/registry.h"

namespace app {

using namespace ui::layout;

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

enum SettingsNode {
  kGeneralNode = 0,
  kOneClickNode = 1,
  kJunkFilesNode = 2,
  kDrivesNode = 3,
  kTypeOfFilesNode = 4,
};

}  // namespace

void TForm1::DeclareSettingsPages() {
  tvSettings.addNode("General");
  tvSettings.addNode("1-Click");
  int junk = tvSettings.addNode("Junk Files");
  tvSettings.addNode("Drives", junk);
  tvSettings.addNode("Type of Files", junk);
  int duplicates = tvSettings.addNode("Duplicate Files");
  tvSettings.addNode("Scanner", duplicates);

  chkMinimize.setEnabled(false);
  ui::Page& page = nbRight.page("snbSettings");
  page.layout = column(
      {item(page.make<ui::Label>("lblSettingsText", "Specify general settings here")),
       group("grpStartup", "Startup",
             {item(page.make<ui::Label>("lblStartupText",
                                        "Specify whether Sparvane Utilities should be loaded "
                                        "automatically on Windows startup.")),
              item(chkAutoLoad), item(chkMinimize)}),
       group("grpSchedule", "Schedule",
             {item(page.make<ui::Label>("lblScheduleText",
                                        "Use options here to set up automatic cleans and repairs "
                                        "which marked at 1-Click \r\npage(exclude Disk Cleaner).")),
              item(chkExeOnStart), item(chkExeOnWCShut)}),
       stretch()});

  clbOneClick.setItems({"Execute marked Internet Explorer Repairer options",
                        "Execute marked System Repairer options",
                        "Execute marked History Cleaner options",
                        "Execute marked Disk Cleaner options"});
  ui::Page& oneClick = nbRight.page("snbOneClick");
  oneClick.layout = column(
      {item(oneClick.make<ui::Label>(
           "lblOneClickText", "Define which item will be executed when using 1-Click function")),
       item(clbOneClick), row({item(xpbCheckOneClick), item(xpbUncheckOneClick), stretch()})});
}

void TForm1::tvSettingsClick() {
  switch (tvSettings.selectedIndex()) {
    case kGeneralNode:
      nbRight.setActivePage("snbSettings");
      break;
    case kOneClickNode:
      nbRight.setActivePage("snbOneClick");
      break;
    case kJunkFilesNode:
    case kDrivesNode:
      if (settings.ShowDrives) {
        settings.ShowDrives();
      } else {
        nbRight.setActivePage("snbSelectDisk");
      }
      break;
    case kTypeOfFilesNode:
      if (settings.ShowFileTypes) {
        settings.ShowFileTypes();
      } else {
        nbRight.setActivePage("snbTypeOfFiles");
      }
      break;
    default:
      break;
  }
}

void TForm1::chkAutoLoadClick() {
  if (chkAutoLoad.checked()) {
    chkMinimize.setEnabled(true);
  } else {
    chkMinimize.setEnabled(false);
    chkMinimize.setChecked(false);
  }
}

void TForm1::xpbSettingsOkClick() {
  if (settings.SaveMaskLists) settings.SaveMaskLists();
  platform::PrivateProfile file = profile.Open();
  const ui::CheckBox* boxes[] = {&chkAutoLoad, &chkMinimize, &chkExeOnStart, &chkExeOnWCShut};
  for (std::size_t i = 0; i < 4; ++i) ProfileFlags.General[i] = boxes[i]->checked();
  for (std::size_t i = 0; i < 4; ++i) {
    file.WriteBool(kGeneralSection, ItemKey(static_cast<int>(i) + 1), ProfileFlags.General[i]);
  }
  if (ProfileFlags.General[0]) {
    platform::RegWriteValue(services.registry, platform::vkString,
                            platform::RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey, kProductName,
                            services.system.ExecutableFolder() + "Sparvane.exe");
  } else {
    platform::RegRemoveValue(services.registry, platform::RegistryRoot::HKEY_LOCAL_MACHINE, kRunKey,
                             kProductName);
  }
  for (std::size_t i = 0; i < 4; ++i)
    ProfileFlags.OneClick[i] = clbOneClick.checked(static_cast<int>(i));
  for (std::size_t i = 0; i < 4; ++i) {
    file.WriteBool(kOneClickSection, ItemKey(static_cast<int>(i) + 1), ProfileFlags.OneClick[i]);
  }
  if (ReturnPages.first == "OneClick") ReturnToOneClick();
}

void TForm1::xpbCheckOneClickClick() {
  ui::CheckAll(clbOneClick);
}

void TForm1::xpbUncheckOneClickClick() {
  ui::UncheckAll(clbOneClick);
}

}  // namespace app
