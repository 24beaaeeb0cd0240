#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/layout.h"

namespace ui {

// A named page of a notebook. Its owner declares the layout and may keep the page's plain texts
// and pictures in the page itself.
class Page {
 public:
  Page(std::string name, std::string header) : name_(std::move(name)), header_(std::move(header)) {}
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  const std::string& name() const { return name_; }
  const std::string& header() const { return header_; }

  LayoutNode layout;

  // A control that lives as long as the page.
  template <typename T, typename... Args>
  T& make(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T& made = *control;
    owned_.push_back(std::move(control));
    return made;
  }

 private:
  std::string name_;
  std::string header_;
  std::vector<std::unique_ptr<Control>> owned_;
};

// Pages by name, one of them active. `pageChanged` and onPageChanged follow every change.
class Notebook : public Control {
 public:
  explicit Notebook(std::string name) : Control(std::move(name)) {}

  // Pages keep the order they were added in; the first becomes active.
  Page& addPage(std::string name, std::string header = {});
  Page& page(std::string_view name) const;
  bool hasPage(std::string_view name) const;
  const std::vector<std::unique_ptr<Page>>& pages() const { return pages_; }

  const Page& activePage() const;
  const std::string& activeName() const { return activePage().name(); }
  int activeIndex() const { return active_; }
  void setActivePage(std::string_view name);

  std::function<void()> onPageChanged;
  Signal<> pageChanged;

 private:
  std::vector<std::unique_ptr<Page>> pages_;
  int active_ = -1;
};

}  // namespace ui
