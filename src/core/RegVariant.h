#pragma once
// What a settings read gives: nothing (missing value or key), a text, or a
// 32-bit integer; and the comparison rules every reader relies on.
#include <QString>
#include <cstdint>

class RegVariant {
public:
    enum Kind { Empty, Text, Long };
    RegVariant() = default;
    static RegVariant FromText(const QString &t) { RegVariant v; v.kind_ = Text; v.text_ = t; return v; }
    static RegVariant FromLong(int32_t n) { RegVariant v; v.kind_ = Long; v.long_ = n; return v; }

    Kind kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == Empty; }
    // Taken as text: missing is "", an integer its decimal text.
    QString ToText() const;
    // Compared with "": missing and "" are alike.
    bool IsEmptyText() const { return ToText().isEmpty(); }
    // Read as a number: missing is 0, a text must read as a number, else the
    // reader fails with Type mismatch (throws VbError).
    double ToNumber() const;
    // The reader's "= 0" test (missing, "" and "0" all hold; "abc" throws).
    bool EqualsZero() const { return ToNumber() == 0; }

private:
    Kind kind_ = Empty;
    QString text_;
    int32_t long_ = 0;
};
