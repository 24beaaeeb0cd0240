#include "qt/drawn_art.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace qtui {

namespace {

QPainterPath ShieldPath(const QRectF& box) {
  const qreal w = box.width();
  const qreal h = box.height();
  QPainterPath path;
  path.moveTo(box.left() + w * 0.5, box.top());
  path.cubicTo(box.left() + w * 0.72, box.top() + h * 0.1, box.left() + w * 0.9,
               box.top() + h * 0.1, box.right(), box.top() + h * 0.12);
  path.cubicTo(box.right(), box.top() + h * 0.62, box.left() + w * 0.8, box.top() + h * 0.86,
               box.left() + w * 0.5, box.bottom());
  path.cubicTo(box.left() + w * 0.2, box.top() + h * 0.86, box.left(), box.top() + h * 0.62,
               box.left(), box.top() + h * 0.12);
  path.cubicTo(box.left() + w * 0.1, box.top() + h * 0.1, box.left() + w * 0.28,
               box.top() + h * 0.1, box.left() + w * 0.5, box.top());
  path.closeSubpath();
  return path;
}

}  // namespace

QPixmap DrawnEmblem(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;

  QLinearGradient tile(0, 0, s, s);
  tile.setColorAt(0, palette::kBrightBlue);
  tile.setColorAt(1, palette::kDeepBlue);
  painter.setPen(Qt::NoPen);
  painter.setBrush(tile);
  painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.2, s * 0.2);

  const QRectF shieldBox(s * 0.2, s * 0.14, s * 0.6, s * 0.72);
  QLinearGradient shield(shieldBox.topLeft(), shieldBox.bottomRight());
  shield.setColorAt(0, Qt::white);
  shield.setColorAt(1, QColor(0xd5, 0xe2, 0xfa));
  painter.setBrush(shield);
  painter.drawPath(ShieldPath(shieldBox));

  QPen tick(palette::kAccent, qMax(1.5, s * 0.09), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(tick);
  painter.setBrush(Qt::NoBrush);
  QPainterPath check;
  check.moveTo(s * 0.36, s * 0.5);
  check.lineTo(s * 0.47, s * 0.61);
  check.lineTo(s * 0.66, s * 0.38);
  painter.drawPath(check);
  return pixmap;
}

QIcon DrawnAppIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128}) icon.addPixmap(DrawnEmblem(size));
  return icon;
}

void PaintHeaderBanner(QPainter& painter, const QRect& area, const QString& title,
                       const QString& subtitle) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(area.topLeft(), area.topRight());
  fill.setColorAt(0, palette::kDeepBlue);
  fill.setColorAt(1, palette::kBrightBlue);
  painter.fillRect(area, fill);
  painter.fillRect(QRect(area.left(), area.bottom() - 2, area.width(), 3), palette::kAccent);

  const int emblem = qMax(16, area.height() - 28);
  const int margin = (area.height() - emblem) / 2;
  painter.drawPixmap(area.left() + 12, area.top() + margin - 1, DrawnEmblem(emblem));

  QFont titleFont = painter.font();
  titleFont.setPixelSize(qMax(12, area.height() / 4));
  titleFont.setBold(true);
  QFont subtitleFont = painter.font();
  subtitleFont.setPixelSize(qMax(10, area.height() / 7));
  const int textLeft = area.left() + 12 + emblem + 14;
  const QRect titleArea(textLeft, area.top() + margin - 2, area.right() - textLeft - 10,
                        emblem * 6 / 10);
  painter.setPen(Qt::white);
  painter.setFont(titleFont);
  painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignBottom, title);
  painter.setPen(QColor(0xc8, 0xd8, 0xf6));
  painter.setFont(subtitleFont);
  painter.drawText(QRect(textLeft, titleArea.bottom() + 2, titleArea.width(), emblem / 2),
                   Qt::AlignLeft | Qt::AlignTop, subtitle);
  painter.restore();
}

void PaintSeparator(QPainter& painter, const QRect& area) {
  const int y = area.top() + area.height() / 2;
  painter.save();
  painter.setPen(palette::kLine);
  painter.drawLine(area.left(), y, area.right(), y);
  painter.setPen(Qt::white);
  painter.drawLine(area.left(), y + 1, area.right(), y + 1);
  painter.restore();
}

}  // namespace qtui
