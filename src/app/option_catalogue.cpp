#include "app/option_catalogue.h"

namespace app {

void ShowCatalogue(ui::CheckList& list, OptionCatalogue catalogue) {
  std::vector<std::string> texts;
  for (const QuickStartOption& option : catalogue) texts.emplace_back(option.item);
  list.setItems(texts);
}

}  // namespace app
