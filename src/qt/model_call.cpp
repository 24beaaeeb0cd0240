#include "qt/model_call.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "ui/application.h"

namespace qtui {

namespace {

void Report(const std::exception& error) noexcept {
  try {
    if (ui::Application* app = ui::Application::current()) {
      app->showError(error);
      return;
    }
  } catch (...) {
  }
  std::fprintf(stderr, "sparvane: %s\n", error.what());
}

}  // namespace

void CallModel(const std::function<void()>& action) noexcept {
  try {
    action();
  } catch (const std::exception& error) {
    Report(error);
  } catch (...) {
    Report(std::runtime_error("Unknown error"));
  }
}

}  // namespace qtui
