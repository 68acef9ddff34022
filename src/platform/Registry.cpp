#include "platform/Registry.h"

#include "platform/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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

const QByteArray kCrLf = "\r\n";

} // namespace

Registry::Registry()
{
    file_ = DefaultFile();
    Load();
}

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
    const QStringList parts = p.split(u'\\', Qt::SkipEmptyParts);
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
    return changed ? Save() : true;
}

bool Registry::SetValue(const QString &path, const QString &name, const Value &v)
{
    const int k = FindKey(path);
    if (k < 0)
        return false;
    for (Entry &e : keys_[k].values)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0) {
            e.value = v;
            return Save();
        }
    keys_[k].values.append(Entry{name, v});
    return Save();
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
    const int k = FindKey(path);
    if (k < 0)
        return false;
    auto &vals = keys_[k].values;
    for (qsizetype i = 0; i < vals.size(); ++i)
        if (vals[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            vals.removeAt(i);
            return Save();
        }
    return true;
}

QByteArray Registry::Serialize() const
{
    QByteArray out = "REGEDIT4" + kCrLf;
    for (const QByteArray &l : header_)
        out += l + kCrLf;
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
        for (const QByteArray &l : k.unknown)
            out += l + kCrLf;
    }
    return out;
}

void Registry::Load()
{
    header_.clear();
    keys_.clear();
    QFile f(file_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray all = f.readAll();
    QList<QByteArray> lines = all.split('\n');
    // Join continued hex lines ("...,\" then the next line).
    QList<QByteArray> joined;
    for (QByteArray l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
        if (!joined.isEmpty() && joined.last().endsWith('\\') && joined.last().contains("=hex")) {
            joined.last().chop(1);
            joined.last() += l.trimmed();
        } else {
            joined.append(l);
        }
    }
    Key *cur = nullptr;
    bool first = true;
    for (const QByteArray &raw : joined) {
        const QByteArray line = raw.trimmed();
        if (first) {
            first = false;
            if (line == "REGEDIT4" || line.startsWith("Windows Registry Editor"))
                continue;
        }
        if (line.isEmpty())
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
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
                cur->unknown.append(raw);
            else
                header_.append(raw);
        };
        if (!cur) {
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
            good = s.has_value();
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

bool Registry::Save() const
{
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSaveFile f(file_);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(Serialize());
    return f.commit();
}
