#include "app/dialogs/document_settings_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTabWidget>

#include "app/desktop/error_box.h"
#include "app/widgets/fonts.h"
#include "app/widgets/place.h"
#include "app/widgets/sjis_validator.h"
#include "buffer/edit_buffer.h"
#include "encoding/codec.h"

namespace zumoku {

namespace {
QString Decoded(const std::string& bytes) { return codec::Decode(bytes, Encoding::kShiftJis); }

// Text the boxes let in can always be stored.
std::string Encoded(const QString& text, codec::LineEnds lineEnds = codec::LineEnds::kAsIs) {
  return codec::EncodeChecked(text, Encoding::kShiftJis, lineEnds);
}
}  // namespace

TForm3::TForm3(QWidget* parent, SettingsFiles& files, NewDocumentTemplate& fields, const DocumentSettings& loaded)
    // A frame without a title bar: some window managers draw a close box on
    // any title bar, and this dialog cannot be cancelled. Its tab names it.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint), files_(files), fields_(fields) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("文書設定"));
  setFont(WindowFont());
  setFixedSize(444, 328);

  auto* pages = Place(new QTabWidget(this), "PageControl1", {4, 4, 436, 286});
  auto* page = new QWidget(pages);
  page->setObjectName(QStringLiteral("TabSheet1"));
  pages->addTab(page, QStringLiteral("文書設定"));
  BuildPage(page);
  message_ = Place(new QLabel(this), "Label6", {8, 296, 340, 26});
  message_->setWordWrap(true);
  Button1 = Place(new QPushButton(QStringLiteral("OK"), this), "Button1", {356, 296, 84, 26});
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);

  ShowClass(loaded);
  Memo1->setPlainText(Decoded(loaded.preamble));
  Edit1->setText(Decoded(loaded.title));
  Edit2->setText(Decoded(loaded.author));
  Edit3->setText(Decoded(loaded.date));
  CheckBox1Click();
  if (parent != nullptr) move(parent->frameGeometry().center() - rect().center());
}

void TForm3::BuildPage(QWidget* page) {
  Place(new QLabel(QStringLiteral("利用するDocumentClass："), page), "Label1", {8, 8, 300, 14});
  ComboBox1 = Place(new QComboBox(page), "ComboBox1", {8, 24, 320, 22});
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setCompleter(nullptr);  // completing would change the text the user typed
  Button2 = Place(new QPushButton(QStringLiteral("<<削除"), page), "Button2", {334, 23, 86, 24});
  Button2->setAutoDefault(false);
  connect(ComboBox1, &QComboBox::textActivated, this, [this] {
    selected_ = ComboBox1->currentIndex();
    ComboBox1Change();
  });
  connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, [this] {
    selected_ = -1;
    ComboBox1Change();
  });
  // Qt's editable box activates the entry that matches the typed text when
  // editing ends (focus lost, Return); only a pick from the list is a pick.
  disconnect(ComboBox1->lineEdit(), &QLineEdit::editingFinished, ComboBox1, nullptr);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  auto* classValidator = new SjisValidator(ComboBox1);
  ComboBox1->setValidator(classValidator);
  connect(classValidator, &SjisValidator::refused, this, &TForm3::ShowRefusal);

  Place(new QLabel(QStringLiteral("その他プリンアブル部に入力する設定"), page), "Label2", {8, 54, 300, 14});
  Memo1 = Place(new Memo(page), "Memo1", {8, 70, 412, 64});
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);  // the lines as they go to the file
  Memo1->setTabChangesFocus(true);
  connect(Memo1, &Memo::refused, this, &TForm3::ShowRefusal);

  CheckBox1 =
      Place(new QCheckBox(QStringLiteral("文書のタイトルを表示・設定する"), page), "CheckBox1", {8, 140, 300, 18});
  connect(CheckBox1, &QCheckBox::toggled, this, &TForm3::CheckBox1Click);
  GroupBox1 =
      Place(new QGroupBox(QStringLiteral("文書のタイトル設定（タイトル内で改行する場合は「\\\\」を利用）"), page),
            "GroupBox1", {8, 162, 412, 92});
  BuildTitleGroup();
}

