#pragma once
// A fresh user for report tests: the cache folders made, the clock on
// 2003-06-13, IBM in the open set, and the main window whose Reports popup
// starts the reports. Pages and outputs are compared with golden files under
// tests/reports/golden; the footer's date and time are masked.
#include "collect/UpdateJobs.h"
#include "common/TestEnv.h"
#include "core/AppFolder.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "sheets/SheetState.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace tw::test {

class ReportFixture {
public:
    std::unique_ptr<TestEnv> env;
    frmMain *main = nullptr;

    void Start(bool withWindow = true)
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        for (const QString &folder : AppPaths::CacheFolders())
            QDir().mkpath(folder);
        UpdateJobs::SetClock([] { return QDate(2003, 6, 13); });
        AddStock("IBM", "Intl Business Machines");
        if (withWindow)
            main = frmMain::Instance();
    }
    void Stop()
    {
        if (main)
            frmMain::Unload();
        main = nullptr;
        UpdateJobs::SetClock(nullptr);
        env.reset();
    }

    static StockRecord &AddStock(const QByteArray &symbol, const QByteArray &name)
    {
        StockRecord &s = Stocks[size_t(StockCount)];
        s.Symbol = symbol;
        s.Name = name;
        ++StockCount;
        return s;
    }

    static QString Fixture(const QString &name) { return QStringLiteral(TW_TESTDATA "/reports/fixtures/") + name; }
    static QString Golden(const QString &name) { return QStringLiteral(TW_TESTDATA "/reports/golden/") + name; }

    // A file under the report folder.
    static QString Report(const QString &rel) { return AppFolder + QStringLiteral("/Cache/Reports/") + rel; }

    // Puts the bytes into the page cache under the given name.
    static void Cache(const QString &cacheName, const QByteArray &bytes)
    {
        TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/DataSheet/") + cacheName, bytes);
    }
    // Puts a fixture page into the page cache under the given name.
    static void CachePage(const QString &fixture, const QString &cacheName)
    {
        Cache(cacheName, TestEnv::ReadAll(Fixture(fixture)));
    }

    // The Reports popup as the user opens it, then one of its items.
    void ChooseReport(int item)
    {
        Q_EMIT main->mnuReports->aboutToShow();
        main->mnuReport[item]->trigger();
    }

    static QByteArray MaskStamp(QByteArray page)
    {
        static const QRegularExpression stamp(QStringLiteral("Last updated:\r\n[^<\r\n]* </i>"));
        return QString::fromLatin1(page).replace(stamp, QStringLiteral("Last updated:\r\nDATE TIME </i>")).toLatin1();
    }

    // The bytes equal the golden file; TW_UPDATE_GOLDEN=1 writes a missing
    // one for review instead of failing.
    static bool MatchesGolden(const QByteArray &actual, const QString &name)
    {
        const QString path = Golden(name);
        if (!QFile::exists(path) && qEnvironmentVariableIsSet("TW_UPDATE_GOLDEN"))
            TestEnv::WriteAll(path, actual);
        if (!QFile::exists(path)) {
            qWarning("missing golden file %s", qPrintable(path));
            return false;
        }
        const QByteArray expected = TestEnv::ReadAll(path);
        if (expected == actual)
            return true;
        qsizetype i = 0;
        while (i < expected.size() && i < actual.size() && expected[i] == actual[i])
            ++i;
        qWarning("%s differs at byte %lld:\n expected: %s\n actual:   %s", qPrintable(name), qlonglong(i),
                 expected.mid(i, 120).toPercentEncoding(" <>=\"/!#%,.:;").constData(),
                 actual.mid(i, 120).toPercentEncoding(" <>=\"/!#%,.:;").constData());
        return false;
    }
};

} // namespace tw::test
