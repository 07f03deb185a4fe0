#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/types.h>

#include "platform/Registry.h"

using platform::HiveFileRegistry;
using platform::RegistryError;
namespace hive = platform::hive;

namespace {

const QString MainKey = QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main");
const QString StartPage = QStringLiteral("Start Page");

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A hive a person might have: comments, blank lines, several keys, values of
// every kind, one spread over continuation lines.
const QByteArray Fixture =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; kept by hand\r\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
    "@=\"default\"\r\n"
    "\"Count\"=dword:0000002a\r\n"
    "\"Blob\"=hex:01,02,ff\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
    "\"Search Page\"=\"http://search.example/\"\r\n"
    "\"Start Page\"=\"http://old.example/\"\r\n"
    "\"Path\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,00,46,00,49,00,4c,00,\\\r\n"
    "  45,00,25,00,00,00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Last]\r\n"
    "\"Quoted \\\"name\\\"\"=\"a\\\\b\"\r\n";

class HiveFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("omenwise/HKEY_CURRENT_USER.reg")); }
    void store(const QByteArray& bytes) {
        QDir().mkpath(dir.filePath(QStringLiteral("omenwise")));
        writeAll(path(), bytes);
    }
    QString read(const QString& name, const QString& key = MainKey) {
        HiveFileRegistry registry(path());
        auto k = registry.openKey(key);
        if (!k) return QStringLiteral("<no key>");
        return k->readString(name);
    }
    void write(const QString& name, const QString& value, const QString& key = MainKey) {
        HiveFileRegistry registry(path());
        auto k = registry.openKey(key);
        ASSERT_TRUE(k);
        k->writeString(name, value);
    }
    QTemporaryDir dir;
};

}  // namespace

TEST(RegistryErrors, NameTheValueExactly) {
    EXPECT_STREQ(platform::InvalidDataType(StartPage).what(), "Invalid data type for 'Start Page'");
    EXPECT_STREQ(platform::FailedToSetData(QStringLiteral("首页")).what(),
                 "Failed to set data for '首页'");
}

// --- reading: the types a value may have, and what reading it as text gives

