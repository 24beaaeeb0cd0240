#include "ierepair/ie_window_info.h"

namespace ierepair {

namespace {

constexpr char kService[] = "IExplore";
constexpr char kTopic[] = "WWW_GetWindowInfo";
// The browser's active window.
constexpr char kActiveWindowItem[] = "-1";
constexpr unsigned kRequestTimeoutMs = 10000;

bool ConnectToBrowser(platform::Dde& dde) {
  if (dde.Connect(kService, kTopic)) return true;
  // One attempt to start a server, minimised and in the background.
  std::string commandLine = std::string(kService) + " " + kTopic;
  if (!dde.StartServer(commandLine, platform::SW_SHOWMINNOACTIVE)) return false;
  return dde.Connect(kService, kTopic);
}

}  // namespace

std::string GetIEWindowInfo(platform::Dde& dde, ui::Dialogs& dialogs, std::string_view caption) {
  if (!ConnectToBrowser(dde)) {
    dialogs.MessageBox("IE is not running !!!", caption, ui::MB_OK);
    return {};
  }
  std::string answer = dde.Request(kActiveWindowItem, kRequestTimeoutMs).value_or("");
  dde.Disconnect();
  return answer;
}

std::string AddressOfWindowInfo(std::string_view answer) {
  std::size_t comma = answer.find(',');
  // Zero-based: the comma must stand in the fourth place or later.
  if (comma == std::string_view::npos || comma < 3) return {};
  return std::string(answer.substr(1, comma - 2));
}

}  // namespace ierepair
