#pragma once

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace qtui {

// The program's colours.
namespace palette {
inline const QColor kDeepBlue{0x14, 0x33, 0x74};
inline const QColor kBrightBlue{0x2b, 0x5c, 0xc0};
inline const QColor kInk{0x1b, 0x2a, 0x4a};
inline const QColor kLinkBlue{0x0b, 0x4f, 0xc4};
inline const QColor kAccent{0xf2, 0x9a, 0x1f};
inline const QColor kLine{0xb4, 0xc3, 0xde};
inline const QColor kWindow{0xe4, 0xea, 0xf5};
inline const QColor kColumn{0xd6, 0xe0, 0xf2};
}  // namespace palette

// Every picture the program shows is drawn here; none is loaded from anywhere.

// The product's emblem: a shield with a check mark on a blue tile, `size` pixels square.
QPixmap DrawnEmblem(int size);
// The emblem at the sizes window managers and trays ask for.
QIcon DrawnAppIcon();
// A banner with the emblem, the product name and a line below it.
void PaintHeaderBanner(QPainter& painter, const QRect& area, const QString& title,
                       const QString& subtitle);
// A thin engraved line across the middle of `area`.
void PaintSeparator(QPainter& painter, const QRect& area);

}  // namespace qtui
