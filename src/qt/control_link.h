#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/control.h"
#include "ui/signal.h"

namespace qtui {

// Ties a widget to its model control for as long as the widget lives: names it after the
// control, forwards the mouse entering and leaving to the control (the model keeps the status
// hint), and mirrors the control's state now and after every change.
class ControlLink : public QObject {
 public:
  enum class Common { Mirror, Skip };

  // `apply` mirrors what is particular to the widget's kind; Common::Mirror also mirrors the
  // enabled and visible states and the hint as the tooltip.
  ControlLink(QWidget& widget, ui::Control& control, std::function<void()> apply,
              Common common = Common::Mirror);

  ui::Control& control() const { return control_; }
  // Keeps another connection of the widget to the model for the widget's life.
  void keep(ui::Connection connection) { connections_.push_back(std::move(connection)); }
  // Mirrors the model's state into the widget now.
  void apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& widget_;
  ui::Control& control_;
  std::function<void()> apply_;
  Common common_;
  std::vector<ui::Connection> connections_;
};

// Links `widget` to `control` (see ControlLink) and returns the link.
ControlLink& Link(QWidget& widget, ui::Control& control, std::function<void()> apply = {},
                  ControlLink::Common common = ControlLink::Common::Mirror);

}  // namespace qtui
