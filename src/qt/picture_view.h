#pragma once

#include <QWidget>

#include "qt/build_options.h"
#include "ui/picture_box.h"

namespace qtui {

// A picture box: separators and headers are drawn; a file picture shows the file when it can be
// found.
QWidget* MakePictureView(ui::PictureBox& picture, QWidget* parent, const BuildOptions& options);

}  // namespace qtui
