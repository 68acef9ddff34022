// Options OK: every choice of the window stored (105 values) and the window
// closed, until the settings file on disk holds them; beside one plain
// atomic write of the same file, the least such a save can cost.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "shell/Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

TW_BENCH(options)
{
    QTemporaryDir dir;
    AppFolder = dir.path() + QStringLiteral("/data");
    QDir().mkpath(AppFolder);
    const QString file = dir.path() + QStringLiteral("/Tickerwatch.reg");
    Registry::instance().Open(file);
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath);
    Dialogs::SetScripted(true);

    // From the click to the values on disk; opening the window is not timed.
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i) {
        Options::ShowModeless();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        Options::Instance()->cmd_OK_Click();
        QCoreApplication::processEvents(); // the end of the turn the values were set in
        runs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    const double okMs = runs[runs.size() / 2];
    bench::report(QStringLiteral("options.ok"), okMs, QStringLiteral("ms"));

    // The store's share: the same 105 values set in one turn and written.
    const double storeMs = bench::medianMs(5, [] {
        for (int i = 0; i < 105; ++i)
            Settings::Set(QStringLiteral("Update") + QString::number(i % 99), QString::number(i & 1));
        QCoreApplication::processEvents();
    });
    bench::report(QStringLiteral("options.store_105_values"), storeMs, QStringLiteral("ms"));

    QFile in(file);
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    const double writeMs = bench::medianMs(5, [&] {
        QSaveFile out(file + QStringLiteral(".plain"));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.commit();
    });
    bench::report(QStringLiteral("options.one_plain_save"), writeMs, QStringLiteral("ms"));
    bench::report(QStringLiteral("options.ratio"), okMs / writeMs, QStringLiteral("x"));
}
