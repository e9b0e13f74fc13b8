// "プログラムの設定...": each option takes effect in the open window at OK,
// キャンセル and Esc change nothing, typed values are checked where typed,
// and a settings file with values that cannot be read starts with the
// defaults and one message.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

#include "app/desktop/autosave.h"
#include "app/dialogs/document_settings_dialog.h"
#include "app/dialogs/program_settings_dialog.h"
#include "app/editor/line_number_margin.h"
#include "app/mainwindow/main_window.h"
#include "app/typesetting/typesetting.h"
#include "click.h"
#include "modal.h"
#include "qstring_print.h"
#include "row_name.h"
#include "settings_folder_fixture.h"

namespace zumoku::test {
namespace {

using Change = std::function<void(ProgramSettingsDialog&)>;

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes, bool executable = false) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

// A window with settings and a data folder of the test's own.
class ProgramSettingsTest : public SettingsFolderTest {
 protected:
  QTemporaryDir data;
  std::unique_ptr<TForm1> form;

  QString IniPath() const { return data.filePath(QStringLiteral("zumoku.ini")); }
  void Open() {
    QApplication::setQuitOnLastWindowClosed(false);
    form = std::make_unique<TForm1>(TForm1::StartUp{.settingsFolder = Folder(), .dataFolder = data.path()});
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  // "プログラムの設定...": `change` in the dialog, then `button`.
  void InDialog(const Change& change, const QString& button = QStringLiteral("OkButton")) {
    WhenModal<ProgramSettingsDialog>([change, button](ProgramSettingsDialog* dialog) {
      change(*dialog);
      Click(dialog, button);
    });
    form->findChild<QAction*>(QStringLiteral("N8"))->trigger();
  }
  options::ProgramOptions OptionsShown() {
    options::ProgramOptions shown;
    InDialog([&](ProgramSettingsDialog& dialog) { shown = dialog.Options(); }, QStringLiteral("CancelButton"));
    return shown;
  }
  QString Panel(int index) const {
    return form->findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(index))->text();
  }
};

// What an option controls, seen in the window.
using Probe = std::function<QString(TForm1&)>;

QString YesNo(bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); }

QString Typed(TForm1& form, const QString& keys) {
  form.Buffer().Clear();
  QTest::keyClicks(form.memo1, keys);
  return form.memo1->toPlainText() + u'|' + QString::number(form.memo1->CaretOffset());
}

// "{}" with the caret before "{": whether the layer has marks.
QString Marks(TForm1& form, MarkLayer layer) {
  form.memo1->setPlainText(QStringLiteral("{}"));
  // A move the marks follow, ending before "{".
  form.memo1->SetCaretOffset(2);
  form.memo1->SetCaretOffset(0);
  return YesNo(!form.memo1->Marks(layer).empty());
}

