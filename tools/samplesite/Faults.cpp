#include "Faults.h"

#include "Protocol.h"

namespace {

// Large enough for any page test, small enough that a typo cannot eat memory.
constexpr qint64 kMaxBytes = 64 * 1024 * 1024;
constexpr qint64 kMaxDelayMs = 10 * 60 * 1000;

std::optional<Fault::Mode> ModeOf(const QByteArray &name)
{
    if (name == "status") return Fault::Status;
    if (name == "bytes") return Fault::Bytes;
    if (name == "delay") return Fault::Delay;
    if (name == "reset") return Fault::Reset;
    if (name == "silence") return Fault::Silence;
    if (name == "cut") return Fault::Cut;
    if (name == "garbage") return Fault::Garbage;
    if (name == "drip") return Fault::Drip;
    if (name == "noclose") return Fault::NoClose;
    if (name == "errorpage") return Fault::ErrorPage;
    return std::nullopt;
}

bool ValueFits(Fault::Mode mode, qint64 v)
{
    switch (mode) {
    case Fault::Status: return v >= 100 && v <= 999;
    case Fault::Bytes: return v >= 0 && v <= kMaxBytes;
    case Fault::Delay: return v >= 0 && v <= kMaxDelayMs;
    case Fault::Reset: return v >= 0 && v <= kMaxBytes;
    case Fault::Silence: return true;
    case Fault::Cut: return v >= 0 && v <= kMaxBytes;
    case Fault::Garbage: return v >= 0 && v <= kMaxBytes;
    case Fault::Drip: return v >= 1 && v <= kMaxDelayMs;
    case Fault::NoClose: return true;
    case Fault::ErrorPage: return v >= 100 && v <= 999;
    case Fault::Given: return true;
    }
    return false;
}

} // namespace

Reply Faults::Control(const Request &r)
{
    const QByteArray what = r.path.mid(qsizetype(sizeof(SampleSiteProtocol::ControlPrefix)) - 1);
    if (what == "clear") {
        list_.clear();
        return Reply::Text("OK\n");
    }
    if (what == "reply")
        return GivenReply(r);
    if (what != "fault")
        return Reply::Status(404);

    const QByteArray path = r.Query("path");
    const QByteArray modeName = r.Query("mode");
    if (path.isEmpty() || (path != "*" && !path.startsWith('/')))
        return Reply::Status(400);
    list_.removeIf([&](const Fault &f) { return f.path == path; });
    if (modeName == "none")
        return Reply::Text("OK\n");

    const auto mode = ModeOf(modeName);
    bool okValue = true, okTimes = true;
    const qint64 value = r.HasQuery("value") ? r.Query("value").toLongLong(&okValue) : 0;
    const int times = r.HasQuery("times") ? r.Query("times").toInt(&okTimes) : 1;
    if (!mode || !okValue || !okTimes || times < 0 || !ValueFits(*mode, value)
        || ((*mode == Fault::Status || *mode == Fault::Bytes || *mode == Fault::Cut || *mode == Fault::Garbage
             || *mode == Fault::Drip || *mode == Fault::ErrorPage)
            && !r.HasQuery("value")))
        return Reply::Status(400);
    list_.append(Fault{path, *mode, value, times, QByteArray()});
    return Reply::Text("OK\n");
}

Reply Faults::GivenReply(const Request &r)
{
    const QByteArray path = r.Query("path");
    bool okTimes = true;
    const int times = r.HasQuery("times") ? r.Query("times").toInt(&okTimes) : 1;
    if (path.isEmpty() || (path != "*" && !path.startsWith('/')) || !r.HasQuery("bytes") || !okTimes || times < 0)
        return Reply::Status(400);
    list_.removeIf([&](const Fault &f) { return f.path == path; });
    list_.append(Fault{path, Fault::Given, 0, times, r.Query("bytes")});
    return Reply::Text("OK\n");
}

std::optional<Fault> Faults::Take(const Request &r)
{
    const QByteArray full = r.PathAndQuery();
    for (qsizetype i = 0; i < list_.size(); ++i) {
        Fault &f = list_[i];
        if (f.path != "*" && f.path != r.path && f.path != full)
            continue;
        const Fault used = f;
        if (f.times > 0 && --f.times == 0)
            list_.removeAt(i);
        return used;
    }
    return std::nullopt;
}
