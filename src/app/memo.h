#pragma once
// memo1: the plain-text editor widget. It lets in only text that Shift_JIS
// can hold, whether typed, composed by an input method, pasted or dropped,
// and brings pasted line ends to one form.
#include <QPlainTextEdit>
#include <functional>

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

 signals:
  // Text was refused; the message says why, for the status bar.
  void refused(const QString& message);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  // Dragged files are documents for the window to open, not text to insert.
  void dragEnterEvent(QDragEnterEvent* event) override;

 private:
  // True (and the refusal reported) when text holds a character that the
  // document cannot store.
  bool Refuse(const QString& text);
  // True when the key press handler swallowed the event's character.
  bool Swallowed(const QKeyEvent& event);

  KeyPressHandler keyPress_;
};

}  // namespace zumoku
