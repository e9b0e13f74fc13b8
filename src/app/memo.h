#pragma once
// memo1: the plain-text editor widget. It lets in only text that Shift_JIS
// can hold, whether typed, composed by an input method, pasted or dropped,
// and brings pasted line ends to one form. Text copied or dragged out of it
// carries its document bytes, so it comes back exactly.
#include <QPlainTextEdit>
#include <functional>
#include <vector>

namespace zumoku {

class Memo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit Memo(QWidget* parent = nullptr);

  // Line ends of pasted text by the inserted-text rule, each becoming '\n'.
  static QString NormalizeLineEnds(const QString& text);

  // Sees every character typed on the keyboard that takes one byte in the
  // document, before it is inserted; setting the byte to 0 swallows it.
  // Pasted text and input-method commits do not pass through it.
  using KeyPressHandler = std::function<void(char& key)>;
  void SetKeyPressHandler(KeyPressHandler handler) { keyPress_ = std::move(handler); }

  // Takes back the most recent undo step and brings back the selection from
  // before it.
  void Undo();
  // The step that just ended began when the undo stack held `stepsBefore`
  // steps and [start, end) was selected.
  void MarkStep(int stepsBefore, int start, int end);
  // Runs an edit as one undo step of its own, so that edits never merge and
  // Undo takes back what one key, paste or cut did.
  void AsOneStep(const std::function<void()>& edit);

 signals:
  // Text was refused; the message says why, for the status bar.
  void refused(const QString& message);
  // The text changed; showing an input method's composition does not count.
  void edited();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  // Dragged files are documents for the window to open, not text to insert.
  void dragEnterEvent(QDragEnterEvent* event) override;

 private:
  struct Step {
    int from, to;  // undo stack depths around the step
    int start, end;  // the selection before it
  };

  // True (and the refusal reported) when text holds a character that the
  // document cannot store.
  bool Refuse(const QString& text);
  // True when the key press handler swallowed the event's character.
  bool Swallowed(const QKeyEvent& event);
  void PassKey(QKeyEvent* event);
  void PassInputMethod(QInputMethodEvent* event);
  void Insert(const QString& text);

  KeyPressHandler keyPress_;
  bool composing_ = false;
  int stepDepth_ = 0;
  std::vector<Step> steps_;
};

}  // namespace zumoku
