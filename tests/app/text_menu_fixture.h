#pragma once
// A main window whose text context menu and count dialog are driven by
// objectName, offscreen.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "form_test.h"
#include "modal.h"
#include "app/tform1.h"

namespace zumoku::test {

class TextMenuTest : public FormTest {
 protected:

  QMenu* PopupMenu1() { return form.findChild<QMenu*>(QStringLiteral("PopupMenu1")); }
  QAction* Item(const char* name) {
    auto* action = PopupMenu1()->findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  // The whole text selected, as a user would before opening the menu.
  void Select(const std::string& s) {
    form.Buffer().Clear();
    form.Buffer().SetSelText(s);
    form.Buffer().SelectAll();
  }
  // Opens the menu on the selection (its opening handler runs), then chooses name.
  void Choose(const char* name) {
    emit PopupMenu1()->aboutToShow();
    Item(name)->trigger();
  }
};

}  // namespace zumoku::test
