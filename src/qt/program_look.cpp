#include "qt/program_look.h"

#include <QFont>
#include <QStringList>

#include "qt/drawn_art.h"

namespace qtui {

void ApplyProgramLook(QApplication& application) {
  QApplication::setStyle(QStringLiteral("Fusion"));
  QFont font = QApplication::font();
  const QString desktopFamily = font.family();
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), desktopFamily});
  font.setPointSize(9);
  QApplication::setFont(font);
  application.setWindowIcon(DrawnAppIcon());
}

}  // namespace qtui
