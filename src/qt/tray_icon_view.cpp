#include "qt/tray_icon_view.h"

#include "qt/display_text.h"
#include "qt/drawn_art.h"
#include "qt/model_call.h"

namespace qtui {

TrayIconView::TrayIconView(ui::TrayIcon& tray, QObject* parent)
    : QObject(parent), tray_(tray), icon_(DrawnAppIcon()) {
  icon_.setObjectName(QString::fromStdString(tray_.name()));
  QObject::connect(&icon_, &QSystemTrayIcon::activated, this,
                   [this](QSystemTrayIcon::ActivationReason reason) {
                     if (reason == QSystemTrayIcon::DoubleClick) {
                       CallModel([this] { tray_.doubleClick(); });
                     }
                   });
  connection_ = tray_.changed.connect([this] { apply(); });
  apply();
}

void TrayIconView::apply() {
  icon_.setToolTip(DisplayText(tray_.hint()));
  icon_.setVisible(tray_.visible());
}

}  // namespace qtui
