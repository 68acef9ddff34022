#include "core/RegVariant.h"

#include "platform/Vb.h"

QString RegVariant::ToText() const
{
    switch (kind_) {
    case Text: return text_;
    case Long: return QString::number(long_);
    default: return QString();
    }
}

double RegVariant::ToNumber() const
{
    switch (kind_) {
    case Empty: return 0;
    case Long: return long_;
    default:
        // An empty text compared with a number is a mismatch in the runtime,
        // but every reader treats "" like a missing value.
        if (text_.isEmpty())
            return 0;
        return Vb::CDbl(text_);
    }
}
