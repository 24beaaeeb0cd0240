#include "qt/status_bar_view.h"

#include <memory>

#include "qt/qt_pump.h"

#include <QHBoxLayout>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/owned.h"

namespace qtui {

StatusBarView::StatusBarView(ui::StatusBar& bar, QWidget* parent) : QWidget(parent) {
  auto* layout = Owned<QHBoxLayout>(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  for (const auto& model : bar.panes()) {
    ui::StatusPane& pane = *model;
    auto* label = Owned<QLabel>(this);
    label->setProperty("role", "statusPane");
    label->setTextFormat(Qt::PlainText);
    // The text never widens a pane: a long line is cut, not the window. (A box layout takes an
    // ignored width for 0 even when fixed, so fixed panes say Fixed.)
    if (pane.width() > 0) {
      label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
      label->setFixedWidth(pane.width());
      layout->addWidget(label);
    } else {
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      label->setMinimumWidth(1);
      layout->addWidget(label, 1);
    }
    // A new text is painted at once, as long handlers give the event loop no chance to; lines
    // that follow each other faster than the eye can read are left to the next paint.
    auto lastPaint = std::make_shared<std::chrono::steady_clock::time_point>();
    Link(*label, pane, [label, &pane, lastPaint] {
      const QString text = DisplayText(pane.text());
      if (label->text() == text) return;
      label->setText(text);
      if (TimeForAnother(*lastPaint)) {
        label->repaint();
      } else {
        label->update();
      }
    });
  }
  // Panes keep to the left when the one that takes the rest is hidden.
  layout->addStretch(0);
  Link(*this, bar);
}

QLabel* StatusBarView::pane(const ui::StatusPane& pane) const {
  return findChild<QLabel*>(QString::fromStdString(pane.name()), Qt::FindDirectChildrenOnly);
}

}  // namespace qtui
