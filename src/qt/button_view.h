#pragma once

#include <QCheckBox>
#include <QPushButton>

#include "ui/button.h"
#include "ui/check_box.h"

namespace qtui {

// A push button; in a radio group it is checkable and shows pressed as the model says.
QPushButton* MakeButtonView(ui::Button& button, QWidget* parent);
QCheckBox* MakeCheckBoxView(ui::CheckBox& checkBox, QWidget* parent);

}  // namespace qtui
