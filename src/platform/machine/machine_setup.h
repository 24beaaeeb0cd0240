#pragma once

#include <optional>
#include <string>

namespace platform {

// The machine the program works on: the Wine prefix named by $WINEPREFIX when it is set, else
// the embedded machine "machine" in the executable's folder.
struct MachineChoice {
  std::string prefix;
  bool embedded = false;
};
MachineChoice ChooseMachine(const std::optional<std::string>& winePrefix,
                            const std::string& executableFolder);

// Whether a folder looks like a Wine prefix: its drive links or its registry files are there.
bool LooksLikePrefix(const std::string& folder);

// Makes what an embedded machine lacks: the drive link C: -> drive_c, the Windows and user
// folders, and (when the registry files are missing) a small default registry. Only C: is
// mapped. An existing machine is left as it is.
void PrepareEmbeddedMachine(const std::string& prefix, const std::string& userName);

// The name of the user the program runs as.
std::string CurrentUserName();

}  // namespace platform
