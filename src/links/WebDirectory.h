#pragma once
// The pages of the web directory's sites, by the key of their tree node
// ("NewsLink1" .. "IPOResearch16").
#include <QString>

namespace WebDirectory {

// The site's page address; empty for a key that is no site.
QString Page(const QString &key);

} // namespace WebDirectory
