#include "app/find/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "app/find/find_highlighter.h"
#include "app/find/long_pass.h"
#include "app/find/search_history.h"
#include "app/widgets/sjis_validator.h"
#include "encoding/codec.h"
#include "search/replace.h"

namespace zumoku {

namespace {
std::string Bytes(const QString& text, Encoding encoding) {
  return codec::Encode(text, encoding, codec::LineEnds::kAsIs).value_or(std::string());
}

QHBoxLayout* Row(QVBoxLayout* rows) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  rows->addLayout(row);
  return row;
}

QCheckBox* AddOption(QHBoxLayout* row, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(QLatin1String(name));
  row->addWidget(box);
  return box;
}
}  // namespace

// A box's text goes into the document. The editor may go first when the
// window closes, while a box still checks its text on losing focus.
void FindBar::FollowDocumentEncoding(SjisValidator& validator) const {
  validator.FollowEncoding(
      [editor = QPointer<Memo>(&services_.editor)] { return editor ? editor->TextEncoding() : Encoding::kShiftJis; });
}

FindBar::FindBar(const Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(QStringLiteral("FindBar"));
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(4, 2, 4, 2);
  rows->setSpacing(2);
  BuildFindRow();
  BuildOptionRow();
  BuildReplaceRow();
  highlighter_ = new FindHighlighter(services_.editor, this);
  hide();
}

QPushButton* FindBar::AddButton(const char* name, const QString& caption, void (FindBar::*slot)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, slot);
  return button;
}

void FindBar::BuildFindRow() {
  QHBoxLayout* row = Row(static_cast<QVBoxLayout*>(layout()));
  row->addWidget(new QLabel(QStringLiteral("検索:"), this));
  FindText = new QComboBox(this);
  FindText->setObjectName(QStringLiteral("FindText"));
  FindText->setEditable(true);
  FindText->setInsertPolicy(QComboBox::NoInsert);
  FindText->setCompleter(nullptr);  // the history is offered in the list only; typed text stays as typed
  auto* validator = new SjisValidator(FindText);
  FollowDocumentEncoding(*validator);
  connect(validator, &SjisValidator::refused, this, services_.status);
  FindText->setValidator(validator);
  // The box holds the focus and hands keys to its line edit directly,
  // past any filter there; tests may send keys to the line edit itself.
  FindText->installEventFilter(this);
  FindText->lineEdit()->installEventFilter(this);
  connect(FindText, &QComboBox::editTextChanged, this, &FindBar::UpdateMarks);
  row->addWidget(FindText, 1);
  row->addWidget(AddButton("FindPreviousButton", QStringLiteral("前を検索"), &FindBar::FindPrevious));
  row->addWidget(AddButton("FindNextButton", QStringLiteral("次を検索"), &FindBar::FindNext));
  row->addWidget(AddButton("CloseFindBar", QStringLiteral("閉じる"), &FindBar::Close));
}

void FindBar::BuildOptionRow() {
  QHBoxLayout* row = Row(static_cast<QVBoxLayout*>(layout()));
  MatchCase = AddOption(row, "MatchCase", QStringLiteral("大文字と小文字を区別する"));
  WholeWord = AddOption(row, "WholeWord", QStringLiteral("単語単位"));
  RegularExpression = AddOption(row, "RegularExpression", QStringLiteral("正規表現"));
  for (QCheckBox* option : {MatchCase, WholeWord, RegularExpression}) {
    connect(option, &QCheckBox::toggled, this, &FindBar::UpdateMarks);
  }
  FindError = new QLabel(this);
  FindError->setObjectName(QStringLiteral("FindError"));
  FindError->setStyleSheet(QStringLiteral("color: #c00000"));
  row->addWidget(FindError, 1);
}

void FindBar::BuildReplaceRow() {
  replaceRow_ = new QWidget(this);
  auto* row = new QHBoxLayout(replaceRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(QStringLiteral("置換後:"), replaceRow_));
  ReplaceText = new QLineEdit(replaceRow_);
  ReplaceText->setObjectName(QStringLiteral("ReplaceText"));
  auto* validator = new SjisValidator(ReplaceText);
  FollowDocumentEncoding(*validator);
  connect(validator, &SjisValidator::refused, this, services_.status);
  ReplaceText->setValidator(validator);
  ReplaceText->installEventFilter(this);  // Escape
  connect(ReplaceText, &QLineEdit::returnPressed, this, &FindBar::ReplaceOne);
  row->addWidget(ReplaceText, 1);
  row->addWidget(AddButton("ReplaceButton", QStringLiteral("置換"), &FindBar::ReplaceOne));
  row->addWidget(AddButton("ReplaceAllButton", QStringLiteral("すべて置換"), &FindBar::ReplaceAll));
  InSelection = new QCheckBox(QStringLiteral("選択範囲のみ"), replaceRow_);
  InSelection->setObjectName(QStringLiteral("InSelection"));
  row->addWidget(InSelection);
  layout()->addWidget(replaceRow_);
}

void FindBar::OpenFind() { Open(false); }
void FindBar::OpenReplace() { Open(true); }

