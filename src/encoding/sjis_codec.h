#pragma once
// The Shift_JIS (code page 932) side of the codec; see codec.h.
#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <string_view>

#include "encoding/codec.h"

namespace zumoku::codec::sjis {

QString Decode(std::string_view bytes);
std::optional<std::string> Encode(QStringView text, LineEnds lineEnds);
std::optional<QChar> FirstRefused(QStringView text);
bool IsStandIn(QChar c);
int ByteLength(QChar c);
bool JoinsNextByte(QChar c);
QString ReadBack(QStringView text);

}  // namespace zumoku::codec::sjis
