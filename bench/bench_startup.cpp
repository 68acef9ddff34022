// Start-up: from process start to the first shown window, for a user with a
// full 201-stock set and no splash delay. Measured in two parts: the process
// and toolkit start (a second copy that finds the lock held and ends at once)
// and the start-up procedure itself up to the main window on screen.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "platform/Registry.h"
#include "platform/SingleInstance.h"
#include "services/Thanks.h"
#include "services/frmSplash.h"
#include "shell/MiscMain.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

TW_BENCH(startup)
{
    QTemporaryDir dir;
    AppFolder = dir.path() + QStringLiteral("/xdg/Zandor/Tickerwatch"); // where the program will look
    QDir().mkpath(AppFolder);
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg"));
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath);
    Settings::Set(QStringLiteral("RunOnce"), QStringLiteral("1"));
    Settings::Set(QStringLiteral("Thanks"), QStringLiteral("1"));
    Settings::Set(QStringLiteral("SplashDelay"), QStringLiteral("0"));
    CurrentSet = 0;
    for (int i = 0; i < 201; ++i) {
        Stocks[i] = StockRecord{};
        Stocks[i].Symbol = "S" + QByteArray::number(i);
        Stocks[i].Name = "Stock number " + QByteArray::number(i);
        Stocks[i].LastSale = "12 3/8";
        Stocks[i].Recommendation = 1.0f + float(i % 5);
    }
    Stock::SaveStocks();

    // Process and toolkit start: the copy ends as soon as it sees the lock.
    SingleInstance::Acquire(AppFolder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/xdg"));
    const double processMs = bench::medianMs(5, [&] {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TW_APP), {});
        p.waitForFinished(30000);
    });
    bench::report(QStringLiteral("startup.process_and_toolkit"), processMs, QStringLiteral("ms"));

    const double mainMs = bench::medianMs(5, [] {
        Misc::Main();
        QCoreApplication::processEvents();
        frmMain::Unload();
        frmSplash::UnloadSplash();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    bench::report(QStringLiteral("startup.main_procedure_to_main_window"), mainMs, QStringLiteral("ms"));
    bench::report(QStringLiteral("startup.total_estimate"), processMs + mainMs, QStringLiteral("ms"));
}
