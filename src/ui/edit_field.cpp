#include "ui/edit_field.h"

#include "ui/application.h"

namespace ui {

EditField::EditField(std::string name, std::string text) : Control(std::move(name)) {
  setCaption(std::move(text));
}

void EditField::setText(std::string text) {
  if (text == caption()) return;
  setCaption(std::move(text));
  fire(onChange);
}

void EditField::type(std::string text) {
  if (enabled() && visible() && !readOnly_) RunHandler([&] { setText(std::move(text)); });
}

void EditField::setReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  notify();
}

void Memo::setLines(std::vector<std::string> lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  notify();
}

std::string Memo::text() const {
  std::string joined;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines_[i];
  }
  return joined;
}

void Memo::type(std::string_view text) {
  if (!enabled() || readOnly_) return;
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  setLines(std::move(lines));
}

void Memo::setReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  notify();
}

}  // namespace ui
