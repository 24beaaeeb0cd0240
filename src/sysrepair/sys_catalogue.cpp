#include "sysrepair/sys_catalogue.h"

namespace sysrepair {

namespace {

constexpr app::QuickStartOption kOptions[] = {
    {"Enable registry", "Repairing registry disabled by malicious code ...",
     "Registry was repaired ..."},
    {"Repair Dialogue poping up automatically when computer reset",
     "Repairing Dialogue poping up automatically when computer reset...",
     "Dialogue poping up automatically when computer reset was repaired"},
    {"Repair Run", "Repairing Run...", "Run menu was Repaired"},
    {"Repair Logoff", "Repairing Logoff menu...", "Logoff menu was repaired"},
    {"Repair Shut Down", "Repairing Shut Down menu...",
     "Shut Down menu was successfully repaired "},
    {"Repair hidden Drives in My Computer", "Repairing drives hidden by malicious code...",
     "Drives hidden by malicious code was repaired"},
    {"Repair hidden desk icon", "Repairing desktop icons hidden by malicious code...",
     "Desktop icons hidden by malicious code was successfully repaired"},
    {"Repair Outlook Express title", "Repairing Outlook Express title...",
     "Outlook Express title was successfully repaired"},
    {"Repair hidden Control Panel", "Repairing Control Panel hidden by malicious code...",
     "Control Panel hidden by malicious code was successfully repaired"},
    {"Repair hidden Net neighbour", "Repairing Net Neighbour hidden by malicious code...",
     "Net Neighbour hidden by malicious code was successfully repaired"},
};

}  // namespace

app::OptionCatalogue SystemOptionCatalogue() {
  return kOptions;
}

}  // namespace sysrepair
