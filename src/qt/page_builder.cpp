#include "qt/page_builder.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

#include "qt/button_view.h"
#include "qt/check_list_view.h"
#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/edit_views.h"
#include "qt/label_view.h"
#include "qt/list_view_widget.h"
#include "qt/notebook_view.h"
#include "qt/owned.h"
#include "qt/panel_view.h"
#include "qt/picture_view.h"
#include "qt/tree_view_widget.h"

namespace qtui {

namespace {

constexpr int kSpacing = 6;

void AddChildren(QBoxLayout& layout, const ui::LayoutNode& node, QWidget* parent,
                 const BuildOptions& options, Placement placement);

void AddNode(QBoxLayout& layout, const ui::LayoutNode& node, QWidget* parent,
             const BuildOptions& options, Placement placement) {
  using Kind = ui::LayoutNode::Kind;
  switch (node.kind) {
    case Kind::Control:
      if (node.control) layout.addWidget(BuildControl(*node.control, parent, options, placement));
      break;
    case Kind::Column: {
      auto* column = Owned<QVBoxLayout>();
      column->setSpacing(kSpacing);
      layout.addLayout(column);
      AddChildren(*column, node, parent, options, Placement::InColumn);
      break;
    }
    case Kind::Row: {
      auto* row = Owned<QHBoxLayout>();
      row->setSpacing(kSpacing);
      layout.addLayout(row);
      AddChildren(*row, node, parent, options, Placement::InRow);
      break;
    }
    case Kind::Group: {
      auto* box = Owned<QGroupBox>(DisplayText(node.caption), parent);
      box->setObjectName(QString::fromStdString(node.name));
      box->setAccessibleName(WithoutMnemonics(node.caption));
      auto* inside = Owned<QVBoxLayout>(box);
      inside->setSpacing(kSpacing);
      AddChildren(*inside, node, box, options, Placement::InColumn);
      layout.addWidget(box);
      break;
    }
    case Kind::Panel: {
      auto* panel =
          Owned<PanelView>(dynamic_cast<ui::Panel*>(node.control), node.name, node.caption, parent);
      AddChildren(panel->body(), node, panel, options, Placement::InColumn);
      layout.addWidget(panel);
      break;
    }
    case Kind::Stretch:
      layout.addStretch(node.size);
      break;
    case Kind::Spacing:
      layout.addSpacing(node.size);
      break;
  }
}

void AddChildren(QBoxLayout& layout, const ui::LayoutNode& node, QWidget* parent,
                 const BuildOptions& options, Placement placement) {
  for (const ui::LayoutNode& child : node.children)
    AddNode(layout, child, parent, options, placement);
}

// A control of a kind no view knows yet shows its caption, so it is at least seen.
QWidget* MakeFallbackView(ui::Control& control, QWidget* parent) {
  auto* view = Owned<QLabel>(parent);
  view->setTextFormat(Qt::PlainText);
  Link(*view, control, [view, &control] { view->setText(DisplayText(control.caption())); });
  return view;
}

}  // namespace

QWidget* BuildLayout(const ui::LayoutNode& root, QWidget* parent, const BuildOptions& options) {
  auto* container = Owned<QWidget>(parent);
  auto* layout = Owned<QVBoxLayout>(container);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(kSpacing);
  if (root.kind == ui::LayoutNode::Kind::Column) {
    AddChildren(*layout, root, container, options, Placement::InColumn);
  } else {
    AddNode(*layout, root, container, options, Placement::InColumn);
  }
  return container;
}

QWidget* BuildControl(ui::Control& control, QWidget* parent, const BuildOptions& options,
                      Placement placement) {
  if (auto* notebook = dynamic_cast<ui::Notebook*>(&control)) {
    return MakeNotebookView(*notebook, parent, options);
  }
  if (auto* list = dynamic_cast<ui::ListView*>(&control)) return MakeListViewWidget(*list, parent);
  if (auto* list = dynamic_cast<ui::CheckList*>(&control)) return MakeCheckListView(*list, parent);
  if (auto* tree = dynamic_cast<ui::TreeView*>(&control)) return MakeTreeViewWidget(*tree, parent);
  if (auto* button = dynamic_cast<ui::Button*>(&control)) return MakeButtonView(*button, parent);
  if (auto* box = dynamic_cast<ui::CheckBox*>(&control)) return MakeCheckBoxView(*box, parent);
  if (auto* field = dynamic_cast<ui::EditField*>(&control))
    return MakeEditFieldView(*field, parent);
  if (auto* memo = dynamic_cast<ui::Memo*>(&control)) return MakeMemoView(*memo, parent);
  if (auto* label = dynamic_cast<ui::Label*>(&control))
    return MakeLabelView(*label, parent, placement);
  if (auto* picture = dynamic_cast<ui::PictureBox*>(&control)) {
    return MakePictureView(*picture, parent, options);
  }
  return MakeFallbackView(control, parent);
}

}  // namespace qtui
