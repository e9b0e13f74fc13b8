#pragma once
// Completion in the editor: after each edit, the context at the caret
// decides whether the list opens and what it offers; while it is open, Up,
// Down, PgUp and PgDn move in it, Enter and Tab take, Esc closes, and any
// other key goes to the editor, after which the list follows what was typed
// (or closes when that no longer continues a word). Ctrl+Space opens it
// anywhere. Taking is one undo step, written in the document's encoding.
#include <QObject>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "app/completion/completion_host.h"
#include "app/completion/completion_list.h"
#include "completion/caret_context.h"
#include "completion/word_set.h"

namespace zumoku {

class EditBuffer;

class Completer : public QObject {
  Q_OBJECT
 public:
  Completer(CompletionHost& host, EditBuffer& buffer, QObject* parent = nullptr);

  void SetEnabled(bool enabled);
  void SetCommandLetters(int letters) { letters_ = letters; }
  void SetWords(std::shared_ptr<const completion::WordSet> words) { words_ = std::move(words); }

  CompletionList& List() { return *list_; }
  bool ListShown() const;
  // Opens the list for the caret's context as Ctrl+Space does.
  void Open();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Edits are followed once control is back in the event loop: while the
  // editor reports a change, its positions may not be settled yet.
  void ScheduleUpdate();
  void Update();
  void Close();
  void Take(const completion::Candidate& candidate);
  bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
  // The current entry is a command without arguments typed out in full.
  bool TypedInFull() const;
  // The rows for the context; in \end{, the innermost open environment first.
  std::vector<const completion::Candidate*> RowsFor(const completion::CaretContext& context);

  CompletionHost& host_;
  QObject* editor_;  // compared only: the host may go first
  EditBuffer& buffer_;
  // The editor owns the list and may free it first, as its window closes.
  QPointer<CompletionList> list_;
  std::shared_ptr<const completion::WordSet> words_;
  bool enabled_ = true;
  int letters_ = 2;
  bool updatePending_ = false;
  bool justTaken_ = false;  // the taken text's own edit opens nothing
  bool forced_ = false;     // opened by Ctrl+Space: stays open with fewer letters
  completion::CaretContext context_;
  std::size_t lineStart_ = 0;      // the caret line's first byte in the text
  completion::Candidate closing_;  // the environment \end{ closes
};

}  // namespace zumoku
