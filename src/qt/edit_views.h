#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/edit_field.h"

namespace qtui {

// A one-line edit field; what the user types reaches the model as it is typed.
QLineEdit* MakeEditFieldView(ui::EditField& field, QWidget* parent);
// A multi-line text field; the model keeps the lines, the widget the text being typed.
QPlainTextEdit* MakeMemoView(ui::Memo& memo, QWidget* parent);

}  // namespace qtui
