#pragma once

#include <gtest/gtest.h>
#include <QApplication>

namespace qt_testing {

// The one QApplication of the test program (offscreen unless told otherwise). It lives from the
// first test to the last and is gone before the program exits: Qt cannot be torn down among
// the static destructors.
QApplication& TestApplication();

// A fixture whose tests need Qt.
class QtTest : public ::testing::Test {
 protected:
  QtTest() { TestApplication(); }
};

}  // namespace qt_testing
