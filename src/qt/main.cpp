
#include <QApplication>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "app/main_form.h"
#include "platform/error.h"
#include "platform/machine/machine_services.h"
#include "platform/machine/machine_setup.h"
#include "program/program.h"
#include "qt/main_window_view.h"
#include "qt/program_look.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_pictures.h"
#include "qt/qt_pump.h"
#include "qt/window_view.h"
#include "ui/application.h"

namespace {

// The machine to work on: the Wine prefix of $WINEPREFIX, or the embedded one beside the program.
std::string MachinePrefix(const std::string& executableFolder) {
  const char* winePrefix = std::getenv("WINEPREFIX");
  platform::MachineChoice choice = platform::ChooseMachine(
      winePrefix ? std::optional<std::string>(winePrefix) : std::nullopt, executableFolder);
  if (choice.embedded) {
    platform::PrepareEmbeddedMachine(choice.prefix, platform::CurrentUserName());
  } else if (!platform::LooksLikePrefix(choice.prefix)) {
    throw std::runtime_error("WINEPREFIX names " + choice.prefix +
                             ", which is not a Wine prefix. Make it with wineboot, or unset "
                             "WINEPREFIX to use the program's own machine.");
  }
  return choice.prefix;
}

int Run(QApplication& qtApplication) {
  const std::string executableFolder = platform::RunningExecutableFolder();
  platform::MachineServices machine(MachinePrefix(executableFolder), executableFolder);
  auto toUnix = [&machine](std::string_view path) { return machine.machine.ToUnix(path); };
  qtui::QtPictures pictures(toUnix);
  app::Services services{
      machine.registry, machine.files, machine.fileSystem, machine.fileOperations,
      machine.drives,   machine.clock, machine.shell,      machine.system,
      machine.dde,      pictures};

  qtui::QtDialogs dialogs(
      [&machine](const std::string& unixPath) { return machine.machine.ToWindows(unixPath); });
  qtui::QtPump pump;
  ui::Application application(dialogs, pump, app::kProductName);
  // Registry changes reach Wine's files at the end of every handler, after start-up and at exit.
  auto saveRegistry = [&] {
    if (!machine.registry.Save()) {
      application.showError(platform::Error(machine.registry.SaveError()));
    }
  };
  ui::Connection saving = application.handlerFinished.connect(saveRegistry);
  program::Program program(application, services);
  saveRegistry();

  qtui::BuildOptions build;
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
  int result = qtApplication.exec();
  saveRegistry();
  return result;
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
