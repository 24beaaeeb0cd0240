#pragma once

#include <functional>

namespace qtui {

// Runs model code on behalf of a Qt event. The model shows its handlers' errors itself; anything
// that still escapes is shown here, so no exception ever reaches Qt's event loop.
void CallModel(const std::function<void()>& action) noexcept;

}  // namespace qtui
