#pragma once

#include <QLabel>
#include <QWidget>

#include "ui/status_bar.h"

namespace qtui {

// A status bar with one label per pane. A pane's new text is painted at once: long handlers
// write progress while the one UI thread is busy.
class StatusBarView : public QWidget {
 public:
  StatusBarView(ui::StatusBar& bar, QWidget* parent);

  QLabel* pane(const ui::StatusPane& pane) const;
};

}  // namespace qtui
