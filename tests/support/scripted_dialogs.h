#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace testing_support {

// Dialogs whose answers a test scripts. Every box shown is remembered.
class ScriptedDialogs : public ui::Dialogs {
 public:
  struct Box {
    std::string text;
    std::string caption;
    unsigned flags = 0;
  };

  int MessageBox(std::string_view text, std::string_view caption, unsigned flags) override;
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view defaultText) override;
  std::optional<std::string> OpenPicture(std::string_view title) override;

  // Answers for Yes/No boxes, first to last; when none is left, `defaultAnswer`.
  std::deque<int> answers;
  int defaultAnswer = ui::IDYES;
  std::deque<std::optional<std::string>> inputs;
  std::deque<std::optional<std::string>> pictures;
  // Runs while a box is open (a test can act as if the user did something meanwhile).
  std::function<void(const Box&)> whileOpen;

  std::vector<Box> boxes;
  std::vector<std::string> inputPrompts;

  // The boxes shown with the error icon.
  std::vector<Box> errors() const;
};

}  // namespace testing_support
