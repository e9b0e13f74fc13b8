// Dialogs under a real window manager, driven by key events from the X
// server: where the focus is when a window opens, what Enter does there, and
// what the window manager draws around a dialog. Run by desktop_session.sh.
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include "app/dialogs/document_settings_dialog.h"
#include "app/dialogs/matrix_dialog.h"
#include "app/dialogs/section_manager.h"
#include "fake_prompts.h"
#include "form_test.h"
#include "memory_files.h"
#include "modal.h"

namespace zumoku::test {
namespace {

// Keys as the X server sends them to the window with the focus.
void PressKeys(const QStringList& keys) {
  ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys), 0);
}

// Waits until the window manager has given `window` the keyboard: until
// then, keys go to the window that had it.
bool HasTheKeyboard(QWidget* window) {
  return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

// Waits for `dialog` to close on the keys; closes it when they did not.
bool ClosedByTheKeys(QDialog* dialog) {
  if (QTest::qWaitFor([dialog] { return !dialog->isVisible(); })) return true;
  dialog->done(QDialog::Rejected);
  return false;
}

class DesktopKeys : public FormTest {
 protected:
  void SetUp() override {
    form.show();
    ASSERT_TRUE(HasTheKeyboard(&form));
  }
};

TEST_F(DesktopKeys, EnterOnASectionManagerRowJumpsToItsHead) {
  form.Buffer().SetSelText("\\section{A}\r\n\\section{B}\r\n");
  Trigger("N58");
  QPointer<TSectionManager> window = form.findChild<TSectionManager*>();
  ASSERT_TRUE(HasTheKeyboard(window));
  PressKeys({QStringLiteral("Home"), QStringLiteral("Down"), QStringLiteral("Return")});
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
  EXPECT_EQ(form.Buffer().SelText(), "\\section{B}");
  if (window) window->close();
}

TEST_F(DesktopKeys, MatrixDialogTakesTheTypedRowCountAndEnter) {
  form.Buffer().SetSelText("\\documentclass{jsarticle}\r\n");
  bool closed = false;
  WhenModal<TForm5>([&](TForm5* dialog) {
    ASSERT_TRUE(HasTheKeyboard(dialog));
    PressKeys({QStringLiteral("3"), QStringLiteral("Return")});
    closed = ClosedByTheKeys(dialog);
  });
  Trigger("N42");
  EXPECT_TRUE(closed);
  EXPECT_NE(form.Buffer().Text().find("\\begin{pmatrix}\r\n    1 & 2 \\\\\r\n    1 & 2 \\\\\r\n    1 & 2 \r\n"),
            std::string::npos)
      << form.Buffer().Text();
}

// The dialog cannot be cancelled, so it shows no close box: its frame has no
// title bar, as wide at the top as at the bottom (openbox draws a close box
// on every title bar it draws).
TEST(DesktopFrames, DocumentSettingsDialogHasNoTitleBar) {
  MemoryFiles files;
  files.files = {
      {"set/documentclass.txt", "{jsarticle}\r\n"}, {"set/prinable.txt", ""}, {"set/author.txt", "\r\n\r\n\r\n"}};
  FakePrompts prompts;
  SettingsFiles settings{files, prompts, "set/"};
  NewDocumentTemplate fields;
  TForm3 dialog(nullptr, settings, fields, *settings.Load());
  dialog.show();
  ASSERT_TRUE(HasTheKeyboard(&dialog));
  const QMargins frame = dialog.windowHandle()->frameMargins();
  EXPECT_EQ(frame.top(), frame.bottom());
}

}  // namespace
}  // namespace zumoku::test
