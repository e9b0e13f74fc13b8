#include "app/dialogs/about_window.h"

#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "desktop_state.h"
#include "form_test.h"
#include "local_server.h"
#include "modal.h"
#include "modal_script.h"
#include "qstring_print.h"
#include "version_check/about_config.h"
#include "version_check/version_check.h"

namespace zumoku::test {

namespace {
const QString kUnchecked = QStringLiteral("最新版のVersionNumber：未調査");
const QString kChecking = QStringLiteral("調査中。暫くお待ちください。");
const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);

QColor TextColor(const QWidget* label) { return label->palette().color(QPalette::Active, QPalette::WindowText); }

}  // namespace

class AboutWindow : public ::testing::Test {
 protected:
  // A window whose check asks the given server.
  std::unique_ptr<TForm6> Window(const LocalServer& server) {
    return std::make_unique<TForm6>(nullptr, server.Url("/program/Zumoku_VersionNum.txt"), VersionFile());
  }
  QString VersionFile() const { return folder.filePath(QStringLiteral("Zumoku_VersionNum.txt")); }

  QTemporaryDir folder;
};

TEST_F(AboutWindow, ControlsByName) {
  TForm6 window(nullptr);
  EXPECT_EQ(window.objectName(), QStringLiteral("Form6"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("このプログラムについて"));
  EXPECT_EQ(window.size(), QSize(230, 151));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window.findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(), QStringLiteral("著作"));
  const struct {
    const char* name;
    QString text;
    QColor color;
    QString hint;
  } labels[] = {
      {"Label1", QStringLiteral("製作：") + QString::fromUtf8(about::kAuthorName), Qt::black, {}},
      {"Label2", QStringLiteral("連絡先：") + QString::fromUtf8(about::kAuthorMail), kBlue,
       QStringLiteral("クリックすると、このアドレスヘメールを書くウィンドウが表示されます")},
      {"Label3", QStringLiteral("WebSite：") + QString::fromUtf8(about::kWebPageText), kBlue,
       QStringLiteral("クリックすると、WebSiteを表示します")},
      {"Label4", QStringLiteral("このソフトウェアのVersion：0.3"), Qt::black, {}},
      {"Label5", kUnchecked, kNavy, {}},
  };
  for (const auto& expected : labels) {
    auto* label = window.GroupBox1->findChild<QLabel*>(QLatin1String(expected.name));
    ASSERT_NE(label, nullptr) << expected.name;
    EXPECT_EQ(label->text(), expected.text) << expected.name;
    EXPECT_EQ(TextColor(label), expected.color) << expected.name;
    EXPECT_EQ(label->toolTip(), expected.hint) << expected.name;
  }
  auto* check = window.GroupBox1->findChild<QPushButton*>(QStringLiteral("Button2"));
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->text(), QStringLiteral("<Check"));
  EXPECT_EQ(check->toolTip(),
            QStringLiteral("クリックすることで調査します（インターネットに接続できる環境が必要です）"));
  EXPECT_GT(check->x(), window.Label5->x() + window.Label5->width() - 1);
  auto* ok = window.findChild<QPushButton*>(QStringLiteral("Button1"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_GE(ok->y(), window.GroupBox1->geometry().bottom());
}

// A gothic face with a taller line than the 13 pixels the window was laid
// out for (Noto Sans CJK where IPA is missing) must not cut the rows.
TEST_F(AboutWindow, RowsTakeTheHeightTheirFontNeeds) {
  TForm6 window(nullptr);
  QFont tall = window.font();
  tall.setPixelSize(17);
  window.setFont(tall);
  window.Label5->setText(QStringLiteral("最新版のVersionNumber：0.4"));
  const QLabel* above = nullptr;
  for (const QLabel* label : std::initializer_list<const QLabel*>{window.Label1, window.Label2, window.Label3,
                                                                  window.Label4, window.Label5}) {
    EXPECT_GE(label->height(), label->sizeHint().height()) << label->objectName().toStdString();
    EXPECT_TRUE(above == nullptr || label->y() > above->geometry().bottom()) << label->objectName().toStdString();
    above = label;
  }
  EXPECT_LE(window.Button2->geometry().bottom(), window.GroupBox1->contentsRect().bottom());
  EXPECT_LE(window.Label5->geometry().bottom(), window.GroupBox1->contentsRect().bottom());
  EXPECT_GT(window.Button1->y(), window.GroupBox1->geometry().bottom());
  EXPECT_LE(window.Button1->geometry().bottom(), window.height());
}

TEST_F(AboutWindow, HelpMenuOpensAFreshWindowCentredOnTheMainWindow) {
  TForm1 form;
  form.show();
  for (int opening = 0; opening < 2; ++opening) {
    WhenModal<TForm6>([&](TForm6* window) {
      EXPECT_EQ(window->parentWidget(), &form);
      EXPECT_LE((window->geometry().center() - form.geometry().center()).manhattanLength(), 2);
      EXPECT_EQ(window->Label5->text(), kUnchecked);
      EXPECT_EQ(TextColor(window->Label5), kNavy);
      window->Label5->setText(QStringLiteral("最新版のVersionNumber：0.9"));
      window->Button1->click();
    });
    form.findChild<QAction*>(QStringLiteral("N6"))->trigger();
  }
  EXPECT_EQ(form.findChild<TForm6*>(), nullptr);
}

TEST_F(AboutWindow, LinkLabelsOpenMailAndWebPageThroughTheShell) {
  const QString web = QString::fromUtf8(about::kWebPageUrl);
  UrlCatcher mail(QStringLiteral("mailto"));
  UrlCatcher page(QUrl(web).scheme());
  TForm6 window(nullptr);
  window.show();
  QTest::mouseClick(window.Label1, Qt::LeftButton);
  QTest::mouseClick(window.Label2, Qt::LeftButton);
  QTest::mouseClick(window.Label3, Qt::LeftButton);
  QTest::mouseClick(window.Label3, Qt::RightButton);
  EXPECT_EQ(mail.urls, QList<QUrl>{QUrl(QStringLiteral("mailto:") + QString::fromUtf8(about::kAuthorMail))});
  EXPECT_EQ(page.urls, QList<QUrl>{QUrl(web)});
}

TEST_F(AboutWindow, HandCursorOverTheLinkLabelsOnly) {
  TForm6 window(nullptr);
  window.show();
  for (QWidget* label : std::initializer_list<QWidget*>{window.Label1, window.Label2, window.Label3, window.Label5}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), label->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &move);
  }
  EXPECT_EQ(window.Label1->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(window.Label2->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window.Label3->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window.Label5->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(AboutWindow, CheckShowsTheLatestVersionInGreenAndCanRunAgain) {
  LocalServer server({{"HTTP/1.0 200 OK\r\n\r\n0.5\r\n"}, {"HTTP/1.0 200 OK\r\n\r\n0.6\r\n"}});
  auto window = Window(server);
  window->show();
  QSignalSpy found(window->findChild<about::VersionCheck*>(), &about::VersionCheck::Found);

  QTest::mouseClick(window->Button2, Qt::LeftButton);
  // The click has returned while the check still runs.
  EXPECT_EQ(window->Label5->text(), kChecking);
  EXPECT_EQ(TextColor(window->Label5), kNavy);
  EXPECT_FALSE(window->Label5->isEnabled());
  EXPECT_FALSE(window->Button2->isEnabled());
  ASSERT_TRUE(found.wait());
  EXPECT_EQ(window->Label5->text(), QStringLiteral("最新版のVersionNumber：0.5"));
  EXPECT_EQ(TextColor(window->Label5), kGreen);
  EXPECT_TRUE(window->Label5->isEnabled());
  EXPECT_TRUE(window->Button2->isEnabled());
  EXPECT_FALSE(QFile::exists(VersionFile()));

  QTest::mouseClick(window->Label5, Qt::LeftButton);
  EXPECT_EQ(window->Label5->text(), kChecking);
  ASSERT_TRUE(found.wait());
  EXPECT_EQ(window->Label5->text(), QStringLiteral("最新版のVersionNumber：0.6"));
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(AboutWindow, AFailedCheckShowsTheErrorAndStaysDisabled) {
  LocalServer server({{"HTTP/1.0 200 OK\r\n\r\n0.5", ScriptedReply::End::kReset}});
  auto window = Window(server);
  window->show();
  QSignalSpy failed(window->findChild<about::VersionCheck*>(), &about::VersionCheck::Failed);
  QString seen;
  ModalScript script({Noting(seen, Clicking(QStringLiteral("OK")))});
  window->Button2->click();
  ASSERT_TRUE(failed.wait());
  EXPECT_TRUE(seen.endsWith(QStringLiteral(": 104:Connection reset by peer."))) << seen.toStdString();
  EXPECT_EQ(window->Label5->text(), kChecking);
  EXPECT_EQ(TextColor(window->Label5), kNavy);
  EXPECT_FALSE(window->Label5->isEnabled());
  EXPECT_FALSE(window->Button2->isEnabled());
}

TEST_F(AboutWindow, TabSkipsTheCheckButton) {
  TForm6 window(nullptr);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.Button1->setFocus();
  for (int press = 0; press < 3; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.Button1);
  }
}

}  // namespace zumoku::test
