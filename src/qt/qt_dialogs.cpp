#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "qt/display_text.h"
#include "qt/drawn_art.h"
#include "qt/message_box_look.h"

namespace qtui {

namespace {

// A hidden or tool window cannot carry a dialog.
QWidget* DialogParent() {
  QWidget* active = QApplication::activeWindow();
  return active && active->isVisible() ? active : nullptr;
}

}  // namespace

int QtDialogs::MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  const MessageBoxLook look = LookOfMessageBox(flags);
  QMessageBox box(look.icon, DisplayText(caption), DisplayText(text), look.buttons, DialogParent());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(look.defaultButton);
  box.setEscapeButton(look.escapeButton);
  box.setWindowIcon(DrawnAppIcon());
  if (look.topmost) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
  return ResultOfMessageBox(look, box.standardButton(box.clickedButton()));
}

std::optional<std::string> QtDialogs::InputBox(std::string_view caption, std::string_view prompt,
                                               std::string_view defaultText) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(DialogParent(), DisplayText(caption), DisplayText(prompt),
                            QLineEdit::Normal, DisplayText(defaultText), &accepted);
  if (!accepted) return std::nullopt;
  return ModelText(text);
}

std::optional<std::string> QtDialogs::OpenPicture(std::string_view title) {
  const QString chosen = QFileDialog::getOpenFileName(
      DialogParent(), DisplayText(title), QString(),
      QStringLiteral("Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.ico);;All files (*)"));
  if (chosen.isEmpty()) return std::nullopt;
  const std::string path = ModelText(chosen);
  return toWindows_ ? toWindows_(path) : path;
}

}  // namespace qtui
