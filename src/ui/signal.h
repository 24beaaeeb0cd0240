#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace ui {

// A connection that ends when it goes out of scope. It may outlive its signal.
class Connection {
 public:
  Connection() = default;
  explicit Connection(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
  Connection(Connection&& other) noexcept : disconnect_(std::exchange(other.disconnect_, {})) {}
  Connection& operator=(Connection&& other) noexcept {
    if (this != &other) {
      reset();
      disconnect_ = std::exchange(other.disconnect_, {});
    }
    return *this;
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection() { reset(); }

  void reset() {
    if (disconnect_) std::exchange(disconnect_, {})();
  }

 private:
  std::function<void()> disconnect_;
};

// Observers of a control's state (the renderer mirrors the model through them).
template <typename... Args>
class Signal {
 public:
  using Slot = std::function<void(Args...)>;

  Signal() : slots_(std::make_shared<Slots>()) {}
  Signal(const Signal&) = delete;
  Signal& operator=(const Signal&) = delete;

  [[nodiscard]] Connection connect(Slot slot) {
    int id = slots_->nextId++;
    slots_->entries.push_back({id, std::make_shared<Slot>(std::move(slot))});
    std::weak_ptr<Slots> weak = slots_;
    return Connection([weak, id] {
      if (auto slots = weak.lock())
        std::erase_if(slots->entries, [id](auto& e) { return e.id == id; });
    });
  }

  void emit(Args... args) const {
    if (slots_->entries.empty()) return;
    // A slot may connect or disconnect others while it runs.
    auto entries = slots_->entries;
    for (auto& entry : entries) (*entry.slot)(args...);
  }

 private:
  struct Entry {
    int id;
    std::shared_ptr<Slot> slot;
  };
  struct Slots {
    int nextId = 0;
    std::vector<Entry> entries;
  };
  std::shared_ptr<Slots> slots_;
};

}  // namespace ui
