#include "platform/Registry.h"

#include "platform/Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cctype>

namespace {

QByteArray EscapeString(const QByteArray &s)
{
    QByteArray out;
    out.reserve(s.size() + 2);
    for (char c : s) {
        if (c == '\\' || c == '"')
            out.append('\\');
        out.append(c);
    }
    return out;
}

// Parses a quoted string starting at pos (on the opening quote). Returns the
// unescaped bytes and moves pos past the closing quote; nullopt when unclosed.
std::optional<QByteArray> ParseQuoted(const QByteArray &line, qsizetype &pos)
{
    if (pos >= line.size() || line[pos] != '"')
        return std::nullopt;
    QByteArray out;
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '\\' && pos + 1 < line.size()) {
            out.append(line[++pos]);
        } else if (c == '"') {
            ++pos;
            return out;
        } else {
            out.append(c);
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> ParseHex(const QByteArray &text)
{
    QByteArray out;
    const QList<QByteArray> parts = text.split(',');
    for (const QByteArray &p : parts) {
        const QByteArray t = p.trimmed();
        if (t.isEmpty())
            continue;
        bool ok = false;
        const uint v = t.toUInt(&ok, 16);
        if (!ok || v > 0xFF)
            return std::nullopt;
        out.append(char(v));
    }
    return out;
}

QByteArray HexList(const QByteArray &data)
{
    QByteArray out;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i)
            out.append(',');
        out.append(QByteArray::number(uchar(data[i]), 16).rightJustified(2, '0'));
    }
    return out;
}

// Figures that could go on a hex value of the line before: hex digits,
// commas and blanks, perhaps ending in "\\" itself.
bool HexOnly(const QByteArray &l)
{
    const QByteArray t = l.trimmed();
    if (t.isEmpty())
        return false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (!(std::isxdigit(uchar(c)) || c == ',' || c == ' ' || c == '\t' || (c == '\\' && i == t.size() - 1)))
            return false;
    }
    return true;
}

// A kept line that asks to be continued by such figures.
bool Continues(const QByteArray &l) { return l.trimmed().endsWith('\\') && l.contains("=hex"); }

// Lines kept as they stood, written back so that none joins the next one:
// a blank line goes between a line that asks to be continued and figures
// after it (a blank line is only spacing and is not kept itself).
QByteArray KeptLines(const QList<QByteArray> &lines, const QByteArray &eol)
{
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0 && Continues(lines[i - 1]) && HexOnly(lines[i]))
            out += eol;
        out += lines[i] + eol;
    }
    return out;
}

const QByteArray kCrLf = "\r\n";

} // namespace

Registry::Registry()
{
    file_ = DefaultFile();
    Load();
}

Registry::~Registry() { Flush(); }

Registry &Registry::instance()
{
    static Registry r;
    return r;
}

QString Registry::DefaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Zandor/Tickerwatch.reg");
}

void Registry::Open(const QString &file)
{
    Flush(); // the old file gets what was made for it
    pending_.clear();
    file_ = file;
    Load();
}

QString Registry::Normalize(const QString &path)
{
    QString p = path;
    while (p.endsWith(u'\\'))
        p.chop(1);
    while (p.startsWith(u'\\'))
        p.remove(0, 1);
    return p;
}

