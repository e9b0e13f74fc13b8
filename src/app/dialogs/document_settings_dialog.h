#pragma once
// Form3, the document settings dialog of New: the class text and its list,
// the preamble and the title block. A fresh dialog for every New, loaded
// from the settings files; only OK closes it.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/editor/memo.h"
#include "new_document/document_settings.h"
#include "new_document/settings_files.h"

namespace zumoku {

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  // OK stores the settings through `files` and fills `fields`.
  TForm3(QWidget* parent, SettingsFiles& files, NewDocumentTemplate& fields, const DocumentSettings& loaded);

  // The components keep the names the program is driven and tested by.
  QComboBox* ComboBox1;  // 利用するDocumentClass: the class text and its list
  QPushButton* Button2;  // <<削除: removes the shown class from the list
  Memo* Memo1;           // その他プリンアブル部に入力する設定: the preamble
  QCheckBox* CheckBox1;  // 文書のタイトルを表示・設定する
  QGroupBox* GroupBox1;  // 文書のタイトル設定: the title block's boxes
  QLineEdit* Edit1;      // タイトル：
  QLineEdit* Edit2;      // 作者：
  QLineEdit* Edit3;      // 日付：
  QCheckBox* CheckBox2;  // タイトルページを独立させる
  QPushButton* Button1;  // OK: stores the settings and fills the template

 public slots:
  void CheckBox1Click();
  void CheckBox2Click();
  // Runs for the user's own changes of the class text only.
  void ComboBox1Change();
  void Button2Click();
  void Button1Click();

 protected:
  // Neither Esc nor the window system's close key closes it: New goes on
  // only through OK.
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The window manager draws no frame around it: it draws its own edge.
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildPage(QWidget* page);
  void BuildTitleGroup();
  QLineEdit* TitleEdit(const char* name, const char* label, const QString& caption, int top);
  // The settings as the boxes show them, in Shift_JIS.
  DocumentSettings Shown() const;
  // Shows the entries, the selection and the class text without running
  // ComboBox1Change.
  void ShowClass(const DocumentSettings& settings);
  void SetClassText(const std::string& classText);
  void ShowRefusal(const QString& message);

  SettingsFiles& files_;
  NewDocumentTemplate& fields_;
  int selected_ = -1;
  QLabel* message_ = nullptr;
};

}  // namespace zumoku
