#include "app/dialogs/program_settings_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/widgets/dialog_style.h"

namespace zumoku {

namespace {
using options::ProgramOptions;

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QString Text(const QLineEdit* edit) { return edit->text().trimmed(); }
std::string StdText(const QLineEdit* edit) { return Text(edit).toStdString(); }

// An engine box: the standard engines to pick, or a command line to type;
// empty, the document chooses, as the box's grey text says.
QComboBox* EngineBox(QWidget* parent, const char* name, const QStringList& engines) {
  auto* box = Named(new QComboBox(parent), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(QStringList{QString()} + engines);
  box->lineEdit()->setPlaceholderText(QStringLiteral("既定：文書に合わせる（platex / uplatex）"));
  // Wide enough for the grey text, which the box's items do not measure.
  box->setMinimumWidth(box->minimumSizeHint().width() +
                       box->fontMetrics().horizontalAdvance(box->lineEdit()->placeholderText()));
  return box;
}

QWidget* Page(QFormLayout*& form) {
  auto* page = new QWidget;
  form = new QFormLayout(page);
  return page;
}

// `field` with its message below, so that a message never narrows the field.
QWidget* WithMessage(QWidget* field, QLabel* message) {
  auto* row = new QWidget;
  auto* layout = new QVBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(field);
  layout->addWidget(message);
  return row;
}

const std::pair<Encoding, QString> kEncodings[] = {{Encoding::kShiftJis, QStringLiteral("Shift_JIS")},
                                                   {Encoding::kUtf8, QStringLiteral("UTF-8")}};
}  // namespace

ProgramSettingsDialog::ProgramSettingsDialog(QWidget* parent, const ProgramOptions& options)
    : QDialog(parent, DialogWindowFlags()) {
  setObjectName(QStringLiteral("ProgramSettingsDialog"));
  setWindowTitle(QStringLiteral("プログラムの設定"));
  setModal(true);
  Tabs = Named(new QTabWidget(this), "SettingsTabs");
  Tabs->addTab(EditorTab(), QStringLiteral("エディタ"));
  Tabs->addTab(TypingTab(), QStringLiteral("入力支援"));
  Tabs->addTab(TypesetTab(), QStringLiteral("タイプセット"));
  Tabs->addTab(DocumentTab(), QStringLiteral("文書"));

  DefaultsButton = Named(new QPushButton(QStringLiteral("既定値に戻す"), this), "DefaultsButton");
  OkButton = Named(new QPushButton(QStringLiteral("OK"), this), "OkButton");
  CancelButton = Named(new QPushButton(QStringLiteral("キャンセル"), this), "CancelButton");
  OkButton->setDefault(true);
  connect(DefaultsButton, &QPushButton::clicked, this, [this] { Show(ProgramOptions{}); });
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(DefaultsButton);
  buttons->addStretch(1);
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Tabs);
  layout->addLayout(buttons);
  // A size of its own: the window frame then draws no resize handle.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Show(options);
}

QLabel* ProgramSettingsDialog::Checked(QLineEdit* edit, const char* name,
                                       std::function<std::string(std::string_view)> check) {
  auto* message = Named(new QLabel(this), name);
  message->setStyleSheet(QStringLiteral("color: #c00000"));
  // A long message takes lines, not width.
  message->setWordWrap(true);
  checked_.push_back({edit, message, std::move(check)});
  connect(edit, &QLineEdit::textChanged, this, &ProgramSettingsDialog::CheckAll);
  return message;
}

void ProgramSettingsDialog::CheckAll() {
  bool allGood = true;
  for (const CheckedField& field : checked_) {
    const QString message = QString::fromStdString(field.check(StdText(field.edit)));
    field.message->setText(message);
    field.message->setVisible(!message.isEmpty());
    allGood = allGood && message.isEmpty();
  }
  OkButton->setEnabled(allGood);
}

QWidget* ProgramSettingsDialog::EditorTab() {
  QFormLayout* form = nullptr;
  QWidget* page = Page(form);
  FontFamilyBox = Named(new QFontComboBox(page), "FontFamilyBox");
  FontSizeEdit = Named(new QLineEdit(page), "FontSizeEdit");
  TabWidthEdit = Named(new QLineEdit(page), "TabWidthEdit");
  form->addRow(
      QStringLiteral("フォント："),
      WithMessage(FontFamilyBox, Checked(FontFamilyBox->lineEdit(), "FontFamilyMessage", options::CheckFontFamily)));
  form->addRow(QStringLiteral("文字の大きさ（ピクセル）："),
               WithMessage(FontSizeEdit, Checked(FontSizeEdit, "FontSizeMessage", [](std::string_view text) {
                             return options::CheckNumber(text, options::kFontPixels);
                           })));
  form->addRow(QStringLiteral("タブの幅（文字）："),
               WithMessage(TabWidthEdit, Checked(TabWidthEdit, "TabWidthMessage", [](std::string_view text) {
                             return options::CheckNumber(text, options::kTabWidth);
                           })));
  LineNumbersCheck = Named(new QCheckBox(QStringLiteral("行番号を表示する"), page), "LineNumbersCheck");
  CaretLineCheck = Named(new QCheckBox(QStringLiteral("カーソルのある行に色を付ける"), page), "CaretLineCheck");
  HighlightingCheck = Named(new QCheckBox(QStringLiteral("LaTeX の命令や数式を色分けする"), page), "HighlightingCheck");
  BraceMatchingCheck = Named(new QCheckBox(QStringLiteral("対応する括弧に色を付ける"), page), "BraceMatchingCheck");
  for (QCheckBox* check : {LineNumbersCheck, CaretLineCheck, HighlightingCheck, BraceMatchingCheck}) {
    form->addRow(check);
  }
  return page;
}

QWidget* ProgramSettingsDialog::TypingTab() {
  QFormLayout* form = nullptr;
  QWidget* page = Page(form);
  TypingAidCheck =
      Named(new QCheckBox(QStringLiteral("「{」「^」「_」を入力したら閉じ括弧を補う"), page), "TypingAidCheck");
  StepOverBraceCheck =
      Named(new QCheckBox(QStringLiteral("補った「}」の前で「}」を入力したら、その「}」を飛び越す"), page),
            "StepOverBraceCheck");
  CompletionCheck =
      Named(new QCheckBox(QStringLiteral("入力補完（命令・環境・ラベル・文献・ファイル名の一覧を出す）"), page),
            "CompletionCheck");
  CompletionLettersEdit = Named(new QLineEdit(page), "CompletionLettersEdit");
  form->addRow(TypingAidCheck);
  form->addRow(StepOverBraceCheck);
  form->addRow(CompletionCheck);
  form->addRow(QStringLiteral("命令の一覧を出すまでの文字数（\\ の後）："),
               WithMessage(CompletionLettersEdit,
                           Checked(CompletionLettersEdit, "CompletionLettersMessage", [](std::string_view text) {
                             return options::CheckNumber(text, options::kCompletionLetters);
                           })));
  connect(CompletionCheck, &QCheckBox::toggled, CompletionLettersEdit, &QWidget::setEnabled);
  return page;
}

QWidget* ProgramSettingsDialog::TypesetTab() {
  QFormLayout* form = nullptr;
  QWidget* page = Page(form);
  ShiftJisEngineBox = EngineBox(page, "ShiftJisEngineBox", {QStringLiteral("platex")});
  Utf8EngineBox = EngineBox(page, "Utf8EngineBox", {QStringLiteral("platex"), QStringLiteral("uplatex")});
  DviToPdfEdit = Named(new QLineEdit(page), "DviToPdfEdit");
  DvipdfmxOptionsEdit = Named(new QLineEdit(page), "DvipdfmxOptionsEdit");
  LatexmkCheck =
      Named(new QCheckBox(QStringLiteral("latexmk がインストールされていれば使う（platex / uplatex のとき）"), page),
            "LatexmkCheck");
  PdfViewerEdit = Named(new QLineEdit(page), "PdfViewerEdit");
  PdfViewerEdit->setPlaceholderText(QStringLiteral("空欄：デスクトップの既定のビューア"));
  for (const auto& [box, encoding, name, caption] :
       {std::tuple{ShiftJisEngineBox, Encoding::kShiftJis, "ShiftJisEngineMessage",
                   QStringLiteral("Shift_JIS の文書：")},
        std::tuple{Utf8EngineBox, Encoding::kUtf8, "Utf8EngineMessage", QStringLiteral("UTF-8 の文書：")}}) {
    form->addRow(caption, WithMessage(box, Checked(box->lineEdit(), name, [encoding](std::string_view engine) {
                                        return options::CheckEngine(engine, encoding);
                                      })));
  }
  form->addRow(new QLabel(QStringLiteral("コマンドラインでは %f が文書のファイル名になります"), page));
  form->addRow(QStringLiteral("DVI から PDF へ："),
               WithMessage(DviToPdfEdit, Checked(DviToPdfEdit, "DviToPdfMessage", options::CheckDviToPdf)));
  form->addRow(QStringLiteral("dvipdfmx の追加オプション："), DvipdfmxOptionsEdit);
  form->addRow(LatexmkCheck);
  form->addRow(QStringLiteral("PDF ビューア："), PdfViewerEdit);
  return page;
}

QWidget* ProgramSettingsDialog::DocumentTab() {
  QFormLayout* form = nullptr;
  QWidget* page = Page(form);
  NewEncodingBox = Named(new QComboBox(page), "NewEncodingBox");
  for (const auto& [encoding, name] : kEncodings) NewEncodingBox->addItem(name);
  NewLineEndsBox = Named(new QComboBox(page), "NewLineEndsBox");
  NewLineEndsBox->addItems({QStringLiteral("CR LF"), QStringLiteral("LF")});
  AutosaveEdit = Named(new QLineEdit(page), "AutosaveEdit");
  form->addRow(QStringLiteral("新規文書の文字コード："), NewEncodingBox);
  form->addRow(QStringLiteral("新規文書の改行コード："), NewLineEndsBox);
  form->addRow(QStringLiteral("自動保存の間隔（秒、0 で保存しない）："),
               WithMessage(AutosaveEdit, Checked(AutosaveEdit, "AutosaveMessage", [](std::string_view text) {
                             return options::CheckNumber(text, options::kAutosaveSeconds);
                           })));
  return page;
}

void ProgramSettingsDialog::Show(const ProgramOptions& options) {
  const auto& editor = options.editor;
  FontFamilyBox->setEditText(QString::fromStdString(editor.fontFamily));
  FontSizeEdit->setText(QString::number(editor.fontPixels));
  TabWidthEdit->setText(QString::number(editor.tabWidth));
  LineNumbersCheck->setChecked(editor.lineNumbers);
  CaretLineCheck->setChecked(editor.caretLine);
  HighlightingCheck->setChecked(editor.highlighting);
  BraceMatchingCheck->setChecked(editor.braceMatching);
  TypingAidCheck->setChecked(options.typing.typingAid);
  StepOverBraceCheck->setChecked(options.typing.stepOverClosingBrace);
  CompletionCheck->setChecked(options.typing.completion);
  CompletionLettersEdit->setText(QString::number(options.typing.completionLetters));
  CompletionLettersEdit->setEnabled(options.typing.completion);
  const auto& commands = options.typeset.commands;
  ShiftJisEngineBox->setEditText(QString::fromStdString(commands.shiftJisEngine));
  Utf8EngineBox->setEditText(QString::fromStdString(commands.utf8Engine));
  DviToPdfEdit->setText(QString::fromStdString(commands.dviToPdf));
  DvipdfmxOptionsEdit->setText(QString::fromStdString(commands.dviToPdfOptions));
  LatexmkCheck->setChecked(commands.useLatexmk);
  PdfViewerEdit->setText(QString::fromStdString(options.typeset.pdfViewer));
  const auto& format = options.document.newFormat;
  NewEncodingBox->setCurrentIndex(format.encoding == Encoding::kUtf8 ? 1 : 0);
  NewLineEndsBox->setCurrentIndex(format.lineEnds == LineEndStyle::kLf ? 1 : 0);
  AutosaveEdit->setText(QString::number(options.document.autosaveSeconds));
  CheckAll();
}

ProgramOptions ProgramSettingsDialog::Options() const {
  ProgramOptions options;
  auto& editor = options.editor;
  editor.fontFamily = StdText(FontFamilyBox->lineEdit());
  editor.fontPixels = options::NumberOf(StdText(FontSizeEdit));
  editor.tabWidth = options::NumberOf(StdText(TabWidthEdit));
  editor.lineNumbers = LineNumbersCheck->isChecked();
  editor.caretLine = CaretLineCheck->isChecked();
  editor.highlighting = HighlightingCheck->isChecked();
  editor.braceMatching = BraceMatchingCheck->isChecked();
  options.typing = {.typingAid = TypingAidCheck->isChecked(),
                    .stepOverClosingBrace = StepOverBraceCheck->isChecked(),
                    .completion = CompletionCheck->isChecked(),
                    .completionLetters = options::NumberOf(StdText(CompletionLettersEdit))};
  auto& commands = options.typeset.commands;
  commands.shiftJisEngine = StdText(ShiftJisEngineBox->lineEdit());
  commands.utf8Engine = StdText(Utf8EngineBox->lineEdit());
  commands.dviToPdf = StdText(DviToPdfEdit);
  commands.dviToPdfOptions = StdText(DvipdfmxOptionsEdit);
  commands.useLatexmk = LatexmkCheck->isChecked();
  options.typeset.pdfViewer = StdText(PdfViewerEdit);
  options.document.newFormat.encoding = kEncodings[NewEncodingBox->currentIndex()].first;
  options.document.newFormat.lineEnds = NewLineEndsBox->currentIndex() == 1 ? LineEndStyle::kLf : LineEndStyle::kCrLf;
  options.document.autosaveSeconds = options::NumberOf(StdText(AutosaveEdit));
  return options;
}

}  // namespace zumoku
