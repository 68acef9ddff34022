#pragma once
// What the maker's version file says, read from the reply of one check. The
// Options window's button fetches it (OptionsUpgrade.cpp); the verdict comes
// from that reply alone, never from a copy an earlier check left on disk, so
// a failed check can neither announce a version nor deny one.
#include <QByteArray>
#include <QString>

namespace VersionCheck {

// Compared with exact case, anywhere in the reply (a header line counts).
inline constexpr char Marker[] = "New version Available";

enum class Verdict {
    NewVersion,  // a whole 2xx reply holding the marker
    LastVersion, // a whole 2xx reply without it
    NotChecked,  // no reply, a cut one, or another status
};

// reply: everything the socket received before the site closed in order.
Verdict Judge(const QByteArray &reply);

// Worth storing as the version file: a status line and all the announced
// body came, whatever the status.
bool WholeReply(const QByteArray &reply);

// Shown when the check ended without a verdict.
inline const QString NotCheckedText =
    QStringLiteral("The version could not be checked.\r\nPlease try again later.");

// A check that makes no progress for this long ends without a verdict.
// Tests shorten it (0 restores the default).
constexpr int DefaultSilenceMs = 60000;
int SilenceMs();
void SetSilenceMs(int ms);

} // namespace VersionCheck
