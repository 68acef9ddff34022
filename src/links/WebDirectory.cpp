#include "links/WebDirectory.h"

namespace WebDirectory {

// The addresses come with the link launchers; until then no site opens.
QString Page(const QString &) { return {}; }

} // namespace WebDirectory
