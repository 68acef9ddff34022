#pragma once
// The program's binary tables (stock sets, portfolio, index table) are fixed
// records back to back, little-endian: a text is a 16-bit length and its 8-bit
// characters, numbers are Int16, Int32, IEEE Single and Double. This is the one codec
// for them, and the one way such a table reaches or leaves the disk.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

namespace RecordIO {

class Writer {
public:
    explicit Writer(qsizetype reserve = 0) { out_.reserve(reserve); }
    // A text longer than the 16-bit length can say is cut there, so the
    // records behind it stay readable.
    bool Field(const QByteArray &text);
    bool Field(float v);
    bool Field(int16_t v);
    bool Field(int32_t v);
    bool Field(double v);
    QByteArray Take() { return std::move(out_); }

private:
    QByteArray out_;
};

// A field that the data ends inside is not read (its target keeps its value),
// and neither is any field after it: the data is over.
class Reader {
public:
    explicit Reader(QByteArrayView data) : data_(data) {}
    bool Field(QByteArray &text);
    bool Field(float &v);
    bool Field(int16_t &v);
    bool Field(int32_t &v);
    bool Field(double &v);

private:
    const char *Take(qsizetype n);
    template <typename Bits, typename T>
    bool Number(T &v);
    QByteArrayView data_;
    qsizetype pos_ = 0;
    bool ended_ = false;
};

// The whole file; a missing file is created empty first. Throws VbError.
// A file that could not be read stays closed to SaveAtomic until a later
// read of it succeeds: memory that failed to load from it is not the file,
// and saving it would replace what the program never saw.
QByteArray ReadOrCreate(const QString &path);
// Replaces the file by exactly image, atomically: on failure the old file is
// left as it was. Throws VbError, also for a file whose last read failed.
void SaveAtomic(const QString &path, const QByteArray &image);

// fields(io, record) reads or writes one record's fields in file order through
// io.Field(...) and answers whether they all went through.
template <typename Rec, std::size_t N, typename Fields>
QByteArray EncodeTable(const std::array<Rec, N> &table, Fields fields)
{
    Writer w;
    for (const Rec &r : table)
        fields(w, r);
    return w.Take();
}

// Empties every slot, then fills slots from the start of data until it ends;
// bytes after the last slot are ignored.
template <typename Rec, std::size_t N, typename Fields>
void DecodeTable(QByteArrayView data, std::array<Rec, N> &table, Fields fields)
{
    table.fill(Rec{});
    Reader r(data);
    for (Rec &rec : table)
        if (!fields(r, rec))
            break;
}

// A table file: read whole (created empty when missing) or saved whole.
// Both throw VbError; a failed read leaves the table as it was.
template <typename Rec, std::size_t N, typename Fields>
void ReadTable(const QString &path, std::array<Rec, N> &table, Fields fields)
{
    const QByteArray image = ReadOrCreate(path);
    DecodeTable(image, table, fields);
}

template <typename Rec, std::size_t N, typename Fields>
void SaveTable(const QString &path, const std::array<Rec, N> &table, Fields fields)
{
    SaveAtomic(path, EncodeTable(table, fields));
}

} // namespace RecordIO
