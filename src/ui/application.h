#pragma once

#include <exception>
#include <functional>
#include <string>

#include "ui/dialogs.h"
#include "ui/signal.h"

namespace ui {

// The running program's application object: the top-level error handler, the current hint and
// the dialogs and message pump. One is current at a time (the one made last and still alive);
// controls reach it to run their handlers.
class Application {
 public:
  Application(Dialogs& dialogs, MessagePump& pump, std::string title);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* current();

  Dialogs& dialogs() const { return dialogs_; }
  MessagePump& pump() const { return pump_; }
  const std::string& title() const { return title_; }

  // Runs an event handler. At the outermost level an error it raises ends the handler and is
  // shown in an error box; the program goes on. Nested handlers let errors pass to that level.
  void runHandler(const std::function<void()>& handler);
  // Follows every top-level handler, however it ended (the machine saves its changes here).
  Signal<> handlerFinished;
  // Shows an error's message in the error box.
  void showError(const std::exception& error);

  // The hint of the control under the mouse; empty when it left.
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& hint);
  Signal<const std::string&> hintChanged;

  // Handlers that pending messages start are top-level handlers of their own.
  void ProcessMessages();

 private:
  Dialogs& dialogs_;
  MessagePump& pump_;
  std::string title_;
  std::string hint_;
  int handlerDepth_ = 0;
  Application* previous_ = nullptr;
};

// Runs a handler through the current application, or directly when there is none.
void RunHandler(const std::function<void()>& handler);

}  // namespace ui
