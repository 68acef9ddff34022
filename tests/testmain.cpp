// Runs one registered test class (first argument) or all of them.
#include "common/TestRegistry.h"

#include <QApplication>
#include <QTest>
#include <memory>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Zandor");
    QApplication::setApplicationName("Tickerwatch");
    QApplication::setQuitOnLastWindowClosed(false);

    auto &reg = tw::test::registry();
    QStringList args = app.arguments();
    int status = 0;
    if (args.size() > 1 && reg.count(args[1].toStdString())) {
        const std::string name = args[1].toStdString();
        args.removeAt(1);
        std::unique_ptr<QObject> obj(reg[name]());
        status = QTest::qExec(obj.get(), args);
    } else {
        for (auto &[name, make] : reg) {
            std::unique_ptr<QObject> obj(make());
            status |= QTest::qExec(obj.get(), args);
        }
    }
    return status;
}
