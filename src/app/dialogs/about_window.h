#pragma once
// Form6, the About window: who made the program, how to reach the author,
// the program's version and, on request, the latest version's number. A
// fresh window is made for every opening.
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <array>
#include <string>

#include "app/widgets/click_label.h"

namespace zumoku {

namespace about {
class VersionCheck;
}

class TForm6 : public QDialog {
  Q_OBJECT
 public:
  // The check fetches the program's version address through the version
  // file in the data folder.
  explicit TForm6(QWidget* parent);
  // The check fetches versionAddress through versionFile.
  TForm6(QWidget* parent, std::string versionAddress, QString versionFile);

  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label1 = nullptr;
  ClickLabel* Label2 = nullptr;
  ClickLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  ClickLabel* Label5 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button1 = nullptr;

 public slots:
  void Label2Click();
  void Label3Click();
  void LabelChangeColor();
  // The version check, started by Label5 and Button2 alike.
  void Label5Click();
  void Button1Click();

 protected:
  // A font that changes after the window is built brings its own line height.
  void changeEvent(QEvent* event) override;

 private:
  void LayOut();
  void VersionFound(const QString& version);
  void VersionFailed(const QString& error);
  void EnableCheck(bool enabled);
  std::array<QLabel*, 5> Labels() const { return {Label1, Label2, Label3, Label4, Label5}; }

  about::VersionCheck* check_;
};

}  // namespace zumoku
