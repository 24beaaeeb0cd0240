
#include <gtest/gtest.h>

#include "qt/message_box_look.h"
#include "ui/dialogs.h"

namespace {

using qtui::LookOfMessageBox;
using qtui::ResultOfMessageBox;
using Button = QMessageBox::StandardButton;

struct LookCase {
  unsigned flags;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  Button defaultButton;
  bool topmost;
};

TEST(MessageBoxLook, FlagsChooseIconButtonsAndTopmost) {
  const LookCase cases[] = {
      {ui::kConfirmFlags, QMessageBox::Question, Button::Yes | Button::No, Button::Yes, true},
      {ui::kHintFlags, QMessageBox::Information, Button::Ok, Button::Ok, true},
      {ui::kErrorFlags, QMessageBox::Critical, Button::Ok, Button::Ok, true},
      {0x24, QMessageBox::Question, Button::Yes | Button::No, Button::Yes, false},
      {ui::MB_OKCANCEL | ui::MB_ICONWARNING, QMessageBox::Warning, Button::Ok | Button::Cancel,
       Button::Ok, false},
      {ui::MB_YESNOCANCEL, QMessageBox::NoIcon, Button::Yes | Button::No | Button::Cancel,
       Button::Yes, false},
      // Types without a Qt look fall back to a plain OK box.
      {0x2 | ui::MB_TOPMOST, QMessageBox::NoIcon, Button::Ok, Button::Ok, true},
  };
  for (const LookCase& c : cases) {
    SCOPED_TRACE(c.flags);
    const qtui::MessageBoxLook look = LookOfMessageBox(c.flags);
    EXPECT_EQ(look.icon, c.icon);
    EXPECT_EQ(look.buttons, c.buttons);
    EXPECT_EQ(look.defaultButton, c.defaultButton);
    EXPECT_EQ(look.topmost, c.topmost);
  }
}

struct ResultCase {
  unsigned flags;
  Button clicked;
  int result;
};

TEST(MessageBoxLook, ClickedButtonGivesTheWindowsResult) {
  const ResultCase cases[] = {
      {ui::MB_OK, Button::Ok, ui::IDOK},
      {ui::MB_OKCANCEL, Button::Ok, ui::IDOK},
      {ui::MB_OKCANCEL, Button::Cancel, ui::IDCANCEL},
      {ui::MB_YESNO, Button::Yes, ui::IDYES},
      {ui::MB_YESNO, Button::No, ui::IDNO},
      {ui::MB_YESNOCANCEL, Button::Cancel, ui::IDCANCEL},
      {ui::MB_YESNOCANCEL, Button::No, ui::IDNO},
      // Closed without a button: what the escape button gives.
      {ui::MB_OK, Button::NoButton, ui::IDOK},
      {ui::MB_OKCANCEL, Button::NoButton, ui::IDCANCEL},
      {ui::MB_YESNO, Button::NoButton, ui::IDNO},
      {ui::MB_YESNOCANCEL, Button::NoButton, ui::IDCANCEL},
  };
  for (const ResultCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.flags << " " << c.clicked);
    EXPECT_EQ(ResultOfMessageBox(LookOfMessageBox(c.flags), c.clicked), c.result);
  }
}

}  // namespace
