#include "services/LineFramer.h"

void LineFramer::Feed(QByteArrayView bytes)
{
    if (overflowed_)
        return;
    // Taken lines are dropped in bulk rather than one by one, so a long
    // multi-line reply costs no quadratic copying.
    if (start_ > 0 && start_ * 2 >= buffer_.size()) {
        buffer_.remove(0, start_);
        lineStart_ -= start_;
        start_ = 0;
    }
    qsizetype from = buffer_.size();
    buffer_.append(bytes);
    // Each line is measured once, when its end arrives; the line still
    // open is measured on every feed, a CR at its end not counted.
    for (qsizetype end; (end = buffer_.indexOf('\n', from)) >= 0; from = end + 1) {
        qsizetype len = end - lineStart_;
        if (len > 0 && buffer_.at(end - 1) == '\r')
            --len;
        if (len > maxLine_)
            break;
        lineStart_ = end + 1;
    }
    qsizetype open = buffer_.size() - lineStart_;
    if (open > 0 && buffer_.endsWith('\r'))
        --open;
    if (open > maxLine_) {
        buffer_.truncate(lineStart_);
        overflowed_ = true;
    }
}

bool LineFramer::HasLine() const { return lineStart_ > start_; }

QByteArray LineFramer::TakeLine()
{
    if (!HasLine())
        return QByteArray();
    const qsizetype end = buffer_.indexOf('\n', start_);
    qsizetype len = end - start_;
    if (len > 0 && buffer_.at(end - 1) == '\r')
        --len;
    QByteArray line = buffer_.mid(start_, len);
    start_ = end + 1;
    if (start_ == buffer_.size()) {
        buffer_.clear();
        start_ = lineStart_ = 0;
    }
    return line;
}

QByteArray LineFramer::Pending() const { return buffer_.mid(lineStart_); }

void LineFramer::Clear()
{
    buffer_.clear();
    start_ = lineStart_ = 0;
    overflowed_ = false;
}
