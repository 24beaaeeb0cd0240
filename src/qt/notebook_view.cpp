#include "qt/notebook_view.h"

#include "qt/control_link.h"
#include "qt/owned.h"
#include "qt/page_builder.h"

namespace qtui {

QStackedWidget* MakeNotebookView(ui::Notebook& notebook, QWidget* parent,
                                 const BuildOptions& options, const PageFrame& frame) {
  auto* stack = Owned<QStackedWidget>(parent);
  // Named before its pages exist, so that style rules naming the notebook reach them.
  stack->setObjectName(QString::fromStdString(notebook.name()));
  for (const auto& page : notebook.pages()) {
    QWidget* built = BuildLayout(page->layout, stack, options);
    built->setObjectName(QString::fromStdString(page->name()));
    built->setAccessibleName(QString::fromStdString(page->name()));
    stack->addWidget(frame ? frame(*built, *stack) : built);
  }
  ControlLink& link = Link(*stack, notebook, [stack, &notebook] {
    if (notebook.activeIndex() >= 0 && stack->currentIndex() != notebook.activeIndex()) {
      stack->setCurrentIndex(notebook.activeIndex());
    }
  });
  link.keep(notebook.pageChanged.connect([&link] { link.apply(); }));
  return stack;
}

}  // namespace qtui
