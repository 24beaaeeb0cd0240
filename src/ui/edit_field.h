#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ui {

// A one-line edit field; its text is the control's caption.
class EditField : public Control {
 public:
  explicit EditField(std::string name, std::string text = {});

  const std::string& text() const { return caption(); }
  // A change of text runs onChange.
  void setText(std::string text);
  // The user edits the field.
  void type(std::string text);

  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);

  std::function<void()> onChange;

 private:
  bool readOnly_ = false;
};

// A multi-line text field; lines are kept as the program gives them.
class Memo : public Control {
 public:
  explicit Memo(std::string name) : Control(std::move(name)) {}

  const std::vector<std::string>& lines() const { return lines_; }
  void setLines(std::vector<std::string> lines);
  // The lines joined with CR LF.
  std::string text() const;
  // The user edits the memo; the text is split at CR LF, LF or CR.
  void type(std::string_view text);

  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);

 private:
  std::vector<std::string> lines_;
  bool readOnly_ = false;
};

}  // namespace ui
