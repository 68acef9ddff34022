#pragma once
// The one table of the outside hosts the program talks to or opens pages on.
// Each site has a built-in default under the reserved ".test" domain, which
// never resolves, so a program nobody has pointed anywhere reaches nothing.
// Values of the settings key Settings::HostsPath override it: the value name
// is any of a site's names (case does not matter), the value "host" or
// "host:port"; a value named "*" serves every site without a value of its own.
// Nothing else in the program spells a host.
#include <QString>
#include <QStringList>

namespace Hosts {

// The override value name that stands for every site.
inline const QString AllSites = QStringLiteral("*");

// "host", or "host:port" when the port is not 80. Empty for an unknown name.
QString Host(const QString &name);
// The parts of Host() for a socket connect.
QString HostName(const QString &name);
quint16 Port(const QString &name);
// "http://" + Host(name) + pathAndQuery (which starts with "/").
QString Url(const QString &name, const QString &pathAndQuery);

// Every site name, aliases included.
QStringList Names();

// Stores an override ("host" or "host:port") for a site name or AllSites,
// creating the key when needed. False for an unknown name, a malformed value
// or a store that cannot be written.
bool SetOverride(const QString &name, const QString &value);

// The maker's support mailbox.
inline const QString SupportAddress = QStringLiteral("support@zandor.test");
// The maker's home page on MakerWebHost.
QString MakerHomePage();
// Mail defaults: the proposed answer of the mail-server prompt and the domain
// the SMTP client greets with.
inline const QString DefaultMailServer = QStringLiteral("mail.test");
inline const QString HeloDomain = QStringLiteral("tickerwatch.test");

} // namespace Hosts
