#include "qt/button_view.h"

#include <QPointer>
#include <QSignalBlocker>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/model_call.h"
#include "qt/owned.h"

namespace qtui {

namespace {

bool InRadioGroup(const ui::Button& button) {
  return button.group() && button.group()->radio();
}

// After a click the widget shows the model's state again: Qt has toggled a checkable button on
// its own, whatever the model made of the click.
void AfterClick(QPointer<QAbstractButton> view, ControlLink& link,
                const std::function<void()>& click) {
  CallModel(click);
  if (view) link.apply();
}

}  // namespace

QPushButton* MakeButtonView(ui::Button& button, QWidget* parent) {
  auto* view = Owned<QPushButton>(parent);
  const bool radio = InRadioGroup(button);
  view->setCheckable(radio);
  view->setAutoDefault(false);
  ControlLink& link = Link(*view, button, [view, &button, radio] {
    QSignalBlocker block(view);
    view->setText(DisplayText(button.caption()));
    if (radio) view->setChecked(button.pressed());
  });
  QObject::connect(view, &QPushButton::clicked, view, [view, &link, &button] {
    AfterClick(view, link, [&button] { button.click(); });
  });
  return view;
}

QCheckBox* MakeCheckBoxView(ui::CheckBox& checkBox, QWidget* parent) {
  auto* view = Owned<QCheckBox>(parent);
  ControlLink& link = Link(*view, checkBox, [view, &checkBox] {
    QSignalBlocker block(view);
    view->setText(DisplayText(checkBox.caption()));
    view->setChecked(checkBox.checked());
  });
  QObject::connect(view, &QCheckBox::clicked, view, [view, &link, &checkBox] {
    AfterClick(view, link, [&checkBox] { checkBox.toggle(); });
  });
  return view;
}

}  // namespace qtui
