#include "services/VersionCheck.h"

#include "platform/HttpPage.h"

namespace VersionCheck {

namespace {
int g_silenceMs = DefaultSilenceMs;

bool Whole(const HttpPage::Reply &r) { return r.status != 0 && HttpPage::Complete(r); }
} // namespace

bool WholeReply(const QByteArray &reply) { return Whole(HttpPage::Read(reply, true)); }

Verdict Judge(const QByteArray &reply)
{
    const HttpPage::Reply r = HttpPage::Read(reply, true);
    if (!Whole(r) || r.status < 200 || r.status > 299)
        return Verdict::NotChecked;
    return reply.contains(Marker) ? Verdict::NewVersion : Verdict::LastVersion;
}

int SilenceMs() { return g_silenceMs; }
void SetSilenceMs(int ms) { g_silenceMs = ms > 0 ? ms : DefaultSilenceMs; }

} // namespace VersionCheck
