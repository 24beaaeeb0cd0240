#include "qt/edit_views.h"

#include <QPointer>
#include <QSignalBlocker>
#include <memory>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/model_call.h"
#include "qt/owned.h"

namespace qtui {

QLineEdit* MakeEditFieldView(ui::EditField& field, QWidget* parent) {
  auto* view = Owned<QLineEdit>(parent);
  ControlLink& link = Link(*view, field, [view, &field] {
    view->setReadOnly(field.readOnly());
    const QString text = DisplayText(field.text());
    if (view->text() != text) {
      QSignalBlocker block(view);
      view->setText(text);
    }
  });
  QObject::connect(view, &QLineEdit::textEdited, view, [view, &link, &field](const QString& text) {
    QPointer<QLineEdit> alive(view);
    CallModel([&] { field.type(ModelText(text)); });
    if (alive) link.apply();
  });
  return view;
}

QPlainTextEdit* MakeMemoView(ui::Memo& memo, QWidget* parent) {
  auto* view = Owned<QPlainTextEdit>(parent);
  // While the user types, the widget's text is the truth: the model drops a trailing line break
  // the user has only begun.
  auto typing = std::make_shared<bool>(false);
  Link(*view, memo, [view, &memo, typing] {
    view->setReadOnly(memo.readOnly());
    if (*typing) return;
    const QString text = DisplayText(memo.text());
    if (view->toPlainText() != text) {
      QSignalBlocker block(view);
      view->setPlainText(text);
    }
  });
  QObject::connect(view, &QPlainTextEdit::textChanged, view, [view, &memo, typing] {
    *typing = true;
    CallModel([&] { memo.type(ModelText(view->toPlainText())); });
    *typing = false;
  });
  return view;
}

}  // namespace qtui