TEST_F(HiveFile, ReadGivesStringsUpToTheirFirstNulAndRejectsOtherTypes) {
    store(
        "Windows Registry Editor Version 5.00\n"
        "[HKEY_CURRENT_USER\\Software\\T]\n"
        "\"plain\"=\"http://a.example/?1\"\n"
        "\"escaped\"=\"say \\\"hi\\\" C:\\\\x\"\n"
        "\"cjk\"=\"首页\"\n"
        "\"empty\"=\"\"\n"
        // %HOME%\x as an expandable string: left unexpanded
        "\"expand\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,5c,00,78,00,00,00\n"
        // ab NUL cd NUL: a string whose data goes on past a NUL
        "\"nul\"=hex(1):61,00,62,00,00,00,63,00,64,00,00,00\n"
        "\"no terminator\"=hex(1):61,00,62,00\n"
        "\"odd\"=hex(1):61,00,62\n"
        "@=\"the default\"\n"
        "\"dword\"=dword:00000001\n"
        "\"binary\"=hex:68,00,69,00,00,00\n"
        "\"multi\"=hex(7):61,00,00,00,00,00\n"
        "\"qword\"=hex(b):01,00,00,00,00,00,00,00\n"
        "\"none\"=hex(0):\n");
    const QString key = QStringLiteral("Software\\T");
    struct Case {
        const char* name;
        const char* text;  // nullptr: raises "Invalid data type"
    };
    const Case cases[] = {
        {"plain", "http://a.example/?1"},
        {"escaped", "say \"hi\" C:\\x"},
        {"cjk", "首页"},
        {"empty", ""},
        {"expand", "%HOME%\\x"},
        {"nul", "ab"},
        {"no terminator", "ab"},
        {"odd", "a"},
        {"", "the default"},
        {"PLAIN", "http://a.example/?1"},  // names ignore letter case
        {"missing", ""},
        {"dword", nullptr},
        {"binary", nullptr},
        {"multi", nullptr},
        {"qword", nullptr},
        {"none", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        if (c.text) {
            EXPECT_EQ(read(name, key), QString::fromUtf8(c.text));
        } else {
            try {
                read(name, key);
                ADD_FAILURE() << "no error";
            } catch (const RegistryError& e) {
                EXPECT_EQ(QString::fromUtf8(e.what()),
                          QStringLiteral("Invalid data type for '%1'").arg(name));
            }
        }
    }
}

TEST_F(HiveFile, MissingFileOrKeyReadsAsEmptyAndCreatesNothing) {
    EXPECT_EQ(read(StartPage), QString());
    EXPECT_FALSE(QFileInfo::exists(path()));
    store(Fixture);
    EXPECT_EQ(read(StartPage, QStringLiteral("Software\\Nowhere")), QString());
    EXPECT_EQ(readAll(path()), Fixture);
}

TEST_F(HiveFile, KeyPathsIgnoreLetterCaseAndLeadingBackslashes) {
    store(Fixture);
    EXPECT_EQ(read(StartPage, QStringLiteral("\\software\\MICROSOFT\\Internet Explorer\\main")),
              "http://old.example/");
}

// --- writing

TEST_F(HiveFile, WriteReplacesOnlyTheValuesLineAndKeepsEverythingElse) {
    store(Fixture);
    write(StartPage, QStringLiteral("http://www.navora.example/?400"));
    QByteArray expected = Fixture;
    expected.replace("\"Start Page\"=\"http://old.example/\"",
                     "\"Start Page\"=\"http://www.navora.example/?400\"");
    EXPECT_EQ(readAll(path()), expected);
    EXPECT_EQ(read(StartPage), "http://www.navora.example/?400");
    EXPECT_EQ(read(QStringLiteral("Path")), "%USERPROFILE%");
    EXPECT_EQ(read(QStringLiteral("Quoted \"name\""), QStringLiteral("Software\\Last")), "a\\b");
}

TEST_F(HiveFile, WriteAddsAMissingValueOrKeyAndKeepsTheRest) {
    struct Case {
        const char* label;
        QByteArray before;
        QString key;
        QByteArray after;
    };
    const QByteArray header = "Windows Registry Editor Version 5.00\n";
    const Case cases[] = {
        {"new value goes after the key's last value",
         header + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"1\"\n\n[HKEY_CURRENT_USER\\L]\n", "K",
         header + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"1\"\n\"v\"=\"x\"\n\n[HKEY_CURRENT_USER\\L]\n"},
        {"into an empty section", header + "[HKEY_CURRENT_USER\\K]\n[HKEY_CURRENT_USER\\L]\n", "K",
         header + "[HKEY_CURRENT_USER\\K]\n\"v\"=\"x\"\n[HKEY_CURRENT_USER\\L]\n"},
        {"new key at the end, file without a final line break",
         header + "[HKEY_CURRENT_USER\\L]\n\"b\"=dword:1", "K",
         header + "[HKEY_CURRENT_USER\\L]\n\"b\"=dword:1\n\n[HKEY_CURRENT_USER\\K]\n\"v\"=\"x\"\n"},
        {"value on the last line without a line break",
         header + "[HKEY_CURRENT_USER\\K]\n\"v\"=\"old\"", "K",
         header + "[HKEY_CURRENT_USER\\K]\n\"v\"=\"x\""},
        {"empty file", "", "K",
         "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"v\"=\"x\"\r\n"},
        {"UTF-8 with a byte-order mark", "\xef\xbb\xbf" + header, "K",
         "\xef\xbb\xbf" + header + "\n[HKEY_CURRENT_USER\\K]\n\"v\"=\"x\"\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        store(c.before);
        write(QStringLiteral("v"), QStringLiteral("x"), c.key);
        EXPECT_EQ(readAll(path()), c.after);
    }
}

TEST_F(HiveFile, NoFileYetMakesTheFolderAndAHeaderedHive) {
    write(StartPage, QStringLiteral("http://www.navora.example/?400"));
    EXPECT_EQ(readAll(path()),
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
              "\"Start Page\"=\"http://www.navora.example/?400\"\r\n");
}

TEST_F(HiveFile, WrittenStringsReadBackExactlyAndStayStrings) {
    const QString values[] = {
        QStringLiteral("plain"),
        QStringLiteral("quote \" and backslash \\ and \\\""),
        QStringLiteral("中文 首页 😀"),
        QStringLiteral("line\r\nbreak"),
        QStringLiteral("tab\there"),
        QString(),
        QStringLiteral(" [HKEY_CURRENT_USER\\Fake] "),
        QString(300, QLatin1Char('\n')),
    };
    for (const QString& v : values) {
        SCOPED_TRACE(v.toStdString());
        write(StartPage, v);
        write(QStringLiteral("other"), QStringLiteral("kept"));
        EXPECT_EQ(read(StartPage), v);
        EXPECT_EQ(read(QStringLiteral("other")), "kept");
        const auto doc = hive::parse(readAll(path()));
        ASSERT_TRUE(doc);
        EXPECT_EQ(doc->find(QStringLiteral("HKEY_CURRENT_USER\\") + MainKey, StartPage)->type,
                  hive::String);
    }
    // A NUL ends the text as read; what follows it is not lost from the file.
    write(StartPage, QStringLiteral("before") + QChar(0) + QStringLiteral("after"));
    EXPECT_EQ(read(StartPage), "before");
    const auto doc = hive::parse(readAll(path()));
    ASSERT_TRUE(doc);
    const hive::Value* v = doc->find(QStringLiteral("HKEY_CURRENT_USER\\") + MainKey, StartPage);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->type, hive::String);
    EXPECT_EQ(v->data, QByteArray("b\0e\0f\0o\0r\0e\0\0\0a\0f\0t\0e\0r\0\0\0", 26));
}

TEST_F(HiveFile, WriteKeepsAUtf16HiveInUtf16AndItsLineEnds) {
    QByteArray utf16 = "\xff\xfe";
    const QString text = QStringLiteral(
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n\"a\"=\"甲\"\n");
    for (QChar c : text) utf16.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    store(utf16);
    write(QStringLiteral("b"), QStringLiteral("乙"), QStringLiteral("K"));
    const QByteArray after = readAll(path());
    ASSERT_TRUE(after.startsWith("\xff\xfe"));
    const QString afterText = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(after.constData() + 2), (after.size() - 2) / 2);
    EXPECT_EQ(afterText, text + QStringLiteral("\"b\"=\"乙\"\n"));
}

