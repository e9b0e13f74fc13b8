#pragma once
// The main window with a document opened from a temporary folder, a wait
// for the typesetting run it starts, and an xdg-open of the test's own.
#include <QApplication>
#include <QDockWidget>
#include <QListWidget>
#include <QSignalSpy>
#include <QToolButton>
#include <optional>

#include "app/typesetting/typesetting.h"
#include "encoding/codec.h"
#include "form_test.h"
#include "latex_documents.h"
#include "modal_script.h"

namespace zumoku::test {

// Alone on the PATH while it lives: an xdg-open that records the file it is
// given and ends with `exitCode`, or none at all.
class FakeXdgOpen {
 public:
  explicit FakeXdgOpen(std::optional<int> exitCode) : path_(qgetenv("PATH")) {
    if (exitCode) {
      QFile script(dir_.filePath(QStringLiteral("xdg-open")));
      script.open(QIODevice::WriteOnly);
      script.write(
          QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n").arg(Record()).arg(*exitCode).toUtf8());
      script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(dir_.path()));
  }
  ~FakeXdgOpen() { qputenv("PATH", path_); }

  // The file it was given, once it has run.
  QString Opened() const {
    QFile record(Record());
    return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll()) : QString();
  }

 private:
  QString Record() const { return dir_.filePath(QStringLiteral("opened")); }

  QTemporaryDir dir_;
  QByteArray path_;
};

class TypesetForm : public FormTest {
 protected:
  TypesetForm() {
    QApplication::setQuitOnLastWindowClosed(false);
    form.show();
  }

  Typesetting& Typeset() { return *form.findChild<Typesetting*>(); }
  // The selection as text, for documents of either encoding.
  QString SelectedText() { return codec::Decode(form.Buffer().SelText(), form.Buffer().TextEncoding()); }
  typeset::TypesetRunner& Runner() { return Typeset().Runner(); }

  QString Open(const QString& name, const std::string& bytes) {
    const QString path = folder.Write(name, bytes);
    ModalScript script({Choose(path)});
    Trigger("Open1");
    return path;
  }
  // Triggers "タイプセット" and waits until the run ends.
  void TypesetAndWait() {
    QSignalSpy finished(&Runner(), &typeset::TypesetRunner::finished);
    Trigger("Typeset1");
    if (finished.isEmpty()) {
      ASSERT_TRUE(finished.wait(30000));
    }
  }
  template <typename W>
  W* Child(const char* name) {
    auto* child = form.findChild<W*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  LatexFolder folder;
};

}  // namespace zumoku::test
