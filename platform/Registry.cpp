#include "platform/Registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QThread>

#include <sys/stat.h>

namespace platform {

RegistryError InvalidDataType(const QString& valueName) {
    return RegistryError(QStringLiteral("Invalid data type for '%1'").arg(valueName).toStdString());
}

RegistryError FailedToSetData(const QString& valueName) {
    return RegistryError(
        QStringLiteral("Failed to set data for '%1'").arg(valueName).toStdString());
}

namespace hive {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView s) {
    qsizetype from = 0, to = s.size();
    while (from < to && isBlank(s[from])) ++from;
    while (to > from && isBlank(s[to - 1])) --to;
    return s.mid(from, to - from);
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// A hexadecimal number of 1 to 8 digits, the whole of `s`.
std::optional<quint32> parseHex32(QStringView s) {
    if (s.isEmpty() || s.size() > 8) return std::nullopt;
    quint32 v = 0;
    for (QChar c : s) {
        const int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | quint32(d);
    }
    return v;
}

QByteArray utf16le(QStringView text) {
    QByteArray out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

// Reads a quoted text starting at s[pos] == '"', with the escapes \\ and \".
// On success `pos` is just past the closing quote.
std::optional<QString> parseQuoted(QStringView s, qsizetype& pos) {
    QString out;
    ++pos;
    while (pos < s.size()) {
        const QChar c = s[pos++];
        if (c == u'"') return out;
        if (c == u'\\') {
            if (pos >= s.size()) return std::nullopt;
            const QChar e = s[pos++];
            if (e != u'\\' && e != u'"') return std::nullopt;
            out.append(e);
        } else {
            out.append(c);
        }
    }
    return std::nullopt;
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'\\' || c == u'"') out.append(u'\\');
        out.append(c);
    }
    out.append(u'"');
    return out;
}

// The bytes of a hex: list, "01,ab, 2f"; an empty list is allowed, and so is
// one trailing comma.
std::optional<QByteArray> parseBytes(QStringView list) {
    QByteArray out;
    const QStringView all = trimBlanks(list);
    if (all.isEmpty()) return out;
    const auto parts = all.split(u',');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringView t = trimBlanks(parts[i]);
        if (t.isEmpty() && i == parts.size() - 1 && i > 0) break;
        if (t.isEmpty() || t.size() > 2) return std::nullopt;
        const auto v = parseHex32(t);
        if (!v) return std::nullopt;
        out.append(char(*v));
    }
    return out;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString normalisedPath(QStringView path) {
    QStringView p = trimBlanks(path);
    while (p.endsWith(u'\\')) p.chop(1);
    return p.toString();
}

}  // namespace

QString stringOf(const Value& value) {
    QString out;
    for (qsizetype i = 0; i + 1 < value.data.size(); i += 2) {
        const char16_t u =
            char16_t(uchar(value.data[i])) | char16_t(char16_t(uchar(value.data[i + 1])) << 8);
        if (u == 0) break;
        out.append(QChar(u));
    }
    return out;
}

