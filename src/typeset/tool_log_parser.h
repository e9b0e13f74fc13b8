#pragma once
// Reads the logs BibTeX (.blg) and mendex (.ilg) write for the lines a user
// acts on: their errors and warnings in their own words, with the file and
// line they name (refs.bib line 4, doc.idx line 1). Bytes in the
// document's encoding, as the tools write them.
#include <string_view>

#include "typeset/log_parser.h"

namespace zumoku::typeset {

// "Illegal end of database file---line 4 of file refs.bib",
// "Warning--I didn't find a database entry for "x"".
LogSummary ParseBibtexLog(std::string_view blg);
// "Error: 論文 is no entry in dictionary file in doc.idx, line 1.".
LogSummary ParseIndexLog(std::string_view ilg);

}  // namespace zumoku::typeset
