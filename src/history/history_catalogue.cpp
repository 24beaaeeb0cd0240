#include "history/history_catalogue.h"

namespace history {

namespace {

constexpr app::QuickStartOption kOptions[] = {
    {"Delete Cookies", "Deleting Cookies ...", "Cookies were deleted completely!"},
    {"Clear Typed URLs History", "Deleting typed URLs historys ...",
     "Typed URLs historys were deleted completely!"},
    {"Delete Internet Explorer Cache(Files in temporary internet folder)",
     "Deleting Internet Explorer cache ...", "Internet Explorer cache was deleted completely!"},
    {"Delete History", "Deleting IE history ...", "IE history was deleted completely!"},
    {"Clear Clipboard", "Clearing clipboard ...", "Clipboard was cleared completely!"},
    {"Clear Search History", "Clearing search history ...",
     "Search history was cleared completely!"},
    {"Clear Start Menu Run History", "Clearing start menu run history ...",
     "Start menu run history was cleared completely!"},
    {"Clear Recent Document History", "Clearing my recent document history ...",
     "My recent document history was cleared completely!"},
    {"Delete Prefetch", "Clearing Prefetch ...", "Prefetch was cleared completely!"},
    {"Clean Recycle Bin ", "Clearing Recycle Bin ...", "Recycle Bin was cleared completely!"},
};

}  // namespace

app::OptionCatalogue HistoryOptionCatalogue() {
  return kOptions;
}

}  // namespace history
