#pragma once
#include <QObject>
#include <functional>
#include <map>
#include <string>

namespace tw::test {

using Factory = std::function<QObject *()>;
std::map<std::string, Factory> &registry();
int registerTest(const char *name, Factory f);

} // namespace tw::test

// Registers a QTest class with the folder's test executable; the class name is
// the CTest case name, so keep it equal to the file's base name.
#define TW_TEST(Class) \
    static const int tw_registered_##Class = ::tw::test::registerTest(#Class, [] { return new Class; });
