// Benchmark program: not run by CI. `tw_bench` runs all, `tw_bench NAME...`
// runs the named ones.
#include "Bench.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

std::map<std::string, Fn> &registry()
{
    static std::map<std::string, Fn> r;
    return r;
}

int add(const char *name, Fn fn)
{
    registry()[name] = std::move(fn);
    return 0;
}

void report(const QString &name, double value, const QString &unit)
{
    std::printf("%s: %.3f %s\n", qPrintable(name), value, qPrintable(unit));
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double medianMs(int n, const std::function<void()> &fn)
{
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer timer;
        timer.start();
        fn();
        t.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(std::move(t));
}

} // namespace bench

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zandor"));
    QApplication::setApplicationName(QStringLiteral("Tickerwatch"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = app.arguments().mid(1);
    for (auto &[name, fn] : bench::registry())
        if (args.isEmpty() || args.contains(QString::fromStdString(name)))
            fn();
    return 0;
}
