#include "services/VersionCheck.h"

#include "platform/HttpPage.h"

namespace VersionCheck {

namespace {
int g_silenceMs = DefaultSilenceMs;
}

bool WholeReply(const QByteArray &reply)
{
    const HttpPage::Reply r = HttpPage::Read(reply, true);
    return r.status != 0 && HttpPage::Complete(r);
}

Verdict Judge(const QByteArray &reply)
{
    const HttpPage::Reply r = HttpPage::Read(reply, true);
    if (!WholeReply(reply) || r.status < 200 || r.status > 299)
        return Verdict::NotChecked;
    return reply.contains(Marker) ? Verdict::NewVersion : Verdict::LastVersion;
}

int SilenceMs() { return g_silenceMs; }
void SetSilenceMs(int ms) { g_silenceMs = ms > 0 ? ms : DefaultSilenceMs; }

} // namespace VersionCheck
