#pragma once
// A long pass over a document's text (replacing every match in a large
// document) runs on a worker thread while the window takes no input; after a
// moment a dialog shows how far it has come and offers キャンセル. The pass
// works on what it was given; the caller changes the document only after it
// has finished.
#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>

#include "search/search.h"

namespace zumoku {

// Texts from this size on are long.
inline constexpr std::size_t kLongPassBytes = 1u << 20;

// Runs `pass` (told where it is, out of `total`, through the progress it is
// given) and returns once it is done: false when the user cancelled it. An
// exception the pass throws is thrown again here.
bool RunLongPass(QWidget* parent, const QString& what, std::size_t total,
                 const std::function<void(const search::Progress&)>& pass);

}  // namespace zumoku
