#pragma once
// The one GIF writer of the tools: the artwork tool writes the report pages'
// arrows with it, the sample site its chart pictures.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <cstdint>

// A GIF89a file of an image of at most 256 colours. Codes stay 9 bits wide:
// every pixel is written as its own code and the table is cleared before it
// would grow, which any reader decodes.
inline QByteArray Gif(const QImage &source)
{
    QList<QRgb> palette;
    QList<uint8_t> indexes;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = source.pixel(x, y) | 0xFF000000u;
            qsizetype i = palette.indexOf(c);
            if (i < 0) {
                i = palette.size();
                palette.append(c);
            }
            indexes.append(uint8_t(i));
        }
    Q_ASSERT(palette.size() <= 256);
    QByteArray out = "GIF89a";
    auto word = [&out](int v) { out += char(v & 0xFF); out += char((v >> 8) & 0xFF); };
    word(source.width());
    word(source.height());
    out += char(0xF7); // global colour table of 256 entries
    out += char(0);
    out += char(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : 0;
        out += char(qRed(c));
        out += char(qGreen(c));
        out += char(qBlue(c));
    }
    out += ',';
    word(0);
    word(0);
    word(source.width());
    word(source.height());
    out += char(0);
    out += char(8); // minimum code size
    QByteArray data;
    uint32_t bits = 0;
    int count = 0;
    auto code = [&](int c) {
        bits |= uint32_t(c) << count;
        count += 9;
        while (count >= 8) {
            data += char(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        if (i % 250 == 0)
            code(256); // clear
        code(indexes[i]);
    }
    code(257); // end of information
    if (count > 0)
        data += char(bits & 0xFF);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);
    out += ';';
    return out;
}
