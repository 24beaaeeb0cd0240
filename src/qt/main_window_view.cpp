#include "qt/main_window_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include "qt/button_view.h"
#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/drawn_art.h"
#include "qt/label_view.h"
#include "qt/model_call.h"
#include "qt/notebook_view.h"
#include "qt/owned.h"
#include "qt/title_button.h"

namespace qtui {

namespace {

// The window's drawn layout, in pixels of its 699 x 528 client area.
constexpr int kCornerRadius = 10;
constexpr int kTitleHeight = 46;
constexpr int kMargin = 8;
constexpr int kContentTop = 54;
constexpr int kStatusHeight = 20;
constexpr int kLeftWidth = 182;
constexpr int kGap = 8;
constexpr int kPageHeaderHeight = 40;
constexpr int kWebMarkHeight = 44;

struct Areas {
  QRect title, left, leftStack, webMark, right, rightHeader, rightStack, status;
};

Areas AreasOf(const QSize& size) {
  Areas a;
  const int statusTop = size.height() - 5 - kStatusHeight;
  const int contentBottom = statusTop - 5;
  a.title = QRect(0, 0, size.width(), kTitleHeight);
  a.left = QRect(kMargin, kContentTop, kLeftWidth, contentBottom - kContentTop);
  a.webMark =
      QRect(a.left.left(), a.left.bottom() - kWebMarkHeight + 1, a.left.width(), kWebMarkHeight);
  a.leftStack = QRect(a.left.left() + 6, a.left.top() + 6, a.left.width() - 12,
                      a.webMark.top() - a.left.top() - 10);
  a.right = QRect(a.left.right() + 1 + kGap, kContentTop,
                  size.width() - kMargin - a.left.right() - 1 - kGap, a.left.height());
  a.rightHeader =
      QRect(a.right.left() + 1, a.right.top() + 1, a.right.width() - 2, kPageHeaderHeight);
  // Set in from the box, so that its rounded corners show.
  a.rightStack = QRect(a.right.left() + 4, a.rightHeader.bottom() + 2, a.right.width() - 8,
                       a.right.bottom() - a.rightHeader.bottom() - 7);
  a.status = QRect(kMargin, statusTop, size.width() - 2 * kMargin, kStatusHeight);
  return a;
}

QPainterPath Outline(const QSize& size) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, 0, size.width(), size.height()), kCornerRadius, kCornerRadius);
  return path;
}

QString WebHost() {
  QString host = QString::fromUtf8(app::kWebAddress);
  host.remove(QStringLiteral("https://")).remove(QStringLiteral("http://"));
  if (host.endsWith('/')) host.chop(1);
  return host;
}

const char kStyle[] = R"(
QFrame[role="panel"] { background: #f6f8fd; border: 1px solid #9fb3d9; border-radius: 6px; }
QLabel[role="panelCaption"] {
  color: white; font-weight: bold; padding: 4px 8px; border: none;
  border-top-left-radius: 5px; border-top-right-radius: 5px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4172cc, stop:1 #2a55a6);
}
#nbLeft QPushButton {
  text-align: left; padding: 4px 10px; border: 1px solid transparent; border-radius: 4px;
  background: transparent; color: #1b2a4a; min-height: 18px; outline: none;
}
#nbLeft QPushButton:hover { background: #e1eafa; border-color: #b9cbee; }
#nbLeft QPushButton:checked { background: #cbdaf5; border-color: #7f9fd8; font-weight: bold; }
#nbLeft QPushButton:pressed { background: #b7c9ee; }
#nbLeft QPushButton:disabled { color: #8a94a8; }
#FlatButton1 {
  color: white; background: rgba(255, 255, 255, 25); border: 1px solid rgba(255, 255, 255, 90);
  border-radius: 3px; padding: 1px 12px;
}
#FlatButton1:hover { background: rgba(255, 255, 255, 70); }
QTreeView::item { padding: 2px 1px; }
QScrollArea[role="page"], QScrollArea[role="page"] > QWidget { background: white; border: none; }
QLabel[role="statusPane"] {
  color: #1b2a4a; background: #f4f6fb; border: 1px solid #b4c3de; border-radius: 3px;
  padding: 0px 6px;
}
)";

}  // namespace

MainWindowView::MainWindowView(app::TForm1& form, MainWindowOptions options)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      form_(form),
      options_(std::move(options)) {
  setObjectName(QString::fromStdString(form_.Form1.name()));
  setFixedSize(form_.Form1.width(), form_.Form1.height());
  setWindowIcon(DrawnAppIcon());
  setMask(QRegion(Outline(size()).toFillPolygon().toPolygon()));
  setStyleSheet(QString::fromUtf8(kStyle));
  buildChrome();

  ControlLink& link = Link(
      *this, form_.Form1,
      [this] {
        setWindowTitle(DisplayText(form_.Form1.caption()));
        applyWindowState();
      },
      ControlLink::Common::Skip);
  link.keep(form_.Form1.broughtToFront.connect([this] {
    if (!isVisible()) return;
    raise();
    activateWindow();
  }));
  link.keep(form_.Form1.closed.connect([this] {
    if (onClosed) onClosed();
  }));
  link.keep(form_.nbRight.pageChanged.connect([this] { update(AreasOf(size()).rightHeader); }));
}

