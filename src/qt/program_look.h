#pragma once

#include <QApplication>

namespace qtui {

// The look every window of the program shares: one widget style on every desktop, a compact
// Windows-like font (the pages' texts were broken into lines for one), the drawn icon.
void ApplyProgramLook(QApplication& application);

}  // namespace qtui