// A composed input-method commit of 雨、 then 。 committed inside a formula.
QString Committed(TForm1& form) {
  form.Buffer().Clear();
  const auto commit = [&](const QString& text) {
    QInputMethodEvent composing(text, {});
    QApplication::sendEvent(form.memo1, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(text);
    QApplication::sendEvent(form.memo1, &committed);
  };
  commit(QStringLiteral("雨、"));
  QTest::keyClicks(form.memo1, QStringLiteral("$"));
  commit(QStringLiteral("。"));
  return form.memo1->toPlainText();
}

struct OptionRow {
  const char* name;
  Change change;
  Probe probe;
  QString expected;  // what the probe sees after OK; before, it sees something else
};

const OptionRow kOptionRows[] = {
    {"FontFamily", [](auto& d) { d.FontFamilyBox->setEditText(QStringLiteral("IPAGothic")); },
     [](TForm1& f) { return f.memo1->font().families().front(); }, QStringLiteral("IPAGothic")},
    {"FontSize", [](auto& d) { d.FontSizeEdit->setText(QStringLiteral("24")); },
     [](TForm1& f) { return QString::number(f.memo1->font().pixelSize()); }, QStringLiteral("24")},
    {"TabWidth", [](auto& d) { d.TabWidthEdit->setText(QStringLiteral("2")); },
     [](TForm1& f) {
       return QString::number(f.memo1->tabStopDistance() / f.memo1->fontMetrics().horizontalAdvance(u' '));
     },
     QStringLiteral("2")},
    {"LineNumbers", [](auto& d) { d.LineNumbersCheck->setChecked(false); },
     [](TForm1& f) {
       const bool room = f.memo1->viewport()->x() > f.memo1->contentsRect().x();
       return YesNo(f.findChild<LineNumberMargin*>()->isVisible() || room);
     },
     QStringLiteral("no")},
    {"CaretLine", [](auto& d) { d.CaretLineCheck->setChecked(false); },
     [](TForm1& f) { return Marks(f, MarkLayer::kCaretLine); }, QStringLiteral("no")},
    {"BraceMatching", [](auto& d) { d.BraceMatchingCheck->setChecked(false); },
     [](TForm1& f) { return Marks(f, MarkLayer::kBraces); }, QStringLiteral("no")},
    {"Highlighting", [](auto& d) { d.HighlightingCheck->setChecked(false); },
     [](TForm1& f) {
       f.memo1->setPlainText(QStringLiteral("\\section{a} % b"));
       f.memo1->viewport()->repaint();
       return YesNo(!f.memo1->document()->firstBlock().layout()->formats().isEmpty());
     },
     QStringLiteral("no")},
    {"TypingAid", [](auto& d) { d.TypingAidCheck->setChecked(false); },
     [](TForm1& f) { return Typed(f, QStringLiteral("x^")); }, QStringLiteral("x^|2")},
    {"StepOverBrace", [](auto& d) { d.StepOverBraceCheck->setChecked(true); },
     [](TForm1& f) { return Typed(f, QStringLiteral("{a}b")); }, QStringLiteral("{a}b|4")},
    {"PunctuationInput", [](auto& d) { d.PunctuationInputBox->setCurrentIndex(2); }, Committed,
     QStringLiteral("雨，$。")},
    {"NewDocumentFormat",
     [](auto& d) {
       d.NewEncodingBox->setCurrentIndex(1);
       d.NewLineEndsBox->setCurrentIndex(1);
     },
     [](TForm1& f) {
       WhenModal<TForm3>([](TForm3* form3) { form3->Button1->click(); });
       f.findChild<QAction*>(QStringLiteral("N2"))->trigger();
       return f.findChild<QLabel*>(QStringLiteral("StatusBar1Panel3"))->text();
     },
     QStringLiteral("UTF-8 LF")},
    {"AutosaveInterval", [](auto& d) { d.AutosaveEdit->setText(QStringLiteral("1")); },
     [](TForm1& f) {
       QSignalSpy written(f.findChild<Autosave*>(), &Autosave::written);
       f.Buffer().SetSelText("x");
       return YesNo(written.wait(1500));
     },
     QStringLiteral("yes")},
};

class EachOption : public ProgramSettingsTest, public ::testing::WithParamInterface<OptionRow> {};

TEST_P(EachOption, TakesEffectInTheOpenWindowAtOkAndStaysForTheNextStart) {
  const OptionRow& row = GetParam();
  Open();
  EXPECT_NE(row.probe(*form), row.expected) << "before";
  InDialog(row.change);
  EXPECT_EQ(row.probe(*form), row.expected) << "after OK";
  form.reset();
  Open();
  EXPECT_EQ(row.probe(*form), row.expected) << "started again";
}

INSTANTIATE_TEST_SUITE_P(Options, EachOption, ::testing::ValuesIn(kOptionRows), RowName());

TEST_F(ProgramSettingsTest, CancelAndEscapeLeaveTheFileAndTheWindowAsTheyWere) {
  WriteBytes(IniPath(), "[editor]\r\nfontPixels=20\r\n; a note of the user's\r\n");
  Open();
  const QByteArray before = ReadBytes(IniPath());
  for (const bool escape : {false, true}) {
    WhenModal<ProgramSettingsDialog>([escape](ProgramSettingsDialog* dialog) {
      dialog->FontSizeEdit->setText(QStringLiteral("30"));
      dialog->TypingAidCheck->setChecked(false);
      if (escape) {
        QTest::keyClick(dialog, Qt::Key_Escape);
      } else {
        dialog->CancelButton->click();
      }
    });
    form->findChild<QAction*>(QStringLiteral("N8"))->trigger();
    EXPECT_EQ(ReadBytes(IniPath()), before) << escape;
    EXPECT_EQ(form->memo1->font().pixelSize(), 20) << escape;
  }
}

TEST_F(ProgramSettingsTest, GarbageValuesLoadAsDefaultsWithOneMessage) {
  WriteBytes(IniPath(),
             "[editor]\nfontPixels=huge\ntabWidth=999\nlineNumbers=maybe\nfontFamily=\n"
             "[typeset]\nshiftJisEngine=mytex file\nutf8Engine=a, b\n"
             "[newDocument]\nencoding=EBCDIC\n[autosave]\nintervalSeconds=-5\n\xff\xfe=\x01\n[broken\n");
  Open();
  EXPECT_EQ(Panel(0), QStringLiteral(
                          "設定の読めない値は既定値にしました（editor/lineNumbers、editor/fontPixels、editor/tabWidth、"
                          "autosave/intervalSeconds、editor/fontFamily、typeset/shiftJisEngine、typeset/utf8Engine、"
                          "newDocument/encoding）"));
  EXPECT_EQ(OptionsShown(), options::ProgramOptions{});
  EXPECT_EQ(form->memo1->font().pixelSize(), 16);
}

TEST_F(ProgramSettingsTest, EngineAndDviToPdfCommandsRunOnAJapaneseFileNameWithSpaces) {
  const QString argv = data.filePath(QStringLiteral("argv.txt"));
  // Each tool records its arguments, one bracketed word each; the
  // DVI-to-PDF one leaves a PDF, the viewer says it ran.
  const QByteArray record =
      "#!/bin/sh\nprintf '[%s]' \"$@\" >> '" + argv.toUtf8() + "'\necho >> '" + argv.toUtf8() + "'\n";
  WriteBytes(data.filePath(QStringLiteral("engine")), record, true);
  WriteBytes(data.filePath(QStringLiteral("dvi")), record + "for last; do :; done\n: > \"${last%.dvi}.pdf\"\n", true);
  WriteBytes(data.filePath(QStringLiteral("viewer")), record, true);
  Open();
  InDialog([&](ProgramSettingsDialog& dialog) {
    dialog.ShiftJisEngineBox->setEditText(data.filePath(QStringLiteral("engine")) + QStringLiteral(" -x --in=%f"));
    dialog.DviToPdfEdit->setText(data.filePath(QStringLiteral("dvi")) + QStringLiteral(" -q"));
    dialog.DvipdfmxOptionsEdit->setText(QStringLiteral("-p \"a5 x\""));
    dialog.PdfViewerEdit->setText(data.filePath(QStringLiteral("viewer")) + QStringLiteral(" %f --page=1"));
  });
  const QString tex = data.filePath(QStringLiteral("論文 下書き.tex"));
  WriteBytes(tex, "\\documentclass{jsarticle}\r\n");
  form->OpenFile(tex);
  QSignalSpy finished(&form->findChild<Typesetting*>()->Runner(), &typeset::TypesetRunner::finished);
  form->findChild<QAction*>(QStringLiteral("Typeset1"))->trigger();
  ASSERT_TRUE(finished.wait(10000));
  form->findChild<QAction*>(QStringLiteral("OpenPdf1"))->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReadBytes(argv).count('\n') == 3; }, 10000));
  EXPECT_EQ(QString::fromUtf8(ReadBytes(argv)),
            QStringLiteral("[-x][--in=論文 下書き.tex]\n[-q][-p][a5 x][論文 下書き.dvi]\n[%1][--page=1]\n")
                .arg(data.filePath(QStringLiteral("論文 下書き.pdf"))));
}