void MainWindowView::buildChrome() {
  const Areas areas = AreasOf(size());

  left_ = MakeNotebookView(form_.nbLeft, this, options_.build);
  left_->setGeometry(areas.leftStack);

  // Long pages scroll rather than being cut.
  right_ = MakeNotebookView(
      form_.nbRight, this, options_.build, [](QWidget& page, QStackedWidget& stack) {
        page.layout()->setContentsMargins(16, 10, 16, 12);
        auto* scroll = Owned<QScrollArea>(&stack);
        scroll->setObjectName(page.objectName() + "Scroll");
        scroll->setProperty("role", "page");
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(&page);
        page.setAutoFillBackground(
            false);  // setWidget turned it on; the white viewport shows through
        return static_cast<QWidget*>(scroll);
      });
  right_->setGeometry(areas.rightStack);
  QPalette white = right_->palette();
  white.setColor(QPalette::Window, Qt::white);
  right_->setPalette(white);
  right_->setAutoFillBackground(true);

  struct Chrome {
    ui::Button& button;
    TitleButton::Glyph glyph;
  };
  const Chrome chrome[] = {{form_.ibClose, TitleButton::Glyph::Close},
                           {form_.ibMiniToTray, TitleButton::Glyph::MinimizeToTray},
                           {form_.ibMinimize, TitleButton::Glyph::Minimize}};
  int x = width() - kMargin - 4;
  for (const Chrome& entry : chrome) {
    auto* button = Owned<TitleButton>(entry.glyph, this);
    const QSize hint = button->sizeHint();
    x -= hint.width();
    button->setGeometry(x, 13, hint.width(), hint.height());
    x -= 4;
    ui::Button& model = entry.button;
    Link(*button, model);
    QObject::connect(button, &TitleButton::clicked, button,
                     [&model] { CallModel([&model] { model.click(); }); });
  }
  QPushButton* help = MakeButtonView(form_.FlatButton1, this);
  help->setCursor(Qt::PointingHandCursor);
  help->setFocusPolicy(Qt::NoFocus);
  const int helpWidth = qMax(56, help->sizeHint().width());
  help->setGeometry(x - 8 - helpWidth, 13, helpWidth, 20);

  QLabel* web = MakeLabelView(form_.lblWebSite, this, Placement::InRow);
  web->setGeometry(areas.webMark);

  status_ = Owned<StatusBarView>(form_.sbStatusBar, this);
  status_->setGeometry(areas.status);
  menu_ = Owned<PopupMenuView>(form_.PopupMenu1, this);
  tray_ = Owned<TrayIconView>(form_.ctiTrayIcon, this);
}

bool MainWindowView::parkedInTray() const {
  return form_.Form1.state() == ui::WindowState::Hidden && !form_.Form1.taskbarButton();
}

void MainWindowView::placeOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
  }
}

void MainWindowView::applyWindowState() {
  const ui::Window& window = form_.Form1;
  applying_ = true;
  const bool tool = !window.taskbarButton() && options_.trayAvailable;
  if (windowFlags().testFlag(Qt::Tool) != tool) setWindowFlag(Qt::Tool, tool);
  switch (window.state()) {
    case ui::WindowState::Hidden:
      if (parkedInTray() && !options_.trayAvailable) {
        placeOnFirstShow();
        if (!isMinimized() || !isVisible()) showMinimized();
      } else {
        hide();
      }
      break;
    case ui::WindowState::Normal:
      placeOnFirstShow();
      if (isMinimized()) {
        showNormal();
      } else if (!isVisible()) {
        show();
      }
      break;
    case ui::WindowState::Minimized:
      placeOnFirstShow();
      if (!isMinimized() || !isVisible()) showMinimized();
      break;
    case ui::WindowState::Closed:
      hide();
      break;
  }
  applying_ = false;
}

