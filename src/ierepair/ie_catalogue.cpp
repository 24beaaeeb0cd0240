#include "ierepair/ie_catalogue.h"

namespace ierepair {

namespace {

constexpr app::QuickStartOption kOptions[] = {
    {"Repair the Internet Explorer title", "Repairing the Internet Explorer title ...",
     "Internet Explorer title was repaired"},
    {"Repair the Internet Explorer homepage", "Repairing the Internet Explorer homepage ...",
     "Internet Explorer homepage was repaired"},
    {"Repair the Internet Options in tools menu",
     "Repairing the Internet Options in tools menu ...",
     "The Internet Explorer Options is repaired"},
    {"Repair the right menu which can not popup in the Internet Explorer",
     "Repairing right menu in the Internet Explorer ...",
     "Right menu in the Internet Explorer is repaired"},
    {"Repair View Source in the Internet Explorer",
     "Repairing View Source menu in the Internet Explorer ...",
     "View Source menu in the Internet Explorer is repaired"},
    {"Repair Link Bar name", "Repairing Link Bar name in the Internet Explorer ...",
     "Link Bar name in the Internet Explorer is repaired"},
    {"Repair the Internet Explorer poping up automatically when computer reset",
     "Repairing the Internet Explorer poping up automatically...",
     "The Internet Explorer poping up automatically was repaired..."},
    {"Repair Search Bar in the Internet Explorer",
     "Repairing Search Bar in the Internet Explorer ...",
     "Search Bar in the Internet Explorer was repaired"},
    {"Repair the Internet Explorer as default explorer",
     "Setting the Internet Explorer as default browser...",
     "The Internet Explorer was set as default browser"},
    {"Repair context menu in the Internet Explorer",
     "Repairing Context menu in the Internet Explorer ...",
     "Context menu in the Internet Explorer was repaired"},
    {"Repair Tool Bar in the Internet Explorer", "Repairing Tool Bar in the Internet Explorer ...",
     "Tool Bar in the Internet Explorer was repaired"},
    {"Clean Toolbar", "Cleaning Toolbar in the Internet Explorer ...",
     "Toolbar in the Internet Explorer was cleaned"},
};

}  // namespace

app::OptionCatalogue IEOptionCatalogue() {
  return kOptions;
}

}  // namespace ierepair
