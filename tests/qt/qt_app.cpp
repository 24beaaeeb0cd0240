#include "qt_app.h"

#include <QByteArray>
#include <memory>
#include <stdexcept>

namespace qt_testing {

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

  QApplication* application() const { return application_.get(); }

 private:
  char name_[9] = "qt_tests";
  char* argv_[2] = {name_, nullptr};
  int argc_ = 1;
  std::unique_ptr<QApplication> application_;
};

// GoogleTest owns the environment it is given.
QtEnvironment* const environment = static_cast<QtEnvironment*>(
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtEnvironment>().release()));

}  // namespace

QApplication& TestApplication() {
  QApplication* application = environment->application();
  if (!application) throw std::logic_error("Qt is used outside the tests");
  return *application;
}

}  // namespace qt_testing
