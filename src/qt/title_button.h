#pragma once

#include <QAbstractButton>

namespace qtui {

// A small button of the title band with a drawn glyph.
class TitleButton : public QAbstractButton {
 public:
  enum class Glyph { Minimize, MinimizeToTray, Close };

  TitleButton(Glyph glyph, QWidget* parent);

  QSize sizeHint() const override { return {26, 20}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Glyph glyph_;
};

}  // namespace qtui
