#pragma once

#include <QWidget>

#include "qt/build_options.h"
#include "ui/control.h"
#include "ui/layout.h"

namespace qtui {

// Lays out any declared tree: columns and rows become box layouts, groups titled group boxes,
// panels captioned panels, and each control the widget of its kind. Returns a widget holding
// the whole tree, made a child of `parent`.
QWidget* BuildLayout(const ui::LayoutNode& root, QWidget* parent, const BuildOptions& options);

// The widget of one control, linked to it (named after it, mirroring it, reporting to it).
QWidget* BuildControl(ui::Control& control, QWidget* parent, const BuildOptions& options,
                      Placement placement);

}  // namespace qtui
