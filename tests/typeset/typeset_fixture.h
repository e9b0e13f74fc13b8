#pragma once
// The main window with a document opened from a temporary folder, and a
// wait for the typesetting run it starts.
#include <QApplication>
#include <QDockWidget>
#include <QListWidget>
#include <QSignalSpy>
#include <QToolButton>

#include "app/typeset_controller.h"
#include "form_test.h"
#include "latex_documents.h"
#include "modal_script.h"

namespace zumoku::test {

class TypesetForm : public FormTest {
 protected:
  TypesetForm() {
    QApplication::setQuitOnLastWindowClosed(false);
    form.show();
  }

  Typesetting& Typeset() { return *form.findChild<Typesetting*>(); }
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
