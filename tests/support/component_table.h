#pragma once
// A window's components as one table: each name the program is driven by,
// with the caption or value it opens with.
#include <gtest/gtest.h>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <initializer_list>

namespace zumoku::test {

struct Component {
  const char* name;
  QString shown;  // its text or title; a null string when it shows none
};

inline void ExpectComponents(const QWidget& window, std::initializer_list<Component> table) {
  for (const Component& row : table) {
    const QWidget* child = window.findChild<QWidget*>(QLatin1String(row.name));
    ASSERT_NE(child, nullptr) << row.name;
    if (row.shown.isNull()) continue;
    const QVariant text = child->property("text");
    EXPECT_EQ((text.isValid() ? text : child->property("title")).toString(), row.shown) << row.name;
  }
}

}  // namespace zumoku::test
