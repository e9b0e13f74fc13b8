#pragma once
// "プログラムの設定": the editor, the typing aid, typesetting and new
// documents on four tabs. Each typed value is checked as it is typed: a
// message below the field says what is wrong, and OK waits until nothing
// is. 既定値に戻す puts the defaults into the fields; only OK takes them.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <string>
#include <vector>

#include "options/program_options.h"

namespace zumoku {

class ProgramSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  ProgramSettingsDialog(QWidget* parent, const options::ProgramOptions& options);

  // What the fields hold; whole only while OK is enabled.
  options::ProgramOptions Options() const;
  void Show(const options::ProgramOptions& options);

  QTabWidget* Tabs;
  // エディタ
  QFontComboBox* FontFamilyBox;
  QLineEdit* FontSizeEdit;
  QLineEdit* TabWidthEdit;
  QCheckBox* LineNumbersCheck;
  QCheckBox* CaretLineCheck;
  QCheckBox* HighlightingCheck;
  QCheckBox* BraceMatchingCheck;
  // 入力支援
  QCheckBox* TypingAidCheck;
  QCheckBox* StepOverBraceCheck;
  QCheckBox* CompletionCheck;
  QLineEdit* CompletionLettersEdit;
  // タイプセット
  QComboBox* ShiftJisEngineBox;
  QComboBox* Utf8EngineBox;
  QLineEdit* DviToPdfEdit;
  QLineEdit* DvipdfmxOptionsEdit;
  QCheckBox* LatexmkCheck;
  QLineEdit* PdfViewerEdit;
  // 文書
  QComboBox* NewEncodingBox;
  QComboBox* NewLineEndsBox;
  QLineEdit* AutosaveEdit;

  QPushButton* DefaultsButton;
  QPushButton* OkButton;
  QPushButton* CancelButton;

 private:
  // A typed field, its check and the label that shows the check's message.
  struct CheckedField {
    QLineEdit* edit;
    QLabel* message;
    std::function<std::string(std::string_view)> check;
  };

  QWidget* EditorTab();
  QWidget* TypingTab();
  QWidget* TypesetTab();
  QWidget* DocumentTab();
  // The message label below `edit`, named after it, checked at each change.
  QLabel* Checked(QLineEdit* edit, const char* name, std::function<std::string(std::string_view)> check);
  void CheckAll();

  std::vector<CheckedField> checked_;
};

}  // namespace zumoku