TEST_F(HiveFile, FileIsReadableByItsOwnerAloneWhateverTheUmask) {
    store(Fixture);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther | QFile::WriteOther);
    const mode_t old = ::umask(0);
    write(StartPage, QStringLiteral("x"));
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode_t(0600));
    // Nothing is left beside it: no temporary file, no lock.
    EXPECT_EQ(QDir(QFileInfo(path()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"HKEY_CURRENT_USER.reg"}));
}

// --- a hive that must not be touched

TEST_F(HiveFile, UnparsableHiveCannotBeOpenedAndIsNeverOverwritten) {
    const QByteArray broken[] = {
        "not a hive\r\n",
        "Windows Registry Editor Version 5.00\r\n\"outside\"=\"any key\"\r\n",
        "Windows Registry Editor Version 5.00\r\n[K]\r\n\"Start Page\"=\"unterminated\r\n",
        "Windows Registry Editor Version 5.00\r\n[K]\r\nrandom words\r\n",
        "\xff\xfe\x57",  // half a UTF-16 character
        "Windows Registry Editor Version 5.00\r\n[K]\r\n\"v\"=\"\xc3\x28\"\r\n",  // bad UTF-8
    };
    for (const QByteArray& bytes : broken) {
        SCOPED_TRACE(bytes.toStdString());
        store(bytes);
        HiveFileRegistry registry(path());
        EXPECT_EQ(registry.openKey(MainKey), nullptr);
        EXPECT_EQ(readAll(path()), bytes);
    }
}

TEST_F(HiveFile, HiveBrokenAfterTheKeyWasOpenedFailsTheWriteAndStaysAsItIs) {
    store(Fixture);
    HiveFileRegistry registry(path());
    auto key = registry.openKey(MainKey);
    ASSERT_TRUE(key);
    const QByteArray edited = Fixture + "half a line \"";
    writeAll(path(), edited);
    try {
        key->writeString(StartPage, QStringLiteral("http://www.navora.example/?400"));
        ADD_FAILURE() << "no error";
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Start Page'");
    }
    EXPECT_EQ(readAll(path()), edited);
}

