#include "qt/qt_pictures.h"

#include <QImage>
#include <QImageReader>

#include "platform/error.h"

namespace qtui {

ui::Image QtPictures::Load(const std::string& path) {
  std::optional<std::string> unixPath = toUnix_(path);
  if (!unixPath) throw platform::Error("Cannot open file \"" + path + "\".");
  QImageReader reader(QString::fromStdString(*unixPath));
  reader.setAutoTransform(true);
  QImage read = reader.read();
  if (read.isNull()) {
    throw platform::Error("Cannot read the picture \"" + path +
                          "\": " + reader.errorString().toStdString());
  }
  QImage argb = read.convertToFormat(QImage::Format_ARGB32);
  ui::Image image{argb.width(), argb.height(), {}};
  image.pixels.reserve(static_cast<std::size_t>(image.width) *
                       static_cast<std::size_t>(image.height));
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    image.pixels.insert(image.pixels.end(), line, line + argb.width());
  }
  return image;
}

}  // namespace qtui
