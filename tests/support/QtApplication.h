#pragma once
// The one QApplication of a test program that shows windows, made on first
// use and kept to the end of the process: Qt's devices must not outlive it
// at exit.
#include <QApplication>

namespace testing_support {

inline QApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "tests";
  static char* argv[] = {name, nullptr};
  static auto* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace testing_support
