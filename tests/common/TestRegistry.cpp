#include "common/TestRegistry.h"

namespace tw::test {

std::map<std::string, Factory> &registry()
{
    static std::map<std::string, Factory> r;
    return r;
}

int registerTest(const char *name, Factory f)
{
    registry()[name] = std::move(f);
    return 0;
}

} // namespace tw::test
