#pragma once
// A benchmark is a function that measures one figure and prints it. The
// program runs every registered one (or those named on the command line).
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

using Fn = std::function<void()>;
std::map<std::string, Fn> &registry();
int add(const char *name, Fn fn);
// Prints "name: value unit" on its own line.
void report(const QString &name, double value, const QString &unit);

// The middle of the values (the upper middle one of an even count); 0 for
// none.
double median(std::vector<double> values);
// Median of n runs of fn, in milliseconds.
double medianMs(int n, const std::function<void()> &fn);

// Writes bytes as the file at path, whole; false when it cannot.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace bench

#define TW_BENCH(name)                                                          \
    static void bench_##name();                                                 \
    static const int bench_reg_##name = ::bench::add(#name, bench_##name);      \
    static void bench_##name()
