#include "app/dialogs/splash_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileDialog>
#include <QTest>

#include "app/mainwindow/main_window.h"
#include "modal_script.h"
#include "settings_folder_fixture.h"
#include "shown_caption.h"

namespace zumoku::test {

class Splash : public SettingsFolderTest {
 protected:
  Splash() { QApplication::setQuitOnLastWindowClosed(false); }

  // Starts the main window as the program does, acting on the splash with
  // `onSplash` and on the dialogs it leads to with `then`.
  std::unique_ptr<TForm1> Start(const std::function<void(TForm4*)>& onSplash, std::deque<ModalScript::Step> then = {}) {
    then.push_front([onSplash](QDialog* dialog) {
      auto* splash = qobject_cast<TForm4*>(dialog);
      ASSERT_NE(splash, nullptr);
      EXPECT_FALSE(qobject_cast<QWidget*>(splash->parent())->isVisible());  // the main window waits
      onSplash(splash);
    });
    ModalScript script(std::move(then));
    return std::make_unique<TForm1>(TForm1::StartUp{.splash = true, .settingsFolder = Folder()});
  }
};

TEST_F(Splash, WindowAndButtons) {
  Start([](TForm4* splash) {
    EXPECT_EQ(splash->objectName(), QStringLiteral("Form4"));
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Zumoku Splash"));
    EXPECT_EQ(splash->size(), QSize(240, 76));
    EXPECT_EQ(splash->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(splash->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
    // Centred, give or take the frame the window system adds.
    EXPECT_LE((splash->geometry().center() - splash->screen()->availableGeometry().center()).manhattanLength(), 4);
    const struct {
      QToolButton* button;
      int left;
      QString caption, tooltip;
    } rows[] = {
        {splash->BitBtn1, 0, QStringLiteral("新規作成"), QStringLiteral("文書ファイルを新規に作成します。")},
        {splash->BitBtn2, 78, QStringLiteral("ファイルを開く"), QStringLiteral("既に製作されたファイルを開きます")},
        {splash->BitBtn3, 162, QStringLiteral("終了する"), QStringLiteral("アプリケーションを終了します")},
    };
    for (const auto& row : rows) {
      EXPECT_EQ(row.button->geometry(), QRect(row.left, 0, 76, 76)) << row.left;
      EXPECT_EQ(row.button->text(), row.caption);
      EXPECT_EQ(row.button->toolTip(), row.tooltip);
      EXPECT_FALSE(row.button->icon().isNull());
      EXPECT_EQ(row.button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }
    EXPECT_EQ(splash->focusWidget(), splash->BitBtn1);
    splash->reject();
  });
}

TEST_F(Splash, ReturnEnterAndSpacePressTheFocusedButton) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    const auto form = Start([key](TForm4* splash) {
      splash->BitBtn3->setFocus();
      QTest::keyClick(splash->BitBtn3, key);
      if (splash->isVisible()) splash->reject();  // not pressed: go on
    });
    EXPECT_TRUE(form->QuitAtStart()) << key;
  }
}

TEST_F(Splash, CancelledOpenLeavesAChangedEmptyDocument) {
  const auto form = Start([](TForm4* splash) { splash->BitBtn2->click(); }, {Cancel()});
  EXPECT_FALSE(form->QuitAtStart());
  EXPECT_EQ(form->Buffer().Text(), "");
  EXPECT_TRUE(form->Buffer().Modified());
}

TEST_F(Splash, QuitEndsTheProgramAndClosingGoesOnWithAnEmptyDocument) {
  EXPECT_TRUE(Start([](TForm4* splash) { splash->BitBtn3->click(); })->QuitAtStart());
  const auto closed = Start([](TForm4* splash) { QTest::keyClick(splash->BitBtn1, Qt::Key_Escape); });
  EXPECT_FALSE(closed->QuitAtStart());
  EXPECT_EQ(ShownCaption(*closed), QStringLiteral("Zumoku"));
  EXPECT_FALSE(closed->Buffer().Modified());
}

}  // namespace zumoku::test
