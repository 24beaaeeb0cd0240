#include "ui/application.h"

#include <utility>

namespace ui {
namespace {

Application* currentApplication = nullptr;

class DepthGuard {
 public:
  DepthGuard(int& depth, int value) : depth_(depth), saved_(std::exchange(depth, value)) {}
  ~DepthGuard() { depth_ = saved_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& depth_;
  int saved_;
};

}  // namespace

Application::Application(Dialogs& dialogs, MessagePump& pump, std::string title)
    : dialogs_(dialogs), pump_(pump), title_(std::move(title)), previous_(currentApplication) {
  currentApplication = this;
}

Application::~Application() {
  if (currentApplication == this) currentApplication = previous_;
}

Application* Application::current() {
  return currentApplication;
}

void Application::runHandler(const std::function<void()>& handler) {
  if (handlerDepth_ > 0) {
    handler();
    return;
  }
  std::string failure;
  bool failed = false;
  {
    DepthGuard guard(handlerDepth_, 1);
    try {
      handler();
    } catch (const std::exception& error) {
      failed = true;
      failure = error.what();
    } catch (...) {
      failed = true;
      failure = "Unknown error";
    }
  }
  if (failed) dialogs_.MessageBox(failure, title_, kErrorFlags);
  handlerFinished.emit();
}

void Application::showError(const std::exception& error) {
  dialogs_.MessageBox(error.what(), title_, kErrorFlags);
}

void Application::setHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  hintChanged.emit(hint_);
}

void Application::ProcessMessages() {
  DepthGuard guard(handlerDepth_, 0);
  pump_.ProcessMessages();
}

void RunHandler(const std::function<void()>& handler) {
  if (Application* app = Application::current()) {
    app->runHandler(handler);
  } else {
    handler();
  }
}

}  // namespace ui
