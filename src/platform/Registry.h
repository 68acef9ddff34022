#pragma once
// The user's settings store: registry-like keys holding typed values, kept in
// one REGEDIT4 text file per user. Changes take effect in memory at once and
// reach the file together, atomically, at the end of the event-loop turn they
// were made in (and at exit): one rewrite for a window's hundred values. A
// file changed on disk meanwhile (another tool, a second process) is read
// again first and this process's changes are laid over it, so neither side's
// values are lost.
// Key paths are full ("HKEY_CURRENT_USER\\Software\\..."); keys and value
// names compare without regard to case. A key exists or not exactly as in a
// registry: values can only be written into an existing key.
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

class Registry {
public:
    enum Type : uint32_t { None = 0, Sz = 1, ExpandSz = 2, Binary = 3, DWord = 4, MultiSz = 7 };
    struct Value {
        uint32_t type = Sz;
        QByteArray data; // the value's bytes as a registry stores them (DWord: 4 bytes LE)
    };

    static Registry &instance();
    // Where the store of this user lives: $XDG_CONFIG_HOME/Zandor/Tickerwatch.reg
    static QString DefaultFile();
    // Switches to another file (tests: one store per case) and loads it.
    void Open(const QString &file);
    QString File() const { return file_; }

    bool KeyExists(const QString &path) const;
    // Creates the key and every missing key above it. false for an empty path.
    bool CreateKey(const QString &path);
    // false when the key does not exist (nothing is stored then).
    bool SetValue(const QString &path, const QString &name, const Value &v);
    std::optional<Value> GetValue(const QString &path, const QString &name) const;
    bool DeleteValue(const QString &path, const QString &name);

    // Writes the changes not yet in the file now. Answers whether the file
    // holds them; changes that could not be written stay pending and are
    // tried again at the next flush.
    bool Flush();
    bool Pending() const { return !pending_.isEmpty(); }

    // Serialised form of the whole store (what the file holds).
    QByteArray Serialize() const;

private:
    Registry();
    ~Registry();
    struct Change {
        enum Kind { Create, Set, Delete } kind;
        QString path, name;
        Value value;
    };
    struct Entry {
        QString name;
        Value value;
    };
    struct Key {
        QString path;
        QList<Entry> values;
        QList<QByteArray> unknown; // lines we do not understand are kept
    };
    void Load();
    void Parse(const QByteArray &all);
    bool Apply(const Change &c); // to memory; whether anything changed
    void Record(const Change &c);
    int FindKey(const QString &path) const;
    static QString Normalize(const QString &path);

    QString file_;
    QByteArray onDisk_; // the file's bytes when last read or written
    QList<QByteArray> header_; // unknown lines before the first key
    QList<Key> keys_;
    QList<Change> pending_; // made in memory, not yet in the file
    bool flushQueued_ = false;
};
