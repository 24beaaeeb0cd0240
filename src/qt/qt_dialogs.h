#pragma once

#include <functional>
#include <string>

#include "ui/dialogs.h"

namespace qtui {

// The program's questions to the user as Qt dialogs.
class QtDialogs : public ui::Dialogs {
 public:
  // Turns the Unix path of a chosen file into the Windows path the program works with.
  using PathToWindows = std::function<std::string(const std::string& unixPath)>;

  explicit QtDialogs(PathToWindows toWindows) : toWindows_(std::move(toWindows)) {}

  int MessageBox(std::string_view text, std::string_view caption, unsigned flags) override;
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view defaultText) override;
  std::optional<std::string> OpenPicture(std::string_view title) override;

 private:
  PathToWindows toWindows_;
};

}  // namespace qtui
