#include <gtest/gtest.h>

#include "platform/Gb18030.h"

using platform::decodeGb18030;
using platform::splitLines;

TEST(DecodeGb18030, DecodesAndReplacesWhatDoesNotDecode) {
    const QString bad(QChar(0xFFFD));
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"", ""},
        {"1>5>http://a.example/?q=1", "1>5>http://a.example/?q=1"},
        {"\xc4\xe3\xba\xc3", QStringLiteral("你好")},
        {"\xa1\xa1x", QStringLiteral("\u3000x")},        // full-width blank
        {"\x81\x30\x81\x30", QStringLiteral("\u0080")},  // four-byte sequence
        {"a\xff"
         "b",
         "a" + bad + "b"},  // no such lead byte
        {"a\x80"
         "b",
         "a" + bad + "b"},
        {"\xc4\xe3\xba", QStringLiteral("你") + bad},  // cut short at the end
        {"\x81\x30", bad},
        {QByteArray("a\0b", 3), QStringLiteral("a") + QChar(0) + "b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeGb18030(c.bytes), c.text) << c.bytes.toHex().toStdString();
}

TEST(SplitLines, SplitsAtEveryKindOfLineBreak) {
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n", {""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"  \r\n \t", {"  ", " \t"}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << c.text.toStdString();
}
