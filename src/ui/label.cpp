#include "ui/label.h"

namespace ui {

Label::Label(std::string name, std::string text, LabelTone tone)
    : Control(std::move(name)), tone_(tone) {
  setCaption(std::move(text));
}

void Label::setBold(bool bold) {
  if (bold == bold_) return;
  bold_ = bold;
  notify();
}

void Label::setUnderline(bool underline) {
  if (underline == underline_) return;
  underline_ = underline;
  notify();
}

void Label::setTone(LabelTone tone) {
  if (tone == tone_) return;
  tone_ = tone;
  notify();
}

void Label::click() {
  if (enabled() && visible()) fire(onClick);
}

}  // namespace ui
