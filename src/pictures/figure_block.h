#pragma once
// The figure block that a picture is inserted as.
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku::pictures {

// "fig:" and the file name without its folder and extension, with every
// character other than a letter, a digit, "-", "_" or "." made "-", so the
// label never carries a character that LaTeX reads as a command.
std::string FigureLabel(std::string_view texPath);

// A label that `text` does not define yet: FigureLabel, or FigureLabel with
// "-2", "-3"... when the same picture is already in the document.
std::string UniqueFigureLabel(std::string_view text, std::string_view texPath, Encoding encoding);

// The figure environment in CR LF lines, no line end after "\end{figure}":
//   \begin{figure}[htbp]
//     \centering
//     \includegraphics[width=0.8\linewidth]{texPath}
//     \caption{caption}
//     \label{label}
//   \end{figure}
std::string FigureBlock(std::string_view texPath, std::string_view caption, std::string_view label);

}  // namespace zumoku::pictures
