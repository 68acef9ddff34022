#include "services/LineFramer.h"

void LineFramer::Feed(QByteArrayView bytes)
{
    // Taken lines are dropped in bulk rather than one by one, so a long
    // multi-line reply costs no quadratic copying.
    if (start_ > 0 && start_ * 2 >= buffer_.size()) {
        buffer_.remove(0, start_);
        start_ = 0;
    }
    buffer_.append(bytes);
}

bool LineFramer::HasLine() const { return buffer_.indexOf('\n', start_) >= 0; }

QByteArray LineFramer::TakeLine()
{
    const qsizetype end = buffer_.indexOf('\n', start_);
    if (end < 0)
        return QByteArray();
    qsizetype len = end - start_;
    if (len > 0 && buffer_.at(end - 1) == '\r')
        --len;
    QByteArray line = buffer_.mid(start_, len);
    start_ = end + 1;
    if (start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
    }
    return line;
}

QByteArray LineFramer::Pending() const { return buffer_.mid(start_); }

void LineFramer::Clear()
{
    buffer_.clear();
    start_ = 0;
}
