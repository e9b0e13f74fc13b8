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

  QComboBox* ComboBox1;
  QPushButton* Button2;
  Memo* Memo1;
  QCheckBox* CheckBox1;
  QGroupBox* GroupBox1;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QCheckBox* CheckBox2;
  QPushButton* Button1;

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