void TForm3::BuildTitleGroup() {
  Edit1 = TitleEdit("Edit1", "Label3", QStringLiteral("タイトル："), 18);
  Edit2 = TitleEdit("Edit2", "Label4", QStringLiteral("作者："), 42);
  Edit3 = TitleEdit("Edit3", "Label5", QStringLiteral("日付："), 66);
  Edit3->resize(140, Edit3->height());
  CheckBox2 =
      Place(new QCheckBox(QStringLiteral("タイトルページを独立させる"), GroupBox1), "CheckBox2", {222, 67, 184, 18});
  connect(CheckBox2, &QCheckBox::toggled, this, &TForm3::CheckBox2Click);
}

QLineEdit* TForm3::TitleEdit(const char* name, const char* label, const QString& caption, int top) {
  Place(new QLabel(caption, GroupBox1), label, {8, top + 3, 62, 14});
  auto* edit = Place(new QLineEdit(GroupBox1), name, {72, top, 332, 21});
  auto* validator = new SjisValidator(edit);
  edit->setValidator(validator);
  connect(validator, &SjisValidator::refused, this, &TForm3::ShowRefusal);
  return edit;
}

// The group's labels, boxes and title-page check box follow the group.
void TForm3::CheckBox1Click() { GroupBox1->setEnabled(CheckBox1->isChecked()); }

void TForm3::CheckBox2Click() {
  const std::string classText = Encoded(ComboBox1->currentText());
  SetClassText(CheckBox2->isChecked() ? WithTitlePage(classText) : WithoutTitlePage(classText));
}

void TForm3::ComboBox1Change() {
  if (!NamesTitlePage(Encoded(ComboBox1->currentText()))) {
    CheckBox2->setChecked(false);
    return;
  }
  CheckBox1->setChecked(true);
  CheckBox1Click();
  CheckBox2->setChecked(true);
}

void TForm3::Button2Click() {
  DocumentSettings settings = Shown();
  DeleteSelectedEntry(settings, files_);
  ShowClass(settings);
}

void TForm3::Button1Click() {
  DocumentSettings settings;
  try {
    settings = Shown();
  } catch (const UnencodableText&) {
    ShowErrorBox(this, QStringLiteral("Shift_JISで表せない文字があるため、設定を保存できません"));
    return;
  }
  const bool stored = ConfirmSettings(settings, files_, fields_);
  ShowClass(settings);
  if (stored) accept();
}

DocumentSettings TForm3::Shown() const {
  DocumentSettings settings;
  for (int i = 0; i < ComboBox1->count(); ++i) settings.entries.push_back(Encoded(ComboBox1->itemText(i)));
  settings.selected = selected_;
  settings.classText = Encoded(ComboBox1->currentText());
  settings.preamble = Encoded(Memo1->toPlainText(), codec::LineEnds::kCrLf);
  settings.title = Encoded(Edit1->text());
  settings.author = Encoded(Edit2->text());
  settings.date = Encoded(Edit3->text());
  settings.showTitle = CheckBox1->isChecked();
  return settings;
}

void TForm3::ShowClass(const DocumentSettings& settings) {
  const QSignalBlocker quiet(ComboBox1);
  ComboBox1->clear();
  for (const std::string& entry : settings.entries) ComboBox1->addItem(Decoded(entry));
  ComboBox1->setCurrentIndex(settings.selected);
  selected_ = settings.selected;
  SetClassText(settings.classText);
}

// Writing the text the user is typing back into the box would move the
// caret to its end.
void TForm3::SetClassText(const std::string& classText) {
  const QString text = Decoded(classText);
  if (text != ComboBox1->currentText()) ComboBox1->setEditText(text);
}

void TForm3::ShowRefusal(const QString& message) { message_->setText(message); }

void TForm3::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void TForm3::closeEvent(QCloseEvent* event) { event->ignore(); }

void TForm3::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace zumoku