TEST_F(ProgramSettingsTest, LatexmkWhereInstalledRunsTheWholeChain) {
  const QString argv = data.filePath(QStringLiteral("argv.txt"));
  // Records its first and last arguments, leaves the PDF.
  WriteBytes(data.filePath(QStringLiteral("latexmk")),
             "#!/bin/sh\nfor last; do :; done\nprintf '[%s]' \"$1\" \"$last\" > '" + argv.toUtf8() +
                 "'\n: > \"${last%.tex}.pdf\"\n",
             true);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", data.path().toUtf8() + ':' + path);
  Open();
  InDialog([](ProgramSettingsDialog& dialog) { dialog.LatexmkCheck->setChecked(true); });
  const QString tex = data.filePath(QStringLiteral("論文 下書き.tex"));
  WriteBytes(tex, "\\documentclass{jsarticle}\r\n");
  form->OpenFile(tex);
  QSignalSpy finished(&form->findChild<Typesetting*>()->Runner(), &typeset::TypesetRunner::finished);
  form->findChild<QAction*>(QStringLiteral("Typeset1"))->trigger();
  const bool ended = finished.wait(10000);
  qputenv("PATH", path);
  ASSERT_TRUE(ended);
  EXPECT_EQ(finished.front().front().value<typeset::RunResult>().outcome, typeset::Outcome::kSucceeded);
  EXPECT_EQ(QString::fromUtf8(ReadBytes(argv)), QStringLiteral("[-pdfdvi][論文 下書き.tex]"));
}

