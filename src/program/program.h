#pragma once

#include "app/about_form.h"
#include "app/main_form.h"
#include "app/services.h"
#include "diskclean/disk_cleaner.h"
#include "emptyfolders/empty_folder_finder.h"
#include "history/history_cleaner.h"
#include "ierepair/ie_repairer.h"
#include "oneclick/one_click_form.h"
#include "sysrepair/system_repairer.h"
#include "ui/application.h"

namespace program {

// The whole program on a given set of services: the main window with every tool plugged in,
// then the 1-Click and About windows, made in that order as the program starts.
class Program {
 public:
  Program(ui::Application& application, app::Services& services);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  app::TForm1 form1;
  ierepair::IERepairer ieRepairer;
  sysrepair::SystemRepairer systemRepairer;
  history::HistoryCleaner historyCleaner;
  diskclean::DiskCleaner diskCleaner;
  emptyfolders::EmptyFolderFinder emptyFolderFinder;
  oneclick::TForm2 form2;
  app::TForm3 form3;
};

}  // namespace program
