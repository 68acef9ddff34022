#pragma once
// One user with the main window, the sample site every host points at, the
// cache folders of a started program, a fixed day and short fetch time-outs.
#include "collect/SheetCache.h"
#include "collect/UpdateJobs.h"
#include "common/SampleSite.h"
#include "common/TestEnv.h"
#include "common/WhenReady.h"
#include "core/AppFolder.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"
#include "shell/Options.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QTest>
#include <functional>
#include <memory>

namespace tw::test {

class UpdateFixture {
public:
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<SampleSite> site;
    frmMain *m = nullptr;

    // 2 June 2000, the day of the movers-date examples.
    static QDate Day() { return QDate(2000, 6, 2); }

    bool Init(int silenceMs = 4000)
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        site = std::make_unique<SampleSite>();
        if (!site->port() || !site->pointSettingsHere())
            return false;
        QDir().mkpath(AppFolder + QStringLiteral("/Cache/DataSheet"));
        QDir().mkpath(AppFolder + QStringLiteral("/Cache/News"));
        UpdateJobs::SetSilenceMs(silenceMs);
        UpdateJobs::SetClock([] { return Day(); });
        m = frmMain::Instance();
        // as the start-up leaves them
        m->BaseCaption = m->windowTitle();
        m->BaseRowHeight = Vb::CInt(m->FG->RowHeight(0));
        TickOnly({});
        // Loading the Options window ticks "US" when it is unset; the cases
        // expect the movers report of the day before.
        env->Set(QStringLiteral("US"), QStringLiteral("0"));
        return true;
    }

    void Cleanup()
    {
        frmMain::Unload();
        Options::Unload();
        UpdateJobs::SetSilenceMs(0);
        UpdateJobs::SetClock(nullptr);
        UpdateJobs::SetMailSender(nullptr);
        site.reset();
        env.reset();
    }

    // The tree of the named set, as choosing it on the set bar builds it.
    void Build(const QString &setName) const
    {
        m->Panel1[1]->setText(setName);
        m->initTree();
    }

    // The tree's node of that key opened, as a click on it does.
    void Open(const QString &key) const
    {
        TreeNode *node = m->TreeView1->Find(key);
        QVERIFY2(node, qPrintable(key));
        m->TreeView1_NodeClick(node);
    }

    static void TickOnly(std::initializer_list<int> boxes)
    {
        Options *o = Options::Instance();
        for (int i = 0; i < UpdateJobs::BoxCount; ++i)
            o->chkUpdate[i]->setCheckState(Qt::Unchecked);
        for (int i : boxes)
            o->chkUpdate[i]->setCheckState(Qt::Checked);
    }

    static void SetStocks(const QList<QByteArray> &symbols)
    {
        Stocks.fill({});
        for (int i = 0; i < symbols.size(); ++i)
            Stocks[size_t(i)].Symbol = symbols[i];
        StockCount = int16_t(symbols.size());
    }

    static QString Sheet(const QString &name) { return SheetCache::DataSheet(name); }

    // Calls action once, from the event loop, as soon as the site has
    // received n requests: a stop then cuts a fetch that is under way, however
    // long the machine takes to get there.
    void OnceRequested(qsizetype n, const std::function<void()> &action) const
    {
        WhenReady(m, [this, n] { return site->requests().size() >= n; }, action);
    }

    // The request lines the site received, in order ("GET /t/x/XYZ.html").
    QList<QByteArray> RequestLines() const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : site->requests()) {
            QByteArray line = r.left(r.indexOf("\r\n"));
            line.chop(line.size() - line.lastIndexOf(' ')); // " HTTP/1.x"
            const qsizetype scheme = line.indexOf("http://");
            if (scheme >= 0) // absolute form: keep the path
                line.remove(scheme, line.indexOf('/', scheme + 7) - scheme);
            out.append(line);
        }
        return out;
    }
};

// Every text a label shows while the event loop turns, one entry per change.
class LabelRecorder {
public:
    explicit LabelRecorder(QLabel *label) : label_(label)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Look(); });
        timer_.start(0);
        Look();
    }
    QStringList Seen()
    {
        Look();
        return seen_;
    }

private:
    void Look()
    {
        if (label_ && (seen_.isEmpty() || seen_.last() != label_->text()))
            seen_.append(label_->text());
    }
    QLabel *label_;
    QTimer timer_;
    QStringList seen_;
};

} // namespace tw::test