struct RefusedRow {
  const char* name;
  std::function<QLineEdit*(ProgramSettingsDialog&)> field;
  const char* message;  // the label below the field
  QString text;
};

const RefusedRow kRefusedRows[] = {
    {"SizeOutOfRange", [](auto& d) { return d.FontSizeEdit; }, "FontSizeMessage", QStringLiteral("200")},
    {"SizeNotANumber", [](auto& d) { return d.FontSizeEdit; }, "FontSizeMessage", QStringLiteral("１２")},
    {"TabWidthZero", [](auto& d) { return d.TabWidthEdit; }, "TabWidthMessage", QStringLiteral("0")},
    {"FontFamilyBlank", [](auto& d) { return d.FontFamilyBox->lineEdit(); }, "FontFamilyMessage", QStringLiteral(" ")},
    {"IntervalNotANumber", [](auto& d) { return d.AutosaveEdit; }, "AutosaveMessage", QStringLiteral("60s")},
    {"CommandWithoutFileName", [](auto& d) { return d.ShiftJisEngineBox->lineEdit(); }, "ShiftJisEngineMessage",
     QStringLiteral("lualatex doc.tex")},
    {"UplatexForShiftJis", [](auto& d) { return d.ShiftJisEngineBox->lineEdit(); }, "ShiftJisEngineMessage",
     QStringLiteral("uplatex")},
    {"Utf8CommandWithoutFileName", [](auto& d) { return d.Utf8EngineBox->lineEdit(); }, "Utf8EngineMessage",
     QStringLiteral("lualatex")},
    {"NoDviToPdfCommand", [](auto& d) { return d.DviToPdfEdit; }, "DviToPdfMessage", QString()},
};

class RefusedValue : public ::testing::TestWithParam<RefusedRow> {};

// The message takes room of its own: the field keeps its width.
TEST_P(RefusedValue, IsToldBelowItsFieldAndKeepsOkDisabled) {
  const RefusedRow& row = GetParam();
  ProgramSettingsDialog dialog(nullptr, options::ProgramOptions{});
  auto* message = dialog.findChild<QLabel*>(QLatin1String(row.message));
  ASSERT_NE(message, nullptr);
  QLineEdit* field = row.field(dialog);
  for (int tab = 0; tab < dialog.Tabs->count(); ++tab) {
    if (dialog.Tabs->widget(tab)->isAncestorOf(field)) dialog.Tabs->setCurrentIndex(tab);
  }
  dialog.show();
  const QString good = field->text();
  const int width = field->width();
  EXPECT_TRUE(message->text().isEmpty());
  field->setText(row.text);
  QApplication::processEvents();
  EXPECT_EQ(field->width(), width);
  EXPECT_TRUE(message->isVisible());
  EXPECT_FALSE(message->text().isEmpty());
  EXPECT_FALSE(dialog.OkButton->isEnabled());
  row.field(dialog)->setText(good);
  EXPECT_TRUE(message->text().isEmpty());
  EXPECT_TRUE(dialog.OkButton->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Fields, RefusedValue, ::testing::ValuesIn(kRefusedRows), RowName());

TEST(ProgramSettingsDialogDefaults, RestoresEveryFieldButTakesNothingUntilOk) {
  options::ProgramOptions changed;
  changed.editor = {"IPAGothic", 20, 4, false, false, false, false};
  changed.typing = {false, true, false, 5, punctuation::Style::kIdeographic};
  changed.typeset = {{"platex", "uplatex", "dvipdfm", "-z 0", true}, "evince"};
  changed.document = {{Encoding::kUtf8, false, LineEndStyle::kLf}, 0};
  ProgramSettingsDialog dialog(nullptr, changed);
  EXPECT_EQ(dialog.Options(), changed);
  dialog.DefaultsButton->click();
  EXPECT_EQ(dialog.Options(), options::ProgramOptions{});
  EXPECT_FALSE(dialog.result() == QDialog::Accepted);
}

}  // namespace
}  // namespace zumoku::test
