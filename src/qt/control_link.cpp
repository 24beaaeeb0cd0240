#include "qt/control_link.h"

#include <QEvent>

#include "qt/display_text.h"
#include "qt/model_call.h"
#include "qt/owned.h"

namespace qtui {

ControlLink::ControlLink(QWidget& widget, ui::Control& control, std::function<void()> apply,
                         Common common)
    : QObject(&widget),
      widget_(widget),
      control_(control),
      apply_(std::move(apply)),
      common_(common) {
  widget_.setObjectName(QString::fromStdString(control_.name()));
  widget_.installEventFilter(this);
  keep(control_.changed.connect([this] { this->apply(); }));
}

void ControlLink::apply() {
  widget_.setAccessibleName(WithoutMnemonics(control_.caption()));
  if (common_ == Common::Mirror) {
    widget_.setEnabled(control_.enabled());
    widget_.setToolTip(DisplayText(control_.hint()));
    // A widget not yet placed in its parent would become a window of its own if shown.
    if (!control_.visible()) {
      widget_.setVisible(false);
    } else if (widget_.parentWidget() && widget_.isHidden()) {
      widget_.setVisible(true);
    }
  }
  if (apply_) apply_();
}

bool ControlLink::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &widget_) {
    if (event->type() == QEvent::Enter) {
      CallModel([this] { control_.mouseEnter(); });
    } else if (event->type() == QEvent::Leave) {
      CallModel([this] { control_.mouseLeave(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

ControlLink& Link(QWidget& widget, ui::Control& control, std::function<void()> apply,
                  ControlLink::Common common) {
  auto* link = Owned<ControlLink>(widget, control, std::move(apply), common);
  link->apply();
  return *link;
}

}  // namespace qtui
