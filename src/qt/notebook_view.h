#pragma once

#include <QStackedWidget>
#include <functional>

#include "qt/build_options.h"
#include "ui/notebook.h"

namespace qtui {

// How a notebook's page widget is put into the stack: as it is, or wrapped (in a scroll area,
// say). Returns the widget to stack.
using PageFrame = std::function<QWidget*(QWidget& page, QStackedWidget& stack)>;

// A notebook as a stack of its pages, each laid out from its tree; the stack shows the model's
// active page.
QStackedWidget* MakeNotebookView(ui::Notebook& notebook, QWidget* parent,
                                 const BuildOptions& options, const PageFrame& frame = {});

}  // namespace qtui
