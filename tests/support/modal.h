#pragma once
// Acts on a modal dialog or a popup menu once the code under test has shown
// it, from inside the dialog's own event loop; no fixed waits.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zumoku::test {

// Takes a modal widget away; a message box without an Esc button ignores
// close(), so dialogs are rejected.
inline void Dismiss(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal)) return dialog->reject();
  modal->close();
}

// Runs `act` on the active modal widget as soon as there is one. A modal
// widget of another type than W fails the test and is closed, so the test
// goes on instead of waiting for it.
template <typename W>
void WhenModal(std::function<void(W*)> act, int attemptsLeft = 1000) {
  QTimer::singleShot(0, [act, attemptsLeft] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (attemptsLeft > 0) return WhenModal<W>(act, attemptsLeft - 1);
      ADD_FAILURE() << "no modal " << W::staticMetaObject.className() << " appeared";
      return;
    }
    if (auto* widget = qobject_cast<W*>(modal)) {
      const QPointer<QWidget> shown(modal);
      act(widget);
      // A failed ASSERT in `act` may have left the widget open.
      if (shown && shown->isVisible() && ::testing::Test::HasFatalFailure()) Dismiss(shown);
      return;
    }
    ADD_FAILURE() << "a modal " << modal->metaObject()->className() << " appeared instead of a "
                  << W::staticMetaObject.className();
    Dismiss(modal);
  });
}

// Runs `act` on the open popup menu as soon as there is one.
inline void WhenPopup(std::function<void(QWidget*)> act, int attemptsLeft = 1000) {
  QTimer::singleShot(0, [act, attemptsLeft] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      act(popup);
    } else if (attemptsLeft > 0) {
      WhenPopup(act, attemptsLeft - 1);
    } else {
      ADD_FAILURE() << "no popup menu appeared";
    }
  });
}

}  // namespace zumoku::test
