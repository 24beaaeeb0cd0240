#pragma once

#include <QBoxLayout>
#include <QFrame>
#include <string>

#include "ui/panel.h"

namespace qtui {

// A captioned panel: a caption bar over a body whose layout the caller fills. The panel is as
// high as the model says, or as its content when the model says 0.
class PanelView : public QFrame {
 public:
  // `panel` may be null for a panel the layout names without a control.
  PanelView(ui::Panel* panel, const std::string& name, const std::string& caption, QWidget* parent);

  QVBoxLayout& body() const { return *body_; }

 private:
  QVBoxLayout* body_;
};

}  // namespace qtui