std::optional<Document> parse(const QByteArray& bytes) {
    Document doc;
    QString text;
    if (bytes.startsWith("\xff\xfe")) {
        if (bytes.size() % 2 != 0) return std::nullopt;
        QStringDecoder decode(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless |
                                                           QStringDecoder::Flag::ConvertInitialBom);
        text = decode(QByteArrayView(bytes).sliced(2));
        if (decode.hasError()) return std::nullopt;
        doc.utf16 = true;
    } else {
        QByteArrayView body(bytes);
        if (bytes.startsWith("\xef\xbb\xbf")) {
            body = body.sliced(3);
            doc.utf8Bom = true;
        }
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                        QStringDecoder::Flag::ConvertInitialBom);
        text = decode(body);
        if (decode.hasError()) return std::nullopt;
    }

    // Lines keep their own ends, so that what is not edited is written back
    // exactly as it was.
    bool sawEnd = false;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype nl = text.indexOf(u'\n', start);
        if (nl < 0) {
            doc.lines.append(text.mid(start));
            doc.ends.append(QString());
            break;
        }
        const bool crlf = nl > start && text[nl - 1] == u'\r';
        doc.lines.append(text.mid(start, nl - start - (crlf ? 1 : 0)));
        doc.ends.append(crlf ? QStringLiteral("\r\n") : QStringLiteral("\n"));
        if (!sawEnd) {
            doc.lineEnd = doc.ends.back();
            sawEnd = true;
        }
        start = nl + 1;
    }
    if (doc.lines.isEmpty()) return doc;  // an empty file is an empty hive

    if (trimBlanks(doc.lines[0]) != QLatin1String(Header)) return std::nullopt;

    Key* current = nullptr;
    for (int i = 1; i < doc.lines.size(); ++i) {
        const QStringView line = trimBlanks(doc.lines[i]);
        if (line.isEmpty() || line.startsWith(u';')) continue;

        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || line.size() < 3 || line[1] == u'-') return std::nullopt;
            const QString path = normalisedPath(line.mid(1, line.size() - 2));
            if (path.isEmpty()) return std::nullopt;
            doc.keys.push_back(Key{path, i, {}});
            current = &doc.keys.back();
            continue;
        }

        if (!current) return std::nullopt;
        Value value;
        value.firstLine = i;
        qsizetype pos = 0;
        if (line[0] == u'@') {
            pos = 1;
        } else if (line[0] == u'"') {
            auto name = parseQuoted(line, pos);
            if (!name) return std::nullopt;
            value.name = *name;
        } else {
            return std::nullopt;
        }
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        if (pos >= line.size() || line[pos] != u'=') return std::nullopt;
        ++pos;
        while (pos < line.size() && isBlank(line[pos])) ++pos;
        const QStringView data = line.mid(pos);

        int lineCount = 1;
        if (data.startsWith(u'"')) {
            qsizetype q = 0;
            auto s = parseQuoted(data, q);
            if (!s || !trimBlanks(data.mid(q)).isEmpty()) return std::nullopt;
            value.type = String;
            value.data = utf16le(*s) + QByteArray(2, '\0');
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const auto v = parseHex32(data.mid(6));
            if (!v) return std::nullopt;
            value.type = DWord;
            for (int b = 0; b < 4; ++b) value.data.append(char((*v >> (8 * b)) & 0xff));
        } else if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            qsizetype p = 3;
            value.type = Binary;
            if (p < data.size() && data[p] == u'(') {
                const qsizetype close = data.indexOf(u')', p);
                if (close < 0) return std::nullopt;
                const auto t = parseHex32(data.mid(p + 1, close - p - 1));
                if (!t) return std::nullopt;
                value.type = *t;
                p = close + 1;
            }
            if (p >= data.size() || data[p] != u':') return std::nullopt;
            // The list may go on over further lines, each one ending in a
            // backslash but the last.
            QString list = data.mid(p + 1).toString();
            while (list.endsWith(u'\\')) {
                list.chop(1);
                if (i + lineCount >= doc.lines.size()) return std::nullopt;
                list += trimBlanks(doc.lines[i + lineCount]);
                ++lineCount;
            }
            auto bytesOf = parseBytes(list);
            if (!bytesOf) return std::nullopt;
            value.data = *bytesOf;
        } else {
            // Includes "-", which deletes a value on import and has no place
            // in a hive.
            return std::nullopt;
        }
        value.lineCount = lineCount;
        i += lineCount - 1;
        current->values.push_back(std::move(value));
    }
    return doc;
}

const Value* Document::find(const QString& keyPath, const QString& name) const {
    const QString path = normalisedPath(keyPath);
    const Value* found = nullptr;
    for (const Key& key : keys) {
        if (!sameName(key.path, path)) continue;
        for (const Value& v : key.values)
            if (sameName(v.name, name)) found = &v;
    }
    return found;
}

