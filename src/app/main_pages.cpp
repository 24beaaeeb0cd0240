#include "app/main_form.h"

namespace app {

using namespace ui::layout;

namespace {

ui::LayoutNode Buttons(std::initializer_list<ui::Button*> buttons) {
  std::vector<ui::LayoutNode> items;
  for (ui::Button* button : buttons) items.push_back(item(*button));
  return column(std::move(items));
}

ui::LayoutNode Panel(ui::Page& page, std::string name, std::string caption,
                     std::vector<ui::LayoutNode> children) {
  return panel(page.make<ui::Panel>(std::move(name), std::move(caption)), std::move(children));
}

}  // namespace

void TForm1::DeclareLeftPages() {
  for (ui::Button* button : {&sgbMainWelcome, &sgbRepair, &sgbClean, &sgbSettings}) {
    bgMain.add(*button);
  }
  for (ui::Button* button : {&sgbIERepairQS, &sgbIERepairView, &sgbIERepairIEOptions,
                             &sgbIERepairContextMenu, &sgbIERepairToolbar}) {
    bgIERepair.add(*button);
  }
  for (ui::Button* button : {&sgbSysRepairQS, &sgbSysRepairGeneral, &sgbSysRepairOEM}) {
    bgSysRepair.add(*button);
  }
  for (ui::Button* button :
       {&sgbHistoryCleanQS, &sgbHistoryCleanTypedUrls, &sgbHistoryCleanCookies}) {
    bgHistoryClean.add(*button);
  }
  bgMain.press(sgbMainWelcome);
  bgIERepair.press(sgbIERepairQS);
  bgSysRepair.press(sgbSysRepairQS);
  bgHistoryClean.press(sgbHistoryCleanQS);

  ui::Page& start = nbLeft.addPage("snbDefault");
  start.layout = column({Panel(start, "rpMain", "Start Pages",
                               {Buttons({&sgbMainWelcome, &sgbRepair, &sgbClean, &sgbSettings})}),
                         stretch()});

  ui::Page& disk = nbLeft.addPage("snbDiskCleaner");
  disk.layout = column({Panel(disk, "rpDiskCleaner", "Disk Cleaner",
                              {Buttons({&sgbDiskCleanScan, &sgbDiskCleanRemove,
                                        &sgbDiskCleanSettings, &sgbDiskCleanBack})}),
                        stretch()});

  ui::Page& ie = nbLeft.addPage("snbIERepair");
  ie.layout = column(
      {Panel(ie, "rpIERepair", "IE Repairer",
             {Buttons({&sgbIERepairQS, &sgbIERepairView, &sgbIERepairIEOptions,
                       &sgbIERepairContextMenu, &sgbIERepairToolbar})}),
       panel(rpIERepairAction,
             {Buttons({&sgbIERepairActionRepair, &sgbIERepairActionSave, &sgbIERepairActionBack})}),
       stretch()});

  ui::Page& oem = nbSysRepairAction.addPage("snbOEM");
  oem.layout = Panel(oem, "rpOEMAction", "Action",
                     {Buttons({&sgbSysRepairActionClear, &sgbSysRepairActionSave,
                               &sgbSysRepairActionReset, &sgbSysRepairActionBack})});
  ui::Page& quickStart = nbSysRepairAction.addPage("snbQuickStart");
  quickStart.layout =
      Panel(quickStart, "rpSysRepairQSAction", "Action",
            {Buttons({&sgbSysRepairQSClean, &sgbSysRepairQSSave, &sgbSysRepairQSBack})});
  ui::Page& general = nbSysRepairAction.addPage("snbGeneral");
  general.layout = Panel(general, "rpGeneralAction", "Action",
                         {Buttons({&sgbGeneralActionSave, &sgbGeneralActionBack})});
  nbSysRepairAction.setActivePage("snbQuickStart");

  ui::Page& sys = nbLeft.addPage("snbSysRepair");
  sys.layout = column({Panel(sys, "rpSysRepair", "System Repair",
                             {Buttons({&sgbSysRepairQS, &sgbSysRepairGeneral, &sgbSysRepairOEM})}),
                       item(nbSysRepairAction), stretch()});

  ui::Page& history = nbLeft.addPage("snbClean");
  history.layout = column(
      {Panel(history, "rpHistoryClean", "History Cleaner",
             {Buttons({&sgbHistoryCleanQS, &sgbHistoryCleanTypedUrls, &sgbHistoryCleanCookies})}),
       panel(rpHistoryCleanAction,
             {Buttons({&sgbHistoryCleanActionClean, &sgbHistoryCleanActionSave,
                       &sgbHistoryCleanActionBack})}),
       stretch()});

  ui::Page& settings = nbLeft.addPage("snbSettings");
  settings.layout =
      column({item(tvSettings), Panel(settings, "rpSettingsAction", "Action",
                                      {Buttons({&xpbSettingsOk, &xpbSettingsBack})})});

  ui::Page& empty = nbLeft.addPage("snbEmptyFolder");
  empty.layout = column({Panel(empty, "rpEmptyFolder", "Empty Folder Finder",
                               {Buttons({&bgEmptyFolderScan, &bgEmptyFolderRemove,
                                         &bgEmptyFolderSettings, &bgEmptyFolderBack})}),
                         stretch()});

  ui::Page& emptySettings = nbLeft.addPage("snbEmptyFolderSettings");
  emptySettings.layout =
      column({Panel(emptySettings, "rpEmptyFolderSettings", "Empty Folder Settings",
                    {Buttons({&sgbEmptyFolderSettingsOk})}),
              stretch()});
}

void TForm1::DeclareRightPages() {
  static const std::pair<const char*, const char*> kPages[] = {
      {"snbDefault", "Repairing Tools"},
      {"snbIERepair", "Quick Start"},
      {"snbSysRepair", "Quick Start"},
      {"snbCleanQuickStart", "Quick Start"},
      {"snbSettings", "General"},
      {"snbIEView", "View"},
      {"snbInternetOptions", "Internet Options"},
      {"snbContextMenu", "Context Menu"},
      {"snbToolbar", "Toolbar"},
      {"snbGeneral", "General"},
      {"snbOEM", "OEM Info"},
      {"snbCookies", "Cookies"},
      {"snbTypedUrls", "Typed URLs"},
      {"snbOneClick", "1-Click"},
      {"snbClean", "Cleaning Tools"},
      {"snbDiskCleaner", "Disk Cleaner"},
      {"snbSelectDisk", "Drives"},
      {"snbTypeOfFiles", "Type of Files"},
      {"snbWelcome", "Welcome"},
      {"snbEmptyFolder", "Empty Folders Finder"},
      {"snbEmptyFolderSettings", "Empty Folder Finder - Settings"},
  };
  for (const auto& [name, header] : kPages) nbRight.addPage(name, header);
  nbRight.setActivePage("snbWelcome");
  DeclareStartPages();
  DeclareWelcomePage();
  DeclareSettingsPages();
}

void TForm1::DeclareStartPages() {
  auto link = [](ui::Page& page, ui::Label& label, std::string description) {
    return column({item(label),
                   item(page.make<ui::Label>(label.name() + "Text", std::move(description))),
                   spacing(12)});
  };
  ui::Page& repairing = nbRight.page("snbDefault");
  repairing.layout = column(
      {link(repairing, lblIERepair,
            "Repair the Internet Explorer settings that web pages and malicious code have "
            "changed."),
       link(repairing, lblSysRepair,
            "Undo the restrictions that malicious code has placed on the registry and the shell."),
       stretch()});

  ui::Page& cleaning = nbRight.page("snbClean");
  cleaning.layout = column(
      {link(cleaning, lblHistory,
            "Erase cookies, typed addresses, the browser's cache and history, and other traces."),
       link(cleaning, lblDiskCleaner, "Find the junk files on your drives and remove them."),
       link(cleaning, lblEmptyFolderFinder, "Find the folders that hold no files and remove them."),
       stretch()});
}

void TForm1::DeclareWelcomePage() {
  ui::Page& welcome = nbRight.page("snbWelcome");
  ui::Label& summary = welcome.make<ui::Label>("lblSummary", "Summary\xEF\xBC\x9A");
  summary.setBold(true);
  auto line = [&welcome](const char* name, const char* text, ui::Label& result) {
    return row({item(welcome.make<ui::Label>(name, text)), item(result), stretch()});
  };
  welcome.layout = column(
      {item(summary),
       item(welcome.make<ui::PictureBox>("imgSummarySeparator", ui::PictureBox::Role::Separator)),
       line("lblLastIERepair", "Last IE Repairer", lblIERepairResult),
       line("lblLastSysRepair", "Last System Repairer", lblSysRepairResult),
       line("lblLastHistoryClean", "Last History Cleaner", lblHistoryCleanResult),
       line("lblLastDiskClean", "Last Disk Cleaner", lblDiskCleanResult), stretch(),
       row({stretch(), item(xpbOneClick)})});
}

}  // namespace app
