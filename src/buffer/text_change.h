#pragma once
// One change of the document's text, in lines and stored bytes (CR LF line
// ends): what the editor tells everything that follows its text. The lines
// from firstLine to firstLine + linesAdded hold the new text; the lines after
// them are the old ones, linesAdded - linesRemoved further down.
namespace zumoku {

struct TextChange {
  int firstLine = 0;     // the line the change starts in
  int linesRemoved = 0;  // line ends taken out
  int linesAdded = 0;    // line ends put in
  int byteOffset = 0;    // where the change starts
  int bytesRemoved = 0;
  int bytesAdded = 0;

  bool operator==(const TextChange&) const = default;
};

}  // namespace zumoku
