#include "qt/title_button.h"

#include <QPainter>
#include <QPainterPath>

#include "qt/drawn_art.h"

namespace qtui {

TitleButton::TitleButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), glyph_(glyph) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void TitleButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QColor fill(255, 255, 255, 30);
  if (underMouse())
    fill = glyph_ == Glyph::Close ? QColor(0xd2, 0x3c, 0x2e) : QColor(255, 255, 255, 70);
  if (isDown()) fill = fill.darker(130);
  painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(box, 3, 3);

  QPen pen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QPointF c = box.center();
  switch (glyph_) {
    case Glyph::Minimize:
      painter.drawLine(QPointF(c.x() - 5, c.y() + 4), QPointF(c.x() + 5, c.y() + 4));
      break;
    case Glyph::MinimizeToTray: {
      // An arrow down into a tray.
      painter.drawLine(QPointF(c.x(), c.y() - 6), QPointF(c.x(), c.y() + 1));
      QPainterPath head;
      head.moveTo(c.x() - 3, c.y() - 2);
      head.lineTo(c.x(), c.y() + 1);
      head.lineTo(c.x() + 3, c.y() - 2);
      painter.drawPath(head);
      QPainterPath tray;
      tray.moveTo(c.x() - 6, c.y() + 1);
      tray.lineTo(c.x() - 6, c.y() + 5);
      tray.lineTo(c.x() + 6, c.y() + 5);
      tray.lineTo(c.x() + 6, c.y() + 1);
      painter.drawPath(tray);
      break;
    }
    case Glyph::Close:
      painter.drawLine(QPointF(c.x() - 4, c.y() - 4), QPointF(c.x() + 4, c.y() + 4));
      painter.drawLine(QPointF(c.x() + 4, c.y() - 4), QPointF(c.x() - 4, c.y() + 4));
      break;
  }
}

}  // namespace qtui
