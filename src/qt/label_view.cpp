#include "qt/label_view.h"

#include <QMouseEvent>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/drawn_art.h"
#include "qt/model_call.h"
#include "qt/owned.h"

namespace qtui {

namespace {

class LabelView : public QLabel {
 public:
  LabelView(ui::Label& label, QWidget* parent) : QLabel(parent), label_(label) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      CallModel([this] { label_.click(); });
    }
  }

 private:
  ui::Label& label_;
};

void Dress(QLabel& view, const ui::Label& label, const QFont& baseFont) {
  view.setText(DisplayText(label.caption()));
  QFont font = baseFont;
  font.setBold(label.bold() || label.tone() == ui::LabelTone::Heading);
  font.setUnderline(label.underline());
  if (label.tone() == ui::LabelTone::Heading) {
    font.setPointSizeF(baseFont.pointSizeF() > 0 ? baseFont.pointSizeF() * 1.3 : 12);
  }
  view.setFont(font);

  QPalette colours = view.palette();
  switch (label.tone()) {
    case ui::LabelTone::Link:
      colours.setColor(QPalette::WindowText, palette::kLinkBlue);
      break;
    case ui::LabelTone::Hot:
    case ui::LabelTone::Heading:
      colours.setColor(QPalette::WindowText, palette::kDeepBlue);
      break;
    case ui::LabelTone::Normal:
      colours.setColor(QPalette::WindowText, palette::kInk);
      break;
  }
  view.setPalette(colours);
  const bool clickable = label.tone() == ui::LabelTone::Link || label.tone() == ui::LabelTone::Hot;
  if (clickable) {
    view.setCursor(Qt::PointingHandCursor);
  } else {
    view.unsetCursor();
  }
}

}  // namespace

QLabel* MakeLabelView(ui::Label& label, QWidget* parent, Placement placement) {
  auto* view = Owned<LabelView>(label, parent);
  view->setTextFormat(Qt::PlainText);
  view->setWordWrap(placement == Placement::InColumn && label.tone() != ui::LabelTone::Link);
  const QFont baseFont = view->font();
  Link(*view, label, [view, &label, baseFont] { Dress(*view, label, baseFont); });
  return view;
}

}  // namespace qtui