TEST(HiveFileUnwritable, FolderPathThroughAPlainFileFailsTheWriteAndKeepsThatFile) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("config"));
    writeAll(plain, "a plain file, not a folder\n");
    HiveFileRegistry registry(plain + QStringLiteral("/omenwise/HKEY_CURRENT_USER.reg"));
    auto key = registry.openKey(MainKey);
    ASSERT_TRUE(key);  // nothing there: an empty key
    EXPECT_EQ(key->readString(StartPage), QString());
    try {
        key->writeString(StartPage, QStringLiteral("x"));
        ADD_FAILURE() << "no error";
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Start Page'");
    }
    EXPECT_EQ(readAll(plain), "a plain file, not a folder\n");
}

TEST(HiveFileUnwritable, NotARegularFileIsNeitherReadNorWaitedOn) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.reg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a FIFO for reading would block until a writer comes.
    HiveFileRegistry onFifo(fifo);
    EXPECT_EQ(onFifo.openKey(MainKey), nullptr);

    HiveFileRegistry onFolder(dir.path());
    EXPECT_EQ(onFolder.openKey(MainKey), nullptr);
}

// --- several processes at once

// What a reader finds of the racing writers' values; -1 for a torn file: one
// that does not parse, lost a value it had or holds half a value.
int RaceValuesIn(const QByteArray& bytes, int perWriter) {
    const auto doc = hive::parse(bytes);
    if (!doc || !bytes.endsWith("\r\n")) return -1;
    int found = 0;
    for (const char* prefix : {"a", "b"}) {
        for (int i = 0; i < perWriter; ++i) {
            const QString name = QString::fromLatin1(prefix) + QString::number(i);
            const hive::Value* v =
                doc->find(QStringLiteral("HKEY_CURRENT_USER\\Software\\Race"), name);
            if (!v) continue;
            if (hive::stringOf(*v) != name + QString(2000, QLatin1Char('x'))) return -1;
            ++found;
        }
    }
    return doc->find(QStringLiteral("HKEY_CURRENT_USER\\Software\\Last"),
                     QStringLiteral("Quoted \"name\""))
               ? found
               : -1;
}

TEST_F(HiveFile, ConcurrentWritersNeitherTearTheFileNorLoseUpdates) {
    store(Fixture);
    const int perWriter = 25;
    QProcess a, b;
    a.start(QStringLiteral(REGISTRY_WRITER),
            {path(), QStringLiteral("a"), QString::number(perWriter)});
    b.start(QStringLiteral(REGISTRY_WRITER),
            {path(), QStringLiteral("b"), QString::number(perWriter)});
    ASSERT_TRUE(a.waitForStarted(10000));
    ASSERT_TRUE(b.waitForStarted(10000));

    // Meanwhile every read must find a whole hive, never with fewer values
    // than the read before.
    int reads = 0, torn = 0, shrunk = 0, last = 0;
    QElapsedTimer bound;
    bound.start();
    while ((a.state() != QProcess::NotRunning || b.state() != QProcess::NotRunning) &&
           bound.elapsed() < 90000) {
        const int now = RaceValuesIn(readAll(path()), perWriter);
        if (now < 0) ++torn;
        if (now >= 0 && now < last) ++shrunk;
        if (now >= 0) last = now;
        ++reads;
        a.waitForFinished(5);
        b.waitForFinished(5);
    }
    // (waitForFinished is false for a process that has already finished.)
    if (a.state() != QProcess::NotRunning) a.waitForFinished(10000);
    if (b.state() != QProcess::NotRunning) b.waitForFinished(10000);
    ASSERT_EQ(a.state(), QProcess::NotRunning);
    ASSERT_EQ(b.state(), QProcess::NotRunning);
    EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_EQ(shrunk, 0) << "of " << reads << " reads";

    // Every update of both writers arrived, and what was there before stayed.
    EXPECT_EQ(RaceValuesIn(readAll(path()), perWriter), 2 * perWriter);
    EXPECT_EQ(read(StartPage), "http://old.example/");
    EXPECT_TRUE(readAll(path()).startsWith(Fixture));
}

// --- the parser on its own