bool Document::setString(const QString& keyPath, const QString& name, const QString& value) {
    // A name is always quoted text, which cannot hold a line break.
    for (QChar c : name)
        if (c == u'\n' || c == u'\r' || c == u'\0') return false;
    const QString path = normalisedPath(keyPath);
    if (path.isEmpty() || path.startsWith(u'-')) return false;
    for (QChar c : path)
        if (c == u'\n' || c == u'\r' || c == u'\0') return false;

    // Text that the quoted form cannot carry (line breaks, NULs, unpaired
    // surrogates) is written as the same string type in hexadecimal.
    bool plain = value.isValidUtf16();
    for (QChar c : value)
        if (c == u'\n' || c == u'\r' || c == u'\0') plain = false;
    const QString nameText = name.isEmpty() ? QStringLiteral("@") : quoted(name);
    QStringList newLines;
    if (plain) {
        newLines.append(nameText + u'=' + quoted(value));
    } else {
        const QByteArray bytes = utf16le(value) + QByteArray(2, '\0');
        QString line = nameText + QStringLiteral("=hex(1):");
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            line += QStringLiteral("%1").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0'));
            if (i + 1 < bytes.size()) {
                line += u',';
                if (line.size() > 76) {
                    newLines.append(line + u'\\');
                    line = QStringLiteral("  ");
                }
            }
        }
        newLines.append(line);
    }

    // Whatever follows the last line needs a line end before it.
    const auto insertAt = [this](qsizetype at, const QStringList& added) {
        if (at >= lines.size() && !ends.isEmpty() && ends.back().isEmpty()) ends.back() = lineEnd;
        for (qsizetype k = 0; k < added.size(); ++k) {
            lines.insert(at + k, added[k]);
            ends.insert(at + k, lineEnd);
        }
    };

    if (lines.isEmpty()) {
        insertAt(0, QStringList{QLatin1String(Header), QString(), u'[' + path + u']'} + newLines);
    } else if (const Value* existing = find(path, name)) {
        // The last line keeps its own end (or its lack of one).
        const qsizetype at = existing->firstLine;
        const QString lastEnd = ends[at + existing->lineCount - 1];
        lines.remove(at, existing->lineCount);
        ends.remove(at, existing->lineCount);
        insertAt(at, newLines);
        ends[at + newLines.size() - 1] = lastEnd;
    } else {
        const Key* last = nullptr;
        for (const Key& key : keys)
            if (sameName(key.path, path)) last = &key;
        if (last) {
            const qsizetype at = last->values.empty() ? last->headerLine + 1
                                                      : last->values.back().firstLine +
                                                            last->values.back().lineCount;
            insertAt(at, newLines);
        } else {
            QStringList added;
            if (!trimBlanks(lines.back()).isEmpty()) added.append(QString());
            added.append(u'[' + path + u']');
            insertAt(lines.size(), added + newLines);
        }
    }

    // Lines moved: parse again so that the positions are right.
    auto reparsed = parse(serialize());
    if (!reparsed) return false;
    *this = std::move(*reparsed);
    return true;
}

QByteArray Document::serialize() const {
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) text += lines[i] + ends.value(i);
    if (utf16) return QByteArray("\xff\xfe", 2) + utf16le(text);
    return (utf8Bom ? QByteArray("\xef\xbb\xbf") : QByteArray()) + text.toUtf8();
}

}  // namespace hive

