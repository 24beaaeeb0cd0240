#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace platform {

// Opens documents, folders and addresses with the desktop's own choice of program, through
// xdg-open. The program is started directly with the target as its one argument: no shell ever
// sees a file name.
class XdgShell : public Shell {
 public:
  // Maps a Windows path to the Unix path it names; nullopt when it names nothing.
  using PathResolver = std::function<std::optional<std::string>(std::string_view)>;

  explicit XdgShell(PathResolver resolve, std::string opener = "xdg-open");

  int ShellExecuteA(std::string_view verb, std::string_view file, std::string_view parameters,
                    std::string_view directory, int showCommand) override;

  // Explorer has no program here: "explorer.exe" with "/e, <folder>" opens the folder in the
  // desktop's file manager, and with "/select, <path>" shows the containing folder with the
  // item selected (through the file manager's D-Bus interface, else the folder alone).
  int Explore(std::string_view parameters);

  // What the target of a request is for xdg-open: an address as it stands, or the Unix path of
  // a file that exists. nullopt when there is nothing to open.
  std::optional<std::string> Target(std::string_view file, std::string_view directory) const;

 private:
  PathResolver resolve_;
  std::string opener_;
};

// Runs a program with its arguments, without a shell, and waits for its exit code (-1 when it
// could not start or did not exit normally).
int RunAndWait(const std::string& program, const std::vector<std::string>& arguments);
// Starts a program with its arguments, without a shell and without waiting for it.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace platform
