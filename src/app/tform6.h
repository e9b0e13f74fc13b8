#pragma once
// Form6, the About window: who made the program, how to reach the author,
// the program's version and, on request, the latest version's number. A
// fresh window is made for every opening.
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <string>

#include "about/version_check.h"
#include "app/click_label.h"
#include "app/data_folder.h"

namespace zumoku {

class TForm6 : public QDialog {
  Q_OBJECT
 public:
  // The check fetches versionAddress through versionFile.
  explicit TForm6(QWidget* parent, std::string versionAddress = about::VersionAddress(),
                  QString versionFile = about::VersionFilePath(DataFolder()));

  QGroupBox* GroupBox1;
  QLabel* Label1;
  ClickLabel* Label2;
  ClickLabel* Label3;
  QLabel* Label4;
  ClickLabel* Label5;
  QPushButton* Button2;
  QPushButton* Button1;

 public slots:
  void Label2Click();
  void Label3Click();
  void LabelChangeColor();
  // The version check, started by Label5 and Button2 alike.
  void Label5Click();
  void Button1Click();

 private:
  void VersionFound(const QString& version);
  void VersionFailed(const QString& error);
  void EnableCheck(bool enabled);

  about::VersionCheck* check_;
};

}  // namespace zumoku
