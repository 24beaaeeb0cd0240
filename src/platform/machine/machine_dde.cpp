#include "platform/machine/machine_dde.h"

#include <sstream>
#include <vector>

#include "platform/machine/xdg_shell.h"

namespace platform {

bool MachineDde::Connect(std::string_view, std::string_view) {
  return false;
}

std::optional<std::string> MachineDde::Request(std::string_view, unsigned) {
  return std::nullopt;
}

bool MachineDde::StartServer(std::string_view commandLine, int) {
  std::istringstream words{std::string(commandLine)};
  std::string program;
  std::vector<std::string> arguments;
  if (!(words >> program)) return false;
  for (std::string word; words >> word;) arguments.push_back(word);
  return StartDetached(program, arguments);
}

}  // namespace platform
