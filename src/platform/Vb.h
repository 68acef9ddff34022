#pragma once
// The handful of runtime rules the program's arithmetic and conversions rely
// on: banker's rounding to whole numbers, 16-bit overflow, lenient number
// reading, and the error object handlers log.
#include <QString>
#include <cstdint>
#include <exception>

struct VbError : std::exception {
    QString description;
    float number = 0;
    QString source;
    VbError(float num, QString desc, QString src = QStringLiteral("Tickerwatch"))
        : description(std::move(desc)), number(num), source(std::move(src)) {}
    const char *what() const noexcept override { return "VbError"; }

    static VbError TypeMismatch() { return VbError(13, QStringLiteral("Type mismatch")); }
    static VbError Overflow() { return VbError(6, QStringLiteral("Overflow")); }
    static VbError DivisionByZero() { return VbError(11, QStringLiteral("Division by zero")); }
    static VbError SubscriptOutOfRange() { return VbError(9, QStringLiteral("Subscript out of range")); }
    static VbError InvalidCall() { return VbError(5, QStringLiteral("Invalid procedure call or argument")); }
    static VbError FileNotFound() { return VbError(53, QStringLiteral("File not found")); }
    static VbError PathNotFound() { return VbError(76, QStringLiteral("Path not found")); }
    static VbError FileAccess() { return VbError(75, QStringLiteral("Path/File access error")); }
};

namespace Vb {

// One statement whose run-time error is skipped, the handler going on with
// the next one, as the program's handlers always have. Only the program's
// own errors are skipped; anything else is a fault and goes on up.
template <typename F> void Skip(F &&f)
{
    try {
        f();
    } catch (const VbError &) {
    }
}

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double v);
// 16-bit whole number by the same rounding; throws Overflow outside the range.
int16_t CInt(double v);
int32_t CLng(double v);

// Reads a text the way the runtime's implicit conversion does: surrounding
// blanks, a sign, digits with thousands separators and a decimal point, an
// exponent, or &H/&O prefixes. ok is false for anything else (and for "").
double ParseNumber(const QString &text, bool *ok);
// As ParseNumber, throwing Type mismatch when it does not read.
double CDbl(const QString &text);
// CInt(CDbl(text)) without the throw: none when the text does not read or
// does not fit in 16 bits.
std::optional<int16_t> ReadInt(const QString &text);

// Shortest decimal form of a Single as the runtime prints it: up to seven
// significant digits, exponent form when the value needs it ("1.234568E+07").
QString SingleToString(float v);
QString DoubleToString(double v);

} // namespace Vb
