#include "qt/window_view.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/drawn_art.h"
#include "qt/model_call.h"
#include "qt/owned.h"
#include "qt/page_builder.h"
#include "ui/picture_box.h"

namespace qtui {

namespace {

bool IsHeaderPicture(const ui::LayoutNode& node) {
  auto* picture = dynamic_cast<const ui::PictureBox*>(node.control);
  return node.kind == ui::LayoutNode::Kind::Control && picture &&
         picture->role() == ui::PictureBox::Role::Header;
}

// Sets every top-level item of the content in by `inset`, except header pictures.
void Inset(QWidget& content, const ui::LayoutNode& root, int inset) {
  QLayout* layout = content.layout();
  if (!layout || inset == 0) return;
  const bool column = root.kind == ui::LayoutNode::Kind::Column;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    const bool header = column && static_cast<std::size_t>(i) < root.children.size() &&
                        IsHeaderPicture(root.children[static_cast<std::size_t>(i)]);
    if (header) continue;
    if (QWidget* widget = item->widget()) {
      QMargins margins = widget->contentsMargins();
      widget->setContentsMargins(margins.left() + inset, margins.top(), margins.right() + inset,
                                 margins.bottom());
    } else if (QLayout* inner = item->layout()) {
      QMargins margins = inner->contentsMargins();
      inner->setContentsMargins(margins.left() + inset, margins.top(), margins.right() + inset,
                                margins.bottom());
    }
  }
}

}  // namespace

WindowView::WindowView(ui::Window& window, QWidget* owner, WindowOptions options)
    : QWidget(nullptr, Qt::Window), window_(window), owner_(owner), options_(std::move(options)) {
  setWindowIcon(DrawnAppIcon());
  if (options_.fixedSize) {
    setFixedSize(window_.width(), window_.height());
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  } else {
    resize(window_.width(), window_.height());
  }
  if (options_.background) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, *options_.background);
    setPalette(colours);
    setAutoFillBackground(true);
  }
  if (options_.pointSize > 0) {
    QFont small = font();
    small.setPointSize(options_.pointSize);
    setFont(small);
  }
  auto* layout = Owned<QVBoxLayout>(this);
  layout->setContentsMargins(options_.margin, options_.margin, options_.margin, options_.margin);
  QWidget* content = BuildLayout(window_.content, this, options_.build);
  Inset(*content, window_.content, options_.inset);
  layout->addWidget(content);

  ControlLink& link = Link(
      *this, window_,
      [this] {
        setWindowTitle(DisplayText(window_.caption()));
        applyState();
      },
      ControlLink::Common::Skip);
  link.keep(window_.broughtToFront.connect([this] {
    if (!isVisible()) return;
    raise();
    activateWindow();
  }));
}

void WindowView::placeOnShow() {
  QRect over;
  if (window_.placement() == ui::WindowPlacement::OwnerCenter && owner_ && owner_->isVisible() &&
      !owner_->isMinimized()) {
    over = owner_->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    over = screen->availableGeometry();
  }
  const QSize frame = frameGeometry().size();
  if (over.isValid()) move(over.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void WindowView::applyState() {
  applying_ = true;
  switch (window_.state()) {
    case ui::WindowState::Normal:
      if (isMinimized()) {
        showNormal();
      } else if (!isVisible()) {
        placeOnShow();
        show();
      }
      break;
    case ui::WindowState::Minimized:
      if (!isVisible()) placeOnShow();
      if (!isMinimized()) showMinimized();
      break;
    case ui::WindowState::Hidden:
    case ui::WindowState::Closed:
      hide();
      break;
  }
  applying_ = false;
}

void WindowView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || applying_) return;
  const bool minimized = windowState().testFlag(Qt::WindowMinimized);
  CallModel([&] {
    if (minimized && window_.state() == ui::WindowState::Normal) {
      window_.minimize();
    } else if (!minimized && window_.state() == ui::WindowState::Minimized) {
      window_.restore();
    }
  });
}

void WindowView::closeEvent(QCloseEvent* event) {
  if (window_.state() == ui::WindowState::Closed) {
    event->accept();
    return;
  }
  CallModel([this] { window_.hide(); });
  event->ignore();
}

}  // namespace qtui
