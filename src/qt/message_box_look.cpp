#include "qt/message_box_look.h"

#include "ui/dialogs.h"

namespace qtui {

MessageBoxLook LookOfMessageBox(unsigned flags) {
  MessageBoxLook look;
  switch (flags & ui::MB_ICONMASK) {
    case ui::MB_ICONERROR:
      look.icon = QMessageBox::Critical;
      break;
    case ui::MB_ICONQUESTION:
      look.icon = QMessageBox::Question;
      break;
    case ui::MB_ICONWARNING:
      look.icon = QMessageBox::Warning;
      break;
    case ui::MB_ICONINFORMATION:
      look.icon = QMessageBox::Information;
      break;
    default:
      look.icon = QMessageBox::NoIcon;
      break;
  }
  switch (flags & ui::MB_TYPEMASK) {
    case ui::MB_OKCANCEL:
      look.buttons = QMessageBox::Ok | QMessageBox::Cancel;
      look.defaultButton = QMessageBox::Ok;
      look.escapeButton = QMessageBox::Cancel;
      break;
    case ui::MB_YESNOCANCEL:
      look.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      look.defaultButton = QMessageBox::Yes;
      look.escapeButton = QMessageBox::Cancel;
      break;
    case ui::MB_YESNO:
      look.buttons = QMessageBox::Yes | QMessageBox::No;
      look.defaultButton = QMessageBox::Yes;
      look.escapeButton = QMessageBox::No;
      break;
    default:
      look.buttons = QMessageBox::Ok;
      look.defaultButton = QMessageBox::Ok;
      look.escapeButton = QMessageBox::Ok;
      break;
  }
  look.topmost = (flags & ui::MB_TOPMOST) != 0;
  return look;
}

int ResultOfMessageBox(const MessageBoxLook& look, QMessageBox::StandardButton clicked) {
  if (!look.buttons.testFlag(clicked)) clicked = look.escapeButton;
  switch (clicked) {
    case QMessageBox::Cancel:
      return ui::IDCANCEL;
    case QMessageBox::Yes:
      return ui::IDYES;
    case QMessageBox::No:
      return ui::IDNO;
    default:
      return ui::IDOK;
  }
}

}  // namespace qtui
