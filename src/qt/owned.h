#pragma once

#include <memory>
#include <utility>

namespace qtui {

// Makes a Qt object that belongs to its Qt parent, which deletes it; the parent must be among
// the constructor's arguments.
template <typename T, typename... Args>
T* Owned(Args&&... args) {
  return std::make_unique<T>(std::forward<Args>(args)...).release();
}

}  // namespace qtui
