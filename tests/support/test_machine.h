#pragma once

#include <memory>

#include "app/services.h"
#include "platform/memory/fixed_clock.h"
#include "platform/memory/memory_drives.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_files.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_system_info.h"
#include "platform/memory/recorded_file_operations.h"
#include "platform/memory/scripted_dde.h"
#include "platform/memory/shell_recorder.h"
#include "program/program.h"
#include "support/counting_pump.h"
#include "support/memory_pictures.h"
#include "support/scripted_dialogs.h"
#include "ui/application.h"

namespace testing_support {

// A whole machine in memory, and the program started on it.
class TestMachine {
 public:
  TestMachine();
  ~TestMachine();

  platform::MemoryRegistry registry;
  platform::MemoryFiles files;
  platform::MemoryFileSystem fileSystem;
  platform::RecordedFileOperations fileOperations;
  platform::MemoryDrives drives;
  platform::FixedClock clock;
  platform::ShellRecorder shell;
  platform::MemorySystemInfo system;
  platform::ScriptedDde dde;
  MemoryPictures pictures;
  ScriptedDialogs dialogs;
  CountingPump pump;
  ui::Application application{dialogs, pump, "Sparvane Utilities 2006"};
  app::Services services{registry, files,  fileSystem, fileOperations, drives, clock,
                         shell,    system, dde,        pictures};

  // Starts the program (again: a fresh start on the same machine).
  program::Program& start();
  program::Program& program() { return *program_; }
  app::TForm1& form() { return program_->form1; }

  // The profile file's path and its bytes.
  std::string profilePath() const { return system.executableFolder + "spvProfile.dat"; }
  std::string profileBytes() const;

 private:
  std::unique_ptr<program::Program> program_;
};

}  // namespace testing_support
