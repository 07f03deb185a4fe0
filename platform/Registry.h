// The current user's registry hive, as far as the program needs it: open a
// key, read a value as text, write a value as a plain string.
//
// There is no system registry here, so the hive is a file of our own in the
// registry-export text format, which a person can read and edit and in which
// every value keeps its type.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace platform {

// The registry layer's errors; what() is the text shown to the user.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Invalid data type for 'NAME'" and "Failed to set data for 'NAME'".
RegistryError InvalidDataType(const QString& valueName);
RegistryError FailedToSetData(const QString& valueName);

// An open key. Closing it is destroying it.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // A plain or expandable string up to its first NUL, left unexpanded; a
    // missing value is empty text. Any other type raises InvalidDataType.
    virtual QString readString(const QString& name) = 0;

    // Stores `value` as a plain string; raises FailedToSetData when it cannot.
    virtual void writeString(const QString& name, const QString& value) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;

    // Opens `keyPath` (relative to the hive's root, components separated by
    // backslashes) with full access, creating it when missing. nullptr when
    // the key can be neither opened nor created.
    virtual std::unique_ptr<RegistryKey> openKey(const QString& keyPath) = 0;
};

// The hive file's contents, parsed. Kept apart from the file handling so that
// it can be tested and fuzzed on its own. Lines are kept as they were, so a
// change rewrites only the lines of the value it touches: comments, spacing
// and every other key and value stay byte for byte.
namespace hive {

// Value types, numbered as on the original platform.
enum ValueType : unsigned {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    DWord = 4,
};

struct Value {
    QString name;  // empty for the key's default value, written "@"
    unsigned type = String;
    QByteArray data;  // the raw value bytes; strings are UTF-16LE with their NUL
    int firstLine = 0;
    int lineCount = 0;  // continuation lines included
};

struct Key {
    QString path;  // as written between the brackets, root included
    int headerLine = 0;
    std::vector<Value> values;
};

struct Document {
    QStringList lines;  // without their line ends
    QStringList ends;   // each line's own end: "\r\n", "\n" or none (the last line)
    QString lineEnd = QStringLiteral("\r\n");  // for lines added: the file's first
    bool utf16 = false;                        // stored as UTF-16LE with a byte-order mark
    bool utf8Bom = false;                      // UTF-8 with a byte-order mark
    std::vector<Key> keys;                     // in file order; a key may appear more than once

    // The effective value: the last one of that name in any section of that
    // key, as an import would leave it. Names and paths ignore letter case.
    const Value* find(const QString& keyPath, const QString& name) const;
    // Sets `name` under `keyPath` to a plain string, adding the key when
    // missing. False when the name cannot be written in this format.
    bool setString(const QString& keyPath, const QString& name, const QString& value);
    QByteArray serialize() const;
};

// The header every hive starts with.
inline constexpr const char* Header = "Windows Registry Editor Version 5.00";

// nullopt when `bytes` is not a well-formed hive. Never crashes or loops on
// any input.
std::optional<Document> parse(const QByteArray& bytes);

// The text a string value holds: up to its first NUL.
QString stringOf(const Value& value);

}  // namespace hive

// The hive in a file. Every write replaces the file atomically (a temporary
// file in the same folder, then a rename), so a reader never sees half a
// file, and writers from several processes take turns through a lock file
// beside the hive, so no update is lost. A file that cannot be parsed is
// never overwritten: its keys cannot be opened.
class HiveFileRegistry final : public Registry {
public:
    // Keys are looked up under `root` ("HKEY_CURRENT_USER").
    explicit HiveFileRegistry(QString path, QString root = QStringLiteral("HKEY_CURRENT_USER"));

    // $XDG_CONFIG_HOME/omenwise/HKEY_CURRENT_USER.reg, with ~/.config in place
    // of an unset or empty variable.
    static QString defaultPath();

    std::unique_ptr<RegistryKey> openKey(const QString& keyPath) override;

    const QString& path() const { return path_; }

    // How long a writer waits for another one to finish.
    static constexpr int LockTimeoutMs = 5000;
    // Larger files are not taken for a hive.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

private:
    QString path_;
    QString root_;
};

}  // namespace platform
