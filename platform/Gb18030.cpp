#include "platform/Gb18030.h"

#include <unicode/ucnv.h>

#include <memory>
#include <stdexcept>

namespace platform {

// ICU rather than QStringDecoder: Qt's decoder keeps an incomplete final
// sequence as pending state and drops it instead of substituting it.
QString decodeGb18030(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(ucnv_open("GB18030", &status),
                                                                 &ucnv_close);
    if (U_FAILURE(status)) throw std::runtime_error("GB18030 converter unavailable");
    // Every byte yields at most one UTF-16 unit: two- and four-byte sequences
    // give one or two, a bad byte one U+FFFD.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    const int32_t length =
        ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                      bytes.constData(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
        throw std::runtime_error("GB18030 decoding failed");
    text.truncate(length);
    return text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

}  // namespace platform
