// Hands its argument to the desktop's opener and ends as the program does,
// once its input closes, while the opener may still run: tw_openchild ADDRESS.
#include "platform/Shell.h"

#include <QApplication>
#include <QSocketNotifier>
#include <unistd.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Shell::Open(QString::fromLocal8Bit(argv[1]));
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    return app.exec();
}
