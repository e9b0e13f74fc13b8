#pragma once
// Clicks a button of a window or dialog the way a user would.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QString>
#include <QWidget>

namespace zumoku::test {

// The button within `parent` whose objectName or caption is `button`; a
// missing button fails the test.
inline void Click(QWidget* parent, const QString& button) {
  for (QAbstractButton* candidate : parent->findChildren<QAbstractButton*>()) {
    if (candidate->objectName() == button || candidate->text() == button) return candidate->click();
  }
  ADD_FAILURE() << "no button " << button.toStdString();
}

}  // namespace zumoku::test
