#include "qt/picture_view.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/drawn_art.h"
#include "qt/owned.h"
#include "ui/application.h"

namespace qtui {

namespace {

constexpr int kSeparatorHeight = 10;
constexpr int kHeaderHeight = 78;

QPixmap PixmapOf(const ui::Image& image) {
  if (image.empty()) return {};
  QImage copy(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < image.width; ++x)
      line[x] = image.pixels[static_cast<std::size_t>(y * image.width + x)];
  }
  return QPixmap::fromImage(copy);
}

class PictureView : public QWidget {
 public:
  PictureView(ui::PictureBox& picture, QWidget* parent, BuildOptions options)
      : QWidget(parent), picture_(picture), options_(std::move(options)) {
    switch (picture_.role()) {
      case ui::PictureBox::Role::Separator:
        setFixedHeight(kSeparatorHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        break;
      case ui::PictureBox::Role::Header:
        setFixedHeight(kHeaderHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        break;
      case ui::PictureBox::Role::Image:
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        break;
    }
  }

  void reload() {
    if (picture_.role() != ui::PictureBox::Role::Image) return;
    pixmap_ = PixmapOf(picture_.image());
    updateGeometry();
    update();
  }

  QSize sizeHint() const override {
    if (picture_.role() == ui::PictureBox::Role::Image) {
      return pixmap_.isNull() ? QSize(0, 0) : pixmap_.size();
    }
    return {100, height()};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect area = contentsRect();
    switch (picture_.role()) {
      case ui::PictureBox::Role::Separator:
        PaintSeparator(painter, area);
        break;
      case ui::PictureBox::Role::Header: {
        ui::Application* app = ui::Application::current();
        PaintHeaderBanner(painter, area, app ? DisplayText(app->title()) : QString(),
                          QStringLiteral("Repair \u00b7 Clean \u00b7 Maintain"));
        break;
      }
      case ui::PictureBox::Role::Image:
        if (!pixmap_.isNull()) {
          QPixmap scaled =
              pixmap_.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
          painter.drawPixmap(area.topLeft(), scaled);
        }
        break;
    }
  }

 private:
  ui::PictureBox& picture_;
  BuildOptions options_;
  QPixmap pixmap_;
};

}  // namespace

QWidget* MakePictureView(ui::PictureBox& picture, QWidget* parent, const BuildOptions& options) {
  auto* view = Owned<PictureView>(picture, parent, options);
  Link(*view, picture, [view] { view->reload(); });
  return view;
}

}  // namespace qtui
