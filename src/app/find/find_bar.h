#pragma once
// The find bar under memo1: "検索..." opens it with the search box, "置換..."
// with the replacement box too. Enter finds the next match, Shift+Enter the
// previous one; 置換 replaces the match that is selected and finds the next,
// すべて置換 replaces every match in one undo step. While the bar is open
// the matches in view are marked. It reports in panel 0 of the status bar.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/editor/memo.h"
#include "buffer/edit_buffer.h"
#include "search/search.h"

namespace zumoku {

class SjisValidator;

class FindHighlighter;

class FindBar : public QWidget {
  Q_OBJECT
 public:
  // What the bar works on: the document, the editor that shows it, a runner
  // that makes its writes one command, and panel 0.
  struct Services {
    EditBuffer& buffer;
    Memo& editor;
    std::function<bool(const std::function<void()>&)> runCommand;
    std::function<void(const QString&)> status;
  };
  FindBar(const Services& services, QWidget* parent);

  void OpenFind();
  void OpenReplace();
  void FindNext();
  void FindPrevious();
  void ReplaceOne();
  void ReplaceAll();
  // Hides the bar and its marks; the editor takes the keys again.
  void Close();

  QComboBox* FindText = nullptr;
  QLineEdit* ReplaceText = nullptr;
  QCheckBox* MatchCase = nullptr;
  QCheckBox* WholeWord = nullptr;
  QCheckBox* RegularExpression = nullptr;
  QCheckBox* InSelection = nullptr;
  QLabel* FindError = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FollowDocumentEncoding(SjisValidator& validator) const;
  void BuildFindRow();
  void BuildOptionRow();
  void BuildReplaceRow();
  void Open(bool replacing);
  // The search the boxes describe, or none (its error shown) when there is none.
  std::optional<search::Search> CurrentSearch();
  // Finds the next match, or the previous one, and selects it.
  void Step(bool forward);
  // Runs a search over a text of `size` bytes, a long one off the GUI thread
  // with its progress shown. False, the reason shown, when it was cancelled
  // or the pattern was too complex.
  bool Run(const QString& what, std::size_t size, const std::function<void(const search::Progress&)>& pass);
  void ShowFound(const std::optional<search::Found>& found, bool forward);
  void NotFound();
  search::Span Selection() const;
  void UpdateMarks();
  QPushButton* AddButton(const char* name, const QString& caption, void (FindBar::*slot)());

  Services services_;
  QWidget* replaceRow_ = nullptr;
  FindHighlighter* highlighter_ = nullptr;
};

}  // namespace zumoku