// A selection within one line is what the user means to look for.
void FindBar::Open(bool replacing) {
  const std::string selected = services_.buffer.SelText();
  if (!selected.empty() && selected.find_first_of("\r\n") == std::string::npos) {
    FindText->setEditText(codec::Decode(selected, services_.buffer.TextEncoding()));
  }
  replaceRow_->setVisible(replacing);
  show();
  FindText->setFocus();
  FindText->lineEdit()->selectAll();
  UpdateMarks();
}

void FindBar::Close() {
  hide();
  highlighter_->SetSearch(std::nullopt);
  services_.editor.setFocus();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (watched == FindText || watched == FindText->lineEdit())) {
      (key->modifiers() & Qt::ShiftModifier) ? FindPrevious() : FindNext();
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      Close();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

std::optional<search::Search> FindBar::CurrentSearch() {
  const search::Options options{MatchCase->isChecked(), WholeWord->isChecked(), RegularExpression->isChecked()};
  const Encoding encoding = services_.buffer.TextEncoding();
  search::Search search(Bytes(FindText->currentText(), encoding), options, encoding);
  FindError->setText(QString::fromStdString(search.Error()));
  if (!search.Error().empty()) return std::nullopt;
  return search;
}

void FindBar::UpdateMarks() {
  if (isHidden()) return;
  auto search = CurrentSearch();
  highlighter_->SetSearch(std::move(search));
}

search::Span FindBar::Selection() const {
  return {static_cast<std::size_t>(services_.buffer.SelStart()),
          static_cast<std::size_t>(services_.buffer.SelLength())};
}

void FindBar::FindNext() { Step(true); }
void FindBar::FindPrevious() { Step(false); }

void FindBar::Step(bool forward) {
  if (FindText->currentText().isEmpty()) return OpenFind();
  const auto search = CurrentSearch();
  if (!search) return;
  const std::string text = services_.buffer.Text();
  const search::Span selection = Selection();
  std::optional<search::Found> found;
  const auto pass = [&](const search::Progress&) {
    found = forward ? search->FindNext(text, selection) : search->FindPrevious(text, selection);
  };
  if (Run(QStringLiteral("検索"), text.size(), pass)) ShowFound(found, forward);
}

bool FindBar::Run(const QString& what, std::size_t size, const std::function<void(const search::Progress&)>& pass) {
  try {
    if (size < kLongPassBytes) {
      pass({});
      return true;
    }
    if (RunLongPass(this, what, size, pass)) return true;
    services_.status(QStringLiteral("%1をキャンセルしました").arg(what));
  } catch (const search::TooComplex& error) {
    FindError->setText(QString::fromUtf8(error.what()));
    services_.status(FindError->text());
  }
  return false;
}

void FindBar::ShowFound(const std::optional<search::Found>& found, bool forward) {
  RememberSearch(*FindText, FindText->currentText());
  if (!found) return NotFound();
  services_.buffer.SetSelStart(static_cast<int>(found->match.span.start));
  services_.buffer.SetSelLength(static_cast<int>(found->match.span.length));
  if (!found->wrapped) return services_.status(QString());
  services_.status(forward ? QStringLiteral("文書の先頭から検索しました")
                           : QStringLiteral("文書の末尾から検索しました"));
}

void FindBar::NotFound() {
  services_.status(QStringLiteral("「%1」は見つかりませんでした").arg(FindText->currentText()));
}

void FindBar::ReplaceOne() {
  if (FindText->currentText().isEmpty()) return OpenReplace();
  const auto search = CurrentSearch();
  if (!search) return;
  const std::string text = services_.buffer.Text();
  const search::Span selection = Selection();
  std::optional<search::Match> match;
  if (!Run(QStringLiteral("置換"), text.size(),
           [&](const search::Progress&) { match = search->MatchAt(text, selection); })) {
    return;
  }
  if (match) {
    const std::string bytes = search->Expand(text, *match, Bytes(ReplaceText->text(), search->TextEncoding()));
    services_.runCommand([&] { services_.buffer.SetSelText(bytes); });
  }
  FindNext();
}

void FindBar::ReplaceAll() {
  if (FindText->currentText().isEmpty()) return OpenReplace();
  const auto search = CurrentSearch();
  if (!search) return;
  RememberSearch(*FindText, FindText->currentText());
  const std::string text = services_.buffer.Text();
  const search::Span range = InSelection->isChecked() ? Selection() : search::Span{0, text.size()};
  const std::string replacement = Bytes(ReplaceText->text(), search->TextEncoding());
  search::Replacement replaced;
  if (!Run(QStringLiteral("すべて置換"), range.length, [&](const search::Progress& progress) {
        replaced = search::ReplaceAll(*search, text, range, replacement, progress);
      })) {
    return;
  }
  if (replaced.count == 0) return NotFound();
  services_.status(QString());  // the command's own message then shows, even when it is the same
  services_.runCommand([&] {
    EditBuffer& buffer = services_.buffer;
    buffer.SetSelStart(static_cast<int>(replaced.span.start));
    buffer.SetSelLength(static_cast<int>(replaced.span.length));
    buffer.SetSelText(replaced.bytes);
    if (InSelection->isChecked()) {
      buffer.SetSelStart(static_cast<int>(range.start));
      buffer.SetSelLength(static_cast<int>(range.length + replaced.bytes.size() - replaced.span.length));
    }
    services_.status(QStringLiteral("%1 件置換しました").arg(replaced.count));
  });
}

}  // namespace zumoku