namespace {

enum class Load { Ok, Missing, Unusable };

// Reads and parses the hive. Anything but a regular file of sensible size is
// unusable: a FIFO or a device would block or never end.
Load loadHive(const QString& path, hive::Document& doc) {
    const QFileInfo info(path);
    if (!info.exists()) {
        // A folder on the way that is a plain file also ends up here: there
        // is nothing to read, and a write will fail to make the folder.
        return Load::Missing;
    }
    if (!info.isFile() || info.size() > HiveFileRegistry::MaxFileSize) return Load::Unusable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Load::Unusable;
    const QByteArray bytes = file.read(HiveFileRegistry::MaxFileSize + 1);
    if (bytes.size() > HiveFileRegistry::MaxFileSize || file.error() != QFileDevice::NoError)
        return Load::Unusable;
    auto parsed = hive::parse(bytes);
    if (!parsed) return Load::Unusable;
    doc = std::move(*parsed);
    return Load::Ok;
}

// QLockFile::tryLock backs off exponentially, to sleeps of seconds: against a
// writer that keeps coming back it may look only a few times before giving
// up. Short, slightly uneven naps let a waiter get its turn.
bool takeLock(QLockFile& lock) {
    QElapsedTimer waited;
    waited.start();
    for (unsigned attempt = 0;; ++attempt) {
        if (lock.tryLock(0)) return true;
        if (lock.error() != QLockFile::LockFailedError) return false;  // no rights, no folder
        if (waited.elapsed() >= HiveFileRegistry::LockTimeoutMs) return false;
        QThread::msleep(2 + (attempt * 7) % 11);
    }
}

}  // namespace

// A key as it was when opened; a write goes back to the file, under the lock,
// so that it applies to the hive as it is by then.
class HiveFileKey final : public RegistryKey {
public:
    HiveFileKey(HiveFileRegistry& registry, QString fullPath, hive::Document doc)
        : registry_(registry), fullPath_(std::move(fullPath)), doc_(std::move(doc)) {}

    QString readString(const QString& name) override {
        const hive::Value* v = doc_.find(fullPath_, name);
        if (!v) return QString();
        if (v->type != hive::String && v->type != hive::ExpandString) throw InvalidDataType(name);
        return hive::stringOf(*v);
    }

    void writeString(const QString& name, const QString& value) override {
        const QString& path = registry_.path();
        const QFileInfo info(path);
        if (!QDir().mkpath(info.absolutePath())) throw FailedToSetData(name);

        // Read, change and replace happen under the lock, so that two writers
        // never both start from the same old file and one update gets lost.
        QLockFile lock(path + QStringLiteral(".lock"));
        if (!takeLock(lock)) throw FailedToSetData(name);

        hive::Document doc;
        if (loadHive(path, doc) == Load::Unusable) throw FailedToSetData(name);
        if (!doc.setString(fullPath_, name, value)) throw FailedToSetData(name);
        const QByteArray bytes = doc.serialize();

        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly)) throw FailedToSetData(name);
        // Readable by its owner alone, whatever the umask; set on the
        // temporary file, so the hive never exists with wider rights.
        if (::fchmod(out.handle(), S_IRUSR | S_IWUSR) != 0) {
            out.cancelWriting();
            throw FailedToSetData(name);
        }
        if (out.write(bytes) != bytes.size()) {
            out.cancelWriting();
            throw FailedToSetData(name);
        }
        if (!out.commit()) throw FailedToSetData(name);
        doc_ = std::move(doc);
    }

private:
    HiveFileRegistry& registry_;
    QString fullPath_;
    hive::Document doc_;
};

HiveFileRegistry::HiveFileRegistry(QString path, QString root)
    : path_(std::move(path)), root_(std::move(root)) {}

QString HiveFileRegistry::defaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Only an absolute folder counts; anything else is to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/omenwise/HKEY_CURRENT_USER.reg");
}

std::unique_ptr<RegistryKey> HiveFileRegistry::openKey(const QString& keyPath) {
    // The key is created in the file with the first value written to it:
    // merely looking never rewrites a person's hive.
    hive::Document doc;
    if (loadHive(path_, doc) == Load::Unusable) return nullptr;
    QStringView rel(keyPath);
    while (rel.startsWith(u'\\')) rel = rel.mid(1);
    QString full = root_;
    if (!rel.isEmpty()) full += u'\\' + rel.toString();
    return std::make_unique<HiveFileKey>(*this, full, std::move(doc));
}

}  // namespace platform