TEST(HiveParse, MalformedInputIsRejected) {
    const QByteArray h = "Windows Registry Editor Version 5.00\n";
    const QByteArray cases[] = {
        "REGEDIT4\n[K]\n",
        "\n" + h,  // the header comes first
        // A second byte-order mark is text before the header, not one more
        // mark to drop (dropping it would change the file on the next write).
        "\xef\xbb\xbf\xef\xbb\xbf" + h,
        QByteArray("\xff\xfe\xff\xfe", 4),
        h + "[]\n",
        h + "[-HKEY_CURRENT_USER\\K]\n",  // deletes a key on import
        h + "[K\n",
        h + "[K]\n\"v\"=-\n",  // deletes a value on import
        h + "[K]\n\"v\"\n",
        h + "[K]\n\"v\"=\n",
        h + "[K]\n\"v=\"x\"\n",
        h + "[K]\n\"v\"=\"x\" trailing\n",
        h + "[K]\n\"v\"=\"bad \\n escape\"\n",
        h + "[K]\n\"v\"=dword:\n",
        h + "[K]\n\"v\"=dword:123456789\n",
        h + "[K]\n\"v\"=dword:12g4\n",
        h + "[K]\n\"v\"=hex:1,zz\n",
        h + "[K]\n\"v\"=hex:100\n",
        h + "[K]\n\"v\"=hex:01,,02\n",
        h + "[K]\n\"v\"=hex(2:00\n",
        h + "[K]\n\"v\"=hex():00\n",
        h + "[K]\n\"v\"=hex(123456789):00\n",
        h + "[K]\n\"v\"=hex:01,\\\n",  // the continuation never comes
        h + "[K]\n\"v\"=str:x\n",
        h + "[K]\nv=\"x\"\n",
    };
    for (const QByteArray& c : cases) {
        SCOPED_TRACE(c.toStdString());
        EXPECT_FALSE(hive::parse(c));
    }
}

// Any change of bytes must leave the parser standing, and whatever it accepts
// it must write back exactly as it read it.
TEST(HiveParse, MutatedHivesNeverCrashAndWhatParsesRoundTrips) {
    QRandomGenerator random(20261211);
    const char alphabet[] = "[]\"\\=@,:;-()\r\n hexdword0123456789abcdefABCDEF\x00\xff\xfe\xc3";
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes = Fixture;
        const int edits = 1 + random.bounded(4);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(int(bytes.size()) + 1);
            const char c = alphabet[random.bounded(int(sizeof alphabet - 1))];
            switch (random.bounded(3)) {
                case 0:
                    bytes.insert(at, c);
                    break;
                case 1:
                    if (at < bytes.size()) bytes[at] = c;
                    break;
                default:
                    if (at < bytes.size()) bytes.remove(at, 1 + random.bounded(8));
                    break;
            }
        }
        auto doc = hive::parse(bytes);
        if (!doc) continue;
        ++accepted;
        ASSERT_EQ(doc->serialize(), bytes);
        // And a write into it yields a hive that still parses.
        if (doc->setString(QStringLiteral("HKEY_CURRENT_USER\\") + MainKey, StartPage,
                           QStringLiteral("v"))) {
            auto again = hive::parse(doc->serialize());
            ASSERT_TRUE(again);
            const hive::Value* v =
                again->find(QStringLiteral("HKEY_CURRENT_USER\\") + MainKey, StartPage);
            ASSERT_TRUE(v);
            EXPECT_EQ(hive::stringOf(*v), "v");
        }
    }
    EXPECT_GT(accepted, 100);  // the mutations did not only produce garbage
}

TEST(HiveDefaultPath, FollowsXdgConfigHome) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QString home = QDir::homePath();
    struct Case {
        const char* value;  // nullptr: unset
        QString expected;
    };
    const Case cases[] = {
        {"/srv/cfg", "/srv/cfg/omenwise/HKEY_CURRENT_USER.reg"},
        {nullptr, home + "/.config/omenwise/HKEY_CURRENT_USER.reg"},
        {"", home + "/.config/omenwise/HKEY_CURRENT_USER.reg"},
        {"relative/cfg", home + "/.config/omenwise/HKEY_CURRENT_USER.reg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        if (c.value)
            qputenv("XDG_CONFIG_HOME", c.value);
        else
            qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(HiveFileRegistry::defaultPath(), c.expected);
    }
    if (wasSet)
        qputenv("XDG_CONFIG_HOME", saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
}
