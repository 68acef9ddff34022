#include "shell/MiscMain.h"

#include <QApplication>
#include <QWidget>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zandor"));
    QApplication::setApplicationName(QStringLiteral("Tickerwatch"));
    // Start-up hands over from one window to the next (splash, first-run
    // settings, questionnaire, main window), so there are moments with no
    // window on screen: end only when none has come back shortly after.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] {
        QTimer::singleShot(300, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    return;
            QCoreApplication::quit();
        });
    });
    if (!Misc::Main())
        return 0;
    return app.exec();
}
