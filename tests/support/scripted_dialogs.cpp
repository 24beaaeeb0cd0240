#include "support/scripted_dialogs.h"

namespace testing_support {

int ScriptedDialogs::MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  boxes.push_back({std::string(text), std::string(caption), flags});
  if (whileOpen) whileOpen(boxes.back());
  if ((flags & ui::MB_TYPEMASK) == ui::MB_OK) return ui::IDOK;
  if (answers.empty()) return defaultAnswer;
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::InputBox(std::string_view caption,
                                                     std::string_view prompt,
                                                     std::string_view defaultText) {
  inputPrompts.push_back(std::string(caption) + "|" + std::string(prompt) + "|" +
                         std::string(defaultText));
  if (inputs.empty()) return std::nullopt;
  auto answer = inputs.front();
  inputs.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::OpenPicture(std::string_view) {
  if (pictures.empty()) return std::nullopt;
  auto answer = pictures.front();
  pictures.pop_front();
  return answer;
}

std::vector<ScriptedDialogs::Box> ScriptedDialogs::errors() const {
  std::vector<Box> found;
  for (const Box& box : boxes) {
    if ((box.flags & ui::MB_ICONMASK) == ui::MB_ICONERROR) found.push_back(box);
  }
  return found;
}

}  // namespace testing_support
