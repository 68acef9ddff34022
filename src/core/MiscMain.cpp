#include "core/Misc.h"

namespace Misc {
bool Main() { return false; }
} // namespace Misc
