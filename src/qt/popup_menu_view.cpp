#include "qt/popup_menu_view.h"

#include <QCursor>

#include "qt/display_text.h"
#include "qt/model_call.h"

namespace qtui {

PopupMenuView::PopupMenuView(ui::PopupMenu& menu, QObject* parent) : QObject(parent), model_(menu) {
  menu_.setObjectName(QString::fromStdString(model_.name()));
  rebuild();
  // Shown without waiting, so that the chosen item runs as a handler of its own.
  connection_ = model_.popupRequested.connect([this] {
    rebuild();
    menu_.popup(QCursor::pos());
  });
}

void PopupMenuView::rebuild() {
  menu_.clear();
  for (const auto& entry : model_.items()) {
    ui::MenuItem& item = *entry;
    if (!item.visible()) continue;
    if (item.separator()) {
      menu_.addSeparator()->setObjectName(QString::fromStdString(item.name()));
      continue;
    }
    QAction* action = menu_.addAction(DisplayText(item.caption()));
    action->setObjectName(QString::fromStdString(item.name()));
    action->setEnabled(item.enabled());
    QObject::connect(action, &QAction::triggered, &menu_,
                     [&item] { CallModel([&item] { item.click(); }); });
  }
}

}  // namespace qtui
