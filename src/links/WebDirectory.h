#pragma once
// The pages of the web directory's sites, by the key of their tree node:
// the group's key and the site's position in it ("NewsLink1" ..
// "IPOResearch16"). Every page is a fixed address on the site's own host.
#include <QString>
#include <QStringList>

namespace WebDirectory {

// The site's page address; empty for a key that is no site.
QString Page(const QString &key);

// Every key that has a page, in table order.
QStringList Keys();

} // namespace WebDirectory
