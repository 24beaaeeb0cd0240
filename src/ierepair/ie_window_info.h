#pragma once

#include <string>
#include <string_view>

#include "platform/dde.h"
#include "ui/dialogs.h"

namespace ierepair {

// Asks the running browser over DDE for its window information. When no browser answers, the
// browser is started once and asked again; when still none answers, "IE is not running !!!" is
// shown in a plain box captioned `caption`, and the answer is empty. A request that fails or
// times out after 10,000 ms gives an empty answer too.
std::string GetIEWindowInfo(platform::Dde& dde, ui::Dialogs& dialogs, std::string_view caption);

// The address in a window-information answer ("address","title"): the text from the second
// character up to the character before the first comma, without it. Empty when there is no
// comma, or when it stands in the first three places.
std::string AddressOfWindowInfo(std::string_view answer);

}  // namespace ierepair
