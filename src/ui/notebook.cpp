#include "ui/notebook.h"

#include <stdexcept>

namespace ui {

Page& Notebook::addPage(std::string name, std::string header) {
  if (hasPage(name)) throw std::logic_error(this->name() + " already has a page " + name);
  pages_.push_back(std::make_unique<Page>(std::move(name), std::move(header)));
  if (active_ < 0) active_ = 0;
  notify();
  return *pages_.back();
}

bool Notebook::hasPage(std::string_view name) const {
  for (const auto& page : pages_) {
    if (page->name() == name) return true;
  }
  return false;
}

Page& Notebook::page(std::string_view name) const {
  for (const auto& page : pages_) {
    if (page->name() == name) return *page;
  }
  throw std::logic_error(this->name() + " has no page " + std::string(name));
}

const Page& Notebook::activePage() const {
  if (active_ < 0) throw std::logic_error(name() + " has no pages");
  return *pages_[static_cast<std::size_t>(active_)];
}

void Notebook::setActivePage(std::string_view name) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i]->name() != name) continue;
    if (static_cast<int>(i) == active_) return;
    active_ = static_cast<int>(i);
    pageChanged.emit();
    fire(onPageChanged);
    return;
  }
  throw std::logic_error(this->name() + " has no page " + std::string(name));
}

}  // namespace ui
