#include "app/desktop/error_box.h"

#include <gtest/gtest.h>

namespace zumoku::test {

TEST(ErrorBox, ApplicationTitleFromTheExecutableName) {
  EXPECT_EQ(ApplicationTitle(QStringLiteral("/opt/bin/Zumoku")), QStringLiteral("Zumoku"));
  EXPECT_EQ(ApplicationTitle(QStringLiteral("C:/x/ZUMOKU.EXE")), QStringLiteral("Zumoku"));
  EXPECT_EQ(ApplicationTitle(QStringLiteral("/a.b/zuMoku.tar.gz")), QStringLiteral("zumoku"));
}

TEST(ErrorBox, PeriodAppendedWhenTheLastCharacterSortsAfterIt) {
  EXPECT_EQ(WithClosingPeriod(QStringLiteral("ファイル a は開けません")), QStringLiteral("ファイル a は開けません."));
  EXPECT_EQ(WithClosingPeriod(QStringLiteral("done.")), QStringLiteral("done."));
  EXPECT_EQ(WithClosingPeriod(QStringLiteral("wait!")), QStringLiteral("wait!"));
  EXPECT_EQ(WithClosingPeriod(QStringLiteral("abc")), QStringLiteral("abc."));
  EXPECT_EQ(WithClosingPeriod(QString()), QString());
}

}  // namespace zumoku::test
