#include "support/test_machine.h"

namespace testing_support {

TestMachine::TestMachine() {
  drives.Add('C', {});
}
TestMachine::~TestMachine() = default;

program::Program& TestMachine::start() {
  program_.reset();
  program_ = std::make_unique<program::Program>(application, services);
  return *program_;
}

std::string TestMachine::profileBytes() const {
  return files.Get(profilePath()).value_or("");
}

}  // namespace testing_support
