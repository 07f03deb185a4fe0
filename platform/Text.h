// Text helpers shared by the windows.
#pragma once

#include <QString>

namespace platform {

// Removes leading and trailing characters of code 32 or less (blanks, tabs,
// line breaks and other control characters), and only those: a full-width
// blank (U+3000) is part of the text.
inline QString TrimControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32) ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32) --end;
    return text.mid(begin, end - begin);
}

}  // namespace platform
