// Text that arrives from the maker's servers as 8-bit GB2312 (read as its
// superset GB18030, so every valid byte sequence decodes).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Decodes GB18030 bytes. Bytes that do not decode, a sequence cut short at
// the end included, each become U+FFFD; decoding never fails.
QString decodeGb18030(const QByteArray& bytes);

// Splits text into lines at CR LF, LF or CR. A final line break ends the last
// line rather than starting an empty one, and empty text has no lines.
QStringList splitLines(const QString& text);

}  // namespace platform
