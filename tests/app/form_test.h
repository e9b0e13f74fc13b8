#pragma once
// A main window driven by its component names, offscreen.
#include <QAction>
#include <gtest/gtest.h>

#include "app/tform1.h"

namespace zumoku::test {

class FormTest : public ::testing::Test {
 protected:
  TForm1 form;

  QAction* Action(const char* name) {
    auto* action = form.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  void Trigger(const char* name) { Action(name)->trigger(); }
};

}  // namespace zumoku::test
