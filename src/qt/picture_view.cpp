#include "qt/picture_view.h"

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
      case ui::PictureBox::Role::File:
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        break;
    }
  }

  void reload() {
    if (picture_.role() != ui::PictureBox::Role::File || loadedFile_ == picture_.file()) return;
    loadedFile_ = picture_.file();
    pixmap_ = QPixmap();
    if (!loadedFile_.empty() && options_.resolvePicture) {
      if (auto path = options_.resolvePicture(loadedFile_))
        pixmap_.load(QString::fromStdString(*path));
    }
    updateGeometry();
    update();
  }

  QSize sizeHint() const override {
    if (picture_.role() == ui::PictureBox::Role::File) {
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
      case ui::PictureBox::Role::File:
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
  std::string loadedFile_;
  QPixmap pixmap_;
};

}  // namespace

QWidget* MakePictureView(ui::PictureBox& picture, QWidget* parent, const BuildOptions& options) {
  auto* view = Owned<PictureView>(picture, parent, options);
  Link(*view, picture, [view] { view->reload(); });
  return view;
}

}  // namespace qtui
