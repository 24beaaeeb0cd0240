#include "qt/panel_view.h"

#include <QLabel>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/owned.h"

namespace qtui {

PanelView::PanelView(ui::Panel* panel, const std::string& name, const std::string& caption,
                     QWidget* parent)
    : QFrame(parent) {
  setProperty("role", "panel");
  auto* outer = Owned<QVBoxLayout>(this);
  outer->setContentsMargins(1, 1, 1, 1);
  outer->setSpacing(0);
  auto* bar = Owned<QLabel>(DisplayText(caption), this);
  bar->setProperty("role", "panelCaption");
  bar->setObjectName(QString::fromStdString(name) + "Caption");
  bar->setTextFormat(Qt::PlainText);
  bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  outer->addWidget(bar);
  body_ = Owned<QVBoxLayout>();
  body_->setContentsMargins(6, 6, 6, 6);
  body_->setSpacing(3);
  outer->addLayout(body_);
  // A panel higher than its content keeps the content at the top.
  outer->addStretch(1);

  if (!panel) {
    setObjectName(QString::fromStdString(name));
    setAccessibleName(DisplayText(caption));
    return;
  }
  Link(*this, *panel, [this, bar, panel] {
    bar->setText(DisplayText(panel->caption()));
    if (panel->height() > 0) {
      setFixedHeight(panel->height());
    } else {
      // As high as its content, never higher.
      setMinimumHeight(0);
      setMaximumHeight(QWIDGETSIZE_MAX);
      setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    }
  });
}

}  // namespace qtui