void MainWindowView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || applying_) return;
  const bool minimized = windowState().testFlag(Qt::WindowMinimized);
  CallModel([&] {
    const ui::WindowState state = form_.Form1.state();
    if (minimized) {
      if (state == ui::WindowState::Normal) form_.Form1.minimize();
    } else if (parkedInTray()) {
      // Back from the task bar, standing in for the missing tray.
      form_.ctiTrayIcon.doubleClick();
    } else if (state == ui::WindowState::Minimized) {
      form_.Form1.restore();
    }
  });
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (form_.Form1.state() != ui::WindowState::Closed) CallModel([this] { form_.Form1.close(); });
  if (form_.Form1.state() == ui::WindowState::Closed) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindowView::mousePressEvent(QMouseEvent* event) {
  // The background moves the window; the page area does not.
  if (event->button() != Qt::LeftButton ||
      AreasOf(size()).right.contains(event->position().toPoint())) {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindowView::mouseMoveEvent(QMouseEvent* event) {
  if (dragOffset_ && event->buttons().testFlag(Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - *dragOffset_);
    event->accept();
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void MainWindowView::mouseReleaseEvent(QMouseEvent* event) {
  dragOffset_.reset();
  QWidget::mouseReleaseEvent(event);
}

void MainWindowView::paintEvent(QPaintEvent*) {
  const Areas areas = AreasOf(size());
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath outline = Outline(size());

  // Body and title band.
  QLinearGradient body(0, kTitleHeight, 0, height());
  body.setColorAt(0, palette::kWindow);
  body.setColorAt(1, QColor(0xd3, 0xdc, 0xee));
  painter.fillPath(outline, body);
  QPainterPath band;
  band.addRect(areas.title);
  QLinearGradient title(0, 0, 0, kTitleHeight);
  title.setColorAt(0, palette::kBrightBlue);
  title.setColorAt(1, palette::kDeepBlue);
  painter.fillPath(outline.intersected(band), title);
  painter.fillRect(QRect(0, kTitleHeight - 2, width(), 2), palette::kAccent);

  painter.drawPixmap(14, 9, DrawnEmblem(28));
  QFont productFont = font();
  productFont.setPixelSize(18);
  productFont.setBold(true);
  painter.setFont(productFont);
  painter.setPen(Qt::white);
  painter.drawText(QRect(52, 0, 360, kTitleHeight - 2), Qt::AlignVCenter | Qt::AlignLeft,
                   DisplayText(form_.Form1.caption()));

  // Left column, with the web mark under its pages.
  painter.setPen(QPen(palette::kLine, 1));
  QLinearGradient column(areas.left.topLeft(), areas.left.bottomLeft());
  column.setColorAt(0, QColor(0xee, 0xf2, 0xfa));
  column.setColorAt(1, palette::kColumn);
  painter.setBrush(column);
  painter.drawRoundedRect(QRectF(areas.left).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
  painter.setPen(palette::kLine);
  painter.drawLine(areas.webMark.left() + 10, areas.webMark.top(), areas.webMark.right() - 10,
                   areas.webMark.top());
  painter.drawPixmap(areas.webMark.left() + 12, areas.webMark.top() + 10, DrawnEmblem(22));
  QFont webFont = font();
  webFont.setPixelSize(11);
  painter.setFont(webFont);
  painter.setPen(palette::kDeepBlue);
  painter.drawText(areas.webMark.adjusted(42, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   WebHost());

  // Content area with the right page's header.
  painter.setPen(QPen(palette::kLine, 1));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(areas.right).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
  QPainterPath headerPath;
  headerPath.addRoundedRect(QRectF(areas.rightHeader), 6, 6);
  headerPath.addRect(QRectF(areas.rightHeader).adjusted(0, 8, 0, 0));
  QLinearGradient header(areas.rightHeader.topLeft(), areas.rightHeader.bottomLeft());
  header.setColorAt(0, QColor(0xe9, 0xf0, 0xfc));
  header.setColorAt(1, Qt::white);
  painter.fillPath(headerPath.simplified(), header);
  QLinearGradient rule(areas.rightHeader.bottomLeft(), areas.rightHeader.bottomRight());
  rule.setColorAt(0, palette::kBrightBlue);
  rule.setColorAt(1, QColor(0x2b, 0x5c, 0xc0, 0));
  painter.fillRect(QRect(areas.rightHeader.left() + 12, areas.rightHeader.bottom() - 1,
                         areas.rightHeader.width() - 24, 2),
                   rule);
  QFont headerFont = font();
  headerFont.setPixelSize(16);
  headerFont.setBold(true);
  painter.setFont(headerFont);
  painter.setPen(palette::kDeepBlue);
  if (form_.nbRight.activeIndex() >= 0) {
    painter.drawText(areas.rightHeader.adjusted(16, 0, -12, -2), Qt::AlignVCenter | Qt::AlignLeft,
                     DisplayText(form_.nbRight.activePage().header()));
  }

  // The outline last, over everything drawn.
  painter.setBrush(Qt::NoBrush);
  // Inside the mask, which keeps only whole pixels within the outline.
  painter.setPen(QPen(palette::kDeepBlue, 1.2));
  QPainterPath edge;
  edge.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1.5, -1.5), kCornerRadius - 1,
                      kCornerRadius - 1);
  painter.drawPath(edge);
}

}  // namespace qtui