int Registry::FindKey(const QString &path) const
{
    const QString p = Normalize(path);
    for (int i = 0; i < keys_.size(); ++i)
        if (keys_[i].path.compare(p, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool Registry::KeyExists(const QString &path) const { return FindKey(path) >= 0; }

bool Registry::CreateKey(const QString &path)
{
    const QString p = Normalize(path);
    if (p.isEmpty())
        return false;
    Record(Change{Change::Create, p, {}, {}});
    return true;
}

bool Registry::SetValue(const QString &path, const QString &name, const Value &v)
{
    if (FindKey(path) < 0)
        return false;
    Record(Change{Change::Set, Normalize(path), name, v});
    return true;
}

std::optional<Registry::Value> Registry::GetValue(const QString &path, const QString &name) const
{
    const int k = FindKey(path);
    if (k < 0)
        return std::nullopt;
    for (const Entry &e : keys_[k].values)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return e.value;
    return std::nullopt;
}

bool Registry::DeleteValue(const QString &path, const QString &name)
{
    if (FindKey(path) < 0)
        return false;
    Record(Change{Change::Delete, Normalize(path), name, {}});
    return true;
}

bool Registry::Apply(const Change &c)
{
    switch (c.kind) {
    case Change::Create: {
        const QStringList parts = c.path.split(u'\\', Qt::SkipEmptyParts);
        QString cur;
        bool changed = false;
        for (const QString &part : parts) {
            const bool hive = cur.isEmpty(); // HKEY_CURRENT_USER itself is no key of the file
            cur = cur.isEmpty() ? part : cur + u'\\' + part;
            if (!hive && FindKey(cur) < 0) {
                keys_.append(Key{cur, {}, {}});
                changed = true;
            }
        }
        return changed;
    }
    case Change::Set: {
        const int k = FindKey(c.path);
        if (k < 0)
            return false; // removed by another process meanwhile
        for (Entry &e : keys_[k].values)
            if (e.name.compare(c.name, Qt::CaseInsensitive) == 0) {
                if (e.value.type == c.value.type && e.value.data == c.value.data)
                    return false;
                e.value = c.value;
                return true;
            }
        keys_[k].values.append(Entry{c.name, c.value});
        return true;
    }
    case Change::Delete: {
        const int k = FindKey(c.path);
        if (k < 0)
            return false;
        auto &vals = keys_[k].values;
        for (qsizetype i = 0; i < vals.size(); ++i)
            if (vals[i].name.compare(c.name, Qt::CaseInsensitive) == 0) {
                vals.removeAt(i);
                return true;
            }
        return false;
    }
    }
    return false;
}

void Registry::Record(const Change &c)
{
    if (!Apply(c))
        return;
    pending_.append(c);
    if (flushQueued_)
        return;
    if (!QCoreApplication::instance()) {
        Flush();
        return;
    }
    flushQueued_ = true;
    // Lands once the handler that made the change returns to the loop.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] {
            flushQueued_ = false;
            Flush();
        },
        Qt::QueuedConnection);
}

bool Registry::Flush()
{
    if (pending_.isEmpty())
        return true;
    QFile in(file_);
    const QByteArray now = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    if (now != onDisk_) {
        // Someone else wrote the file since: start from what it holds now and
        // make this process's changes again on top.
        Parse(now);
        onDisk_ = now;
        for (const Change &c : std::as_const(pending_))
            Apply(c);
    }
    QDir().mkpath(QFileInfo(file_).absolutePath());
    const QByteArray bytes = Serialize();
    QSaveFile out(file_);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return false;
    onDisk_ = bytes;
    pending_.clear();
    return true;
}

QByteArray Registry::Serialize() const
{
    QByteArray out = "REGEDIT4" + kCrLf;
    out += KeptLines(header_, kCrLf);
    for (const Key &k : keys_) {
        out += kCrLf + "[" + Text::ToCp1252(k.path) + "]" + kCrLf;
        for (const Entry &e : k.values) {
            const QByteArray name = e.name.isEmpty() ? QByteArray("@")
                                                     : "\"" + EscapeString(Text::ToCp1252(e.name)) + "\"";
            QByteArray val;
            const Value &v = e.value;
            if (v.type == Sz && !v.data.contains('\0') && !v.data.contains('\r') && !v.data.contains('\n'))
                val = "\"" + EscapeString(v.data) + "\"";
            else if (v.type == DWord && v.data.size() == 4) {
                const uint32_t d = uchar(v.data[0]) | uchar(v.data[1]) << 8 | uchar(v.data[2]) << 16
                                   | uint32_t(uchar(v.data[3])) << 24;
                val = "dword:" + QByteArray::number(d, 16).rightJustified(8, '0');
            } else if (v.type == Binary)
                val = "hex:" + HexList(v.data);
            else
                val = "hex(" + QByteArray::number(v.type, 16) + "):" + HexList(v.data);
            out += name + "=" + val + kCrLf;
        }
        out += KeptLines(k.unknown, kCrLf);
    }
    return out;
}

void Registry::Load()
{
    QFile f(file_);
    onDisk_ = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    Parse(onDisk_);
}

void Registry::Parse(const QByteArray &all)
{
    header_.clear();
    keys_.clear();
    // Lines end in CR LF as written here; a file of another tool may use LF
    // alone. A stray CR or LF inside a line is part of that line, which is
    // then kept as it stands.
    const QByteArrayView eol = all.contains("\r\n") ? QByteArrayView("\r\n") : QByteArrayView("\n");
    QList<QByteArray> lines;
    for (qsizetype at = 0; at <= all.size();) {
        qsizetype end = all.indexOf(eol, at);
        if (end < 0)
            end = all.size();
        lines.append(all.mid(at, end - at));
        at = end + eol.size();
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the file's closing line end
    // A hex value may go on over lines that end in "\"; the next line joins
    // only when it is hex figures, so a damaged line never takes its
    // neighbour with it.
    struct Logical {
        QByteArray text;
        QList<QByteArray> raws; // the file's own lines behind it
    };
    QList<Logical> joined;
    for (const QByteArray &l : std::as_const(lines)) {
        if (!joined.isEmpty() && joined.last().text.endsWith('\\') && joined.last().text.contains("=hex")
            && HexOnly(l)) {
            joined.last().text.chop(1);
            joined.last().text += l.trimmed();
            joined.last().raws.append(l);
        } else {
            joined.append(Logical{l, {l}});
        }
    }
    Key *cur = nullptr;
    bool first = true;
    for (qsizetype li = 0; li < joined.size(); ++li) {
        const Logical &logical = joined[li];
        const QByteArray line = logical.text.trimmed();
        if (first) {
            first = false;
            if (line == "REGEDIT4" || line.startsWith("Windows Registry Editor"))
                continue;
        }
        if (line.isEmpty())
            continue;
        // A NUL is no text: the number readers would stop at it and take the
        // half before it for the whole value.
        const bool whole = !line.contains('\r') && !line.contains('\n') && !line.contains('\0');
        if (whole && line.startsWith('[') && line.endsWith(']')) {
            const QString path = Normalize(Text::FromCp1252(line.mid(1, line.size() - 2)));
            const int k = FindKey(path);
            if (k >= 0) {
                cur = &keys_[k];
            } else {
                keys_.append(Key{path, {}, {}});
                cur = &keys_.last();
            }
            continue;
        }
        auto keep = [&] {
            if (cur)
                cur->unknown.append(logical.raws);
            else
                header_.append(logical.raws);
        };
        if (!cur || !whole) {
            keep();
            continue;
        }
        qsizetype pos = 0;
        QString name;
        if (line.startsWith('@')) {
            pos = 1;
        } else {
            auto n = ParseQuoted(line, pos);
            if (!n) {
                keep();
                continue;
            }
            name = Text::FromCp1252(*n);
        }
        if (pos >= line.size() || line[pos] != '=') {
            keep();
            continue;
        }
        ++pos;
        const QByteArray rest = line.mid(pos);
        Value v;
        bool good = true;
        if (rest.startsWith('"')) {
            qsizetype p2 = 0;
            auto s = ParseQuoted(rest, p2);
            // Text after the closing quote makes the line one the reader does
            // not understand: it is kept as it stands, not cut.
            good = s.has_value() && rest.mid(p2).trimmed().isEmpty();
            if (good)
                v = Value{Sz, *s};
        } else if (rest.startsWith("dword:")) {
            bool ok = false;
            const uint32_t d = rest.mid(6).trimmed().toUInt(&ok, 16);
            good = ok;
            QByteArray b(4, '\0');
            for (int i = 0; i < 4; ++i)
                b[i] = char((d >> (8 * i)) & 0xFF);
            v = Value{DWord, b};
        } else if (rest.startsWith("hex:")) {
            auto b = ParseHex(rest.mid(4));
            good = b.has_value();
            if (good)
                v = Value{Binary, *b};
        } else if (rest.startsWith("hex(")) {
            const qsizetype close = rest.indexOf("):");
            bool ok = false;
            const uint t = close > 4 ? rest.mid(4, close - 4).toUInt(&ok, 16) : 0;
            auto b = ok ? ParseHex(rest.mid(close + 2)) : std::nullopt;
            good = b.has_value();
            if (good)
                v = Value{t, *b};
        } else {
            good = false;
        }
        if (!good) {
            keep();
            continue;
        }
        bool replaced = false;
        for (Entry &e : cur->values)
            if (e.name.compare(name, Qt::CaseInsensitive) == 0) {
                e.value = v;
                replaced = true;
            }
        if (!replaced)
            cur->values.append(Entry{name, v});
    }
}
