#include "core/RecordIO.h"

#include "platform/Vb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>
#include <bit>

namespace RecordIO {

namespace {

template <typename T>
void Append(QByteArray &out, T v)
{
    char bytes[sizeof(T)];
    qToLittleEndian(v, bytes);
    out.append(bytes, sizeof(T));
}

// A missing folder reads as the runtime's "Path not found", anything else as
// a file access error.
VbError FileError(const QString &path)
{
    if (!QFileInfo(path).absoluteDir().exists())
        return VbError::PathNotFound();
    return VbError::FileAccess();
}

// The files whose last read failed, by absolute path.
QSet<QString> &Unread()
{
    static QSet<QString> paths;
    return paths;
}

QString Key(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

QByteArray Read(const QString &path)
{
    QFile f(path);
    if (!f.exists()) {
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw FileError(path);
        return {};
    }
    if (!f.open(QIODevice::ReadOnly))
        throw FileError(path);
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw FileError(path);
    return data;
}

} // namespace

bool Writer::Field(const QByteArray &text)
{
    const auto n = std::min<qsizetype>(text.size(), 0xFFFF);
    Append(out_, uint16_t(n));
    out_.append(text.constData(), n);
    return true;
}

bool Writer::Field(float v)
{
    Append(out_, std::bit_cast<uint32_t>(v));
    return true;
}

bool Writer::Field(int16_t v)
{
    Append(out_, std::bit_cast<uint16_t>(v));
    return true;
}

bool Writer::Field(int32_t v)
{
    Append(out_, std::bit_cast<uint32_t>(v));
    return true;
}

bool Writer::Field(double v)
{
    Append(out_, std::bit_cast<uint64_t>(v));
    return true;
}

const char *Reader::Take(qsizetype n)
{
    if (ended_ || data_.size() - pos_ < n) {
        ended_ = true;
        return nullptr;
    }
    const char *p = data_.data() + pos_;
    pos_ += n;
    return p;
}

bool Reader::Field(QByteArray &text)
{
    // Length and characters are one field: take neither unless both are there.
    const qsizetype n = data_.size() - pos_ >= 2 ? qFromLittleEndian<uint16_t>(data_.data() + pos_) : 0;
    const char *p = Take(2 + n);
    if (p)
        text = QByteArray(p + 2, n);
    return p;
}

// Numbers travel as their IEEE or two's-complement bits of the same width.
template <typename Bits, typename T>
bool Reader::Number(T &v)
{
    const char *p = Take(sizeof(Bits));
    if (p)
        v = std::bit_cast<T>(qFromLittleEndian<Bits>(p));
    return p;
}

bool Reader::Field(float &v) { return Number<uint32_t>(v); }
bool Reader::Field(int16_t &v) { return Number<uint16_t>(v); }
bool Reader::Field(int32_t &v) { return Number<uint32_t>(v); }
bool Reader::Field(double &v) { return Number<uint64_t>(v); }

QByteArray ReadOrCreate(const QString &path)
{
    try {
        QByteArray data = Read(path);
        Unread().remove(Key(path));
        return data;
    } catch (const VbError &) {
        Unread().insert(Key(path));
        throw;
    }
}

void SaveAtomic(const QString &path, const QByteArray &image)
{
    if (Unread().contains(Key(path)))
        throw VbError::FileAccess();
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw FileError(path);
    if (f.write(image) != image.size()) {
        f.cancelWriting();
        throw FileError(path);
    }
    if (!f.commit())
        throw FileError(path);
}

} // namespace RecordIO
