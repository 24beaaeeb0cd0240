#pragma once

#include <QMessageBox>

namespace qtui {

// How a message box with Windows flags looks in Qt.
struct MessageBoxLook {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
  QMessageBox::StandardButton escapeButton = QMessageBox::Ok;
  bool topmost = false;
};

// The icon (MB_ICON*), the buttons (MB_OK, MB_OKCANCEL, MB_YESNOCANCEL, MB_YESNO; others show
// OK) with the first the default, and MB_TOPMOST.
MessageBoxLook LookOfMessageBox(unsigned flags);
// The Windows result (IDOK, IDCANCEL, IDYES, IDNO) of the button that closed the box; a box
// closed without a button gives what its escape button gives.
int ResultOfMessageBox(const MessageBoxLook& look, QMessageBox::StandardButton clicked);

}  // namespace qtui
