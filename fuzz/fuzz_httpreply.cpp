// A page transport's reply, whole: it is a page or it is refused, the same
// however its bytes were split into arrivals, never more than the bytes
// that came, and a chunked body decodes to what a plain reading of the
// chunked framing gives.
#include "FuzzCommon.h"
#include "platform/HttpPage.h"

#include <cctype>
#include <string>

namespace {

// The chunked framing read plainly and apart from the code under test:
// size lines of hex digits (blanks around them and an extension after ';'
// allowed), each chunk's data followed by a line end (LF or CR LF), a zero
// size, trailer lines up to a blank line.
struct Decoded {
    enum State { Partial, Whole, Malformed } state = Partial;
    std::string body;
    size_t end = 0;
};

Decoded Reference(const std::string &s, size_t at)
{
    Decoded d;
    const auto nextLine = [&s, &at](std::string &line) {
        const size_t lf = s.find('\n', at);
        if (lf == std::string::npos)
            return false;
        line = s.substr(at, lf - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        at = lf + 1;
        return true;
    };
    std::string line;
    size_t total = 0;
    for (;;) {
        if (!nextLine(line))
            return d;
        std::string digits = line.substr(0, line.find(';'));
        digits.erase(0, digits.find_first_not_of(" \t"));
        digits.erase(digits.find_last_not_of(" \t") + 1);
        if (digits.empty() || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return {Decoded::Malformed, {}, 0};
        size_t n = 0;
        for (const char c : digits) {
            n = n * 16 + std::string("0123456789abcdef").find(char(std::tolower(c)));
            if (n > size_t(HttpPage::MaxBytes))
                return {Decoded::Malformed, {}, 0};
        }
        if (n == 0)
            break;
        total += n;
        if (total > size_t(HttpPage::MaxBytes))
            return {Decoded::Malformed, {}, 0};
        if (s.size() <= at + n)
            return d;
        const std::string data = s.substr(at, n);
        at += n;
        if (s[at] == '\n')
            at += 1;
        else if (s.compare(at, 2, "\r\n") == 0)
            at += 2;
        else if (s[at] == '\r' && at + 1 == s.size())
            return d;
        else
            return {Decoded::Malformed, {}, 0};
        d.body += data;
    }
    for (;;) {
        if (!nextLine(line))
            return d;
        if (line.empty()) {
            d.state = Decoded::Whole;
            d.end = at;
            return d;
        }
    }
}

// The transfer control's reading, fed in two arrivals split at cut, then
// the close.
struct Outcome {
    bool settledEarly = false; // settled with the first arrival alone
    HttpPage::Reply early;
    HttpPage::Incoming in;
};

Outcome Receive(const QByteArray &input, qsizetype cut)
{
    Outcome o;
    o.in.raw = input.left(cut);
    o.in.Read(false);
    o.early = o.in.reply;
    o.settledEarly = HttpPage::Settled(o.in.reply);
    o.in.raw += input.mid(cut);
    o.in.Read(false);
    o.in.Read(true);
    return o;
}

// The same status and outcome, and for a whole reply the same bytes to store.
bool SameVerdict(const HttpPage::Reply &a, const HttpPage::Reply &b)
{
    const bool complete = HttpPage::Complete(a);
    return a.status == b.status && a.lastChunk == b.lastChunk && a.malformed == b.malformed
           && complete == HttpPage::Complete(b) && (!complete || a.size == b.size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);

    // The socket's reading.
    for (const bool cleanEnd : {false, true}) {
        const HttpPage::Reply r = HttpPage::Read(input, cleanEnd);
        TW_FUZZ_CHECK(r.size >= 0 && r.size <= qint64(size));
        TW_FUZZ_CHECK(!r.headEnded || (r.bodyStart >= 0 && r.bodyStart <= input.size()));
        TW_FUZZ_CHECK(!HttpPage::IsPage(r, 0) || (r.status == 200 && HttpPage::Complete(r)));
        TW_FUZZ_CHECK(!HttpPage::Settled(r) || HttpPage::Complete(r) || r.malformed);
        TW_FUZZ_CHECK(!(r.chunked && r.announced >= 0));
        if (!r.headEnded)
            continue;
        const QByteArray body = HttpPage::Body(input, r);
        if (r.chunked) {
            const Decoded ref = Reference(input.toStdString(), size_t(r.bodyStart));
            TW_FUZZ_CHECK(r.lastChunk == (ref.state == Decoded::Whole));
            TW_FUZZ_CHECK(r.malformed == (ref.state == Decoded::Malformed));
            if (r.lastChunk) {
                TW_FUZZ_CHECK(body.toStdString() == ref.body);
                TW_FUZZ_CHECK(r.size == qint64(ref.end));
            }
        } else if (r.announced >= 0) {
            TW_FUZZ_CHECK(body == input.mid(r.bodyStart, r.announced));
            const qint64 arrived = qint64(size) - r.bodyStart;
            TW_FUZZ_CHECK(r.size == (r.announced < arrived ? r.bodyStart + r.announced : qint64(size)));
        } else {
            TW_FUZZ_CHECK(body == input.mid(r.bodyStart) && r.size == qint64(size));
        }
    }

    // A reply settled by its own framing reads the same whatever follows it
    // and wherever the arrivals split it: the stored bytes never depend on
    // the timing.
    const Outcome whole = Receive(input, input.size());
    for (const qsizetype cut : {input.size() / 3, input.size() / 2, input.size() - 1}) {
        if (cut < 0)
            continue;
        const Outcome split = Receive(input, cut);
        TW_FUZZ_CHECK(split.in.raw == whole.in.raw);
        TW_FUZZ_CHECK(SameVerdict(split.in.reply, whole.in.reply));
        if (split.settledEarly)
            TW_FUZZ_CHECK(SameVerdict(split.early, whole.in.reply));
    }
    const HttpPage::Reply &r = whole.in.reply;
    TW_FUZZ_CHECK(!r.headEnded || r.status < 100 || r.status >= 200);
    (void)HttpPage::Body(whole.in.raw, r);
    return 0;
}
