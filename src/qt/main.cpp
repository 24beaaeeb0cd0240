
#include <QApplication>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <cstdio>
#include <exception>

#include "app/main_form.h"
#include "platform/machine/host_files.h"
#include "platform/machine/machine_system_info.h"
#include "platform/machine/system_clock.h"
#include "platform/machine/unix_paths.h"
#include "platform/machine/xdg_shell.h"
#include "platform/memory/memory_registry.h"
#include "program/program.h"
#include "qt/main_window_view.h"
#include "qt/program_look.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_pump.h"
#include "qt/window_view.h"
#include "ui/application.h"

namespace {

std::optional<std::string> ResolveWindowsPath(std::string_view windowsPath) {
  return platform::UnmappedWindowsPathToUnix(windowsPath);
}

int Run(QApplication& qtApplication) {
  platform::MemoryRegistry registry;
  platform::HostFiles files(ResolveWindowsPath);
  platform::SystemClock clock;
  platform::XdgShell shell(ResolveWindowsPath);
  platform::MachineSystemInfo system(
      platform::UnixToUnmappedWindowsPath(platform::RunningExecutableFolder()) + "\\");
  app::Services services{registry, files, clock, shell, system};

  qtui::QtDialogs dialogs(
      [](const std::string& unixPath) { return platform::UnixToUnmappedWindowsPath(unixPath); });
  qtui::QtPump pump;
  ui::Application application(dialogs, pump, app::kProductName);
  program::Program program(application, services);

  qtui::BuildOptions build;
  build.resolvePicture = ResolveWindowsPath;
  qtui::MainWindowView mainWindow(program.form1, {build, QSystemTrayIcon::isSystemTrayAvailable()});
  qtui::WindowOptions oneClick;
  oneClick.build = build;
  oneClick.background = Qt::white;
  oneClick.margin = 8;
  qtui::WindowView oneClickWindow(program.form2.Form2, &mainWindow, oneClick);
  qtui::WindowOptions about;
  about.build = build;
  about.fixedSize = true;
  about.background = Qt::white;
  about.margin = 0;
  about.inset = 9;
  about.pointSize = 8;  // small print: the notice's lines are long
  qtui::WindowView aboutWindow(program.form3.Form3, &mainWindow, about);

  // The other windows close with the main window.
  mainWindow.onClosed = [] { QCoreApplication::quit(); };
  if (program.form1.Form1.state() == ui::WindowState::Closed) return 0;
  return qtApplication.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(app::kProductName));
  qtui::ApplyProgramLook(qtApplication);
  // A window in the tray is hidden; only the main window's closing ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  try {
    return Run(qtApplication);
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QString::fromUtf8(app::kProductName),
                          QString::fromUtf8(error.what()));
    std::fprintf(stderr, "sparvane: %s\n", error.what());
    return 1;
  }
}
