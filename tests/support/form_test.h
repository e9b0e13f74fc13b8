#pragma once
// A main window driven by its component names, offscreen.
#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>

#include "app/mainwindow/main_window.h"
#include "selected_text.h"

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
  // The whole text selected, as a user would before opening a menu.
  void Select(const std::string& s) { SetTextAndSelection(form.Buffer(), "", s); }
  // Opens the text context menu on the selection (its opening handler runs),
  // then chooses the entry `name`.
  void ChooseInPopupMenu1(const char* name) {
    emit form.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->aboutToShow();
    Trigger(name);
  }
};

}  // namespace zumoku::test
