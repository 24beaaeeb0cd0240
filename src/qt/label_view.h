#pragma once

#include <QLabel>

#include "qt/build_options.h"
#include "ui/label.h"

namespace qtui {

// A label's text shows literally (no mnemonic); its tone and font follow the model, and a click
// reaches the model's label.
QLabel* MakeLabelView(ui::Label& label, QWidget* parent, Placement placement);

}  // namespace qtui
