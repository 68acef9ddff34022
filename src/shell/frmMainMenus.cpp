#include "shell/frmMain.h"

#include "core/Misc.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "core/clsRAS.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/Help.h"
#include "platform/Vb.h"
#include "reports/Reports.h"
#include "services/frmSplash.h"
#include "shell/GRP.h"
#include "shell/Options.h"

#include <QAction>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QPointer>

// Popup menus, their commands, and stock set switching.

namespace {

std::function<void(QMenu *, QPointF)> &PopupHook()
{
    static std::function<void(QMenu *, QPointF)> hook;
    return hook;
}

std::function<void(QWidget *)> &ModalHook()
{
    static std::function<void(QWidget *)> hook;
    return hook;
}


// A menu item's click leaves its check mark alone: the handlers set marks.
template <size_t N, typename F> void WireItems(QAction *(&items)[N], F handler)
{
    for (size_t i = 0; i < N; ++i) {
        QAction *a = items[i];
        if (!a || a->isSeparator())
            continue;
        QObject::connect(a, &QAction::triggered, a, [a, handler, i](bool checked) {
            if (a->isCheckable())
                a->setChecked(!checked);
            handler(int(i));
        });
    }
}

struct HelpTopic {
    const char *windowType;
    int contextId;
};
constexpr HelpTopic HelpTopics[6] = {
    {">Box", 1001}, {">Box", 1012}, {">Box", 1011}, {">Box", 1013}, {">Small", 1009}, {">Small", 1008},
};

} // namespace

void frmMain::SetPopupHook(std::function<void(QMenu *, QPointF)> hook) { PopupHook() = std::move(hook); }
void frmMain::SetModalHook(std::function<void(QWidget *)> hook) { ModalHook() = std::move(hook); }

void frmMain::WireMenus()
{
    WireItems(mnuStart, [this](int i) { mnuStart_Click(i); });
    WireItems(mnuUpdate, [this](int i) { mnuUpdate_Click(i); });
    WireItems(mnuEmail, [this](int i) { mnuEmail_Click(i); });
    WireItems(mnuSetting, [this](int i) { mnuSetting_Click(i); });
    WireItems(mnuHelp, [this](int i) { mnuHelp_Click(i); });
    WireItems(mnuSet, [this](int i) { mnuSet_Click(i); });
    WireItems(mnuTicker, [this](int i) { mnuTicker_Click(i); });
    WireItems(mnuTree, [this](int i) { mnuTree_Click(i); });
    WireItems(mnuEdit, [this](int i) { mnuEdit_Click(i); });
    WireItems(mnuReport, [this](int i) { mnuReport_Click(i); });
    WireItems(mnuTray, [this](int i) { mnuTray_Click(i); });
    connect(mnu_Preference, &QAction::triggered, this, [this] { mnu_Preference_Click(); });
    // A menu's own click runs as it opens and sets its items' states.
    connect(mnuUpdates, &QMenu::aboutToShow, this, [this] { mnuUpdates_Click(); });
    connect(mnuReports, &QMenu::aboutToShow, this, [this] { mnuReports_Click(); });
    connect(mnuTrees, &QMenu::aboutToShow, this, [this] { mnuTrees_Click(); });
}

void frmMain::PopupMenu(QMenu *menu, double x, double y)
{
    if (PopupHook()) {
        PopupHook()(menu, QPointF(x, y));
        return;
    }
    menu->popup(mapToGlobal(QPoint(Twips::ToPixels(x), Twips::ToPixels(y))));
}

void frmMain::Own(QWidget *form)
{
    if (form->parentWidget() == this)
        return;
    // Taking an owner keeps the window where it was placed; one not placed
    // stays so, to be centred when it shows.
    const bool placed = form->testAttribute(Qt::WA_Moved);
    const QPoint at = Geometry::Outer(form).topLeft();
    form->setParent(this, form->windowFlags() | Qt::Window);
    if (placed)
        Geometry::MoveFrame(form, at);
}

void frmMain::ShowModal(QWidget *form)
{
    Own(form);
    if (ModalHook()) {
        ModalHook()(form);
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(form)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> guard(form);
    form->setWindowModality(Qt::ApplicationModal);
    form->show();
    // Returns when the window is hidden or unloaded.
    QEventLoop loop;
    connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    struct HideWatch : QObject {
        QEventLoop *loop;
        explicit HideWatch(QEventLoop *l) : loop(l) {}
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Hide)
                loop->quit();
            return false;
        }
    } watch(&loop);
    form->installEventFilter(&watch);
    if (form->isVisible())
        loop.exec();
    if (guard) {
        guard->removeEventFilter(&watch);
        guard->setWindowModality(Qt::NonModal);
    }
}

void frmMain::mnuStart_Click(int index)
{
    if (index == 5) {
        // The splash window is the About box; a click on its picture closes it.
        ShowModal(frmSplash::Load());
    } else if (index == 7) {
        ConfirmExit();
    }
}

void frmMain::mnuUpdate_Click(int index)
{
    switch (index) {
    case 0:
        SingleStockMode = 0;
        Picture1_Click(0);
        break;
    case 1:
        SingleStockMode = -1;
        Picture1_Click(0);
        break;
    case 3:
        Vb::Skip([] { clsRAS().ISPHangup(); });
        break;
    default:
        break;
    }
}

void frmMain::mnuUpdates_Click()
{
    Vb::Skip([this] { mnuUpdate[3]->setEnabled(FindDefBrowser::ActiveConnections() >= 1); });
}

void frmMain::mnuSetting_Click(int index)
{
    Vb::Skip([index] { Settings::Set(QStringLiteral("FrmNav"), QString::number(index)); });
    if (Options *options = Options::Load()) {
        PlaceBelowTicker(options, Geometry::Width(this));
        ShowModal(options);
    }
}

void frmMain::mnu_Preference_Click()
{
    if (Options *options = Options::Load()) {
        PlaceBelowTicker(options, Geometry::ScaleWidth(this));
        ShowModal(options);
    }
    Misc::DoEvents();
}

void frmMain::mnuHelp_Click(int index)
{
    if (index >= 0 && index < 6) {
        const HelpTopic &topic = HelpTopics[index];
        Help::Show(QStringLiteral("Tkw5.chm"), QString::fromLatin1(topic.windowType), topic.contextId, this);
    } else if (index == 7) {
        GRP::ShowModeless();
        Misc::DoEvents();
    }
}

int16_t frmMain::ReportExportKind(int index)
{
    // The two delimited-text items pass the kind their captions name.
    if (index == 1)
        return 1;
    if (index == 2)
        return 0;
    return int16_t(index - 1);
}

frmMain::ReportWriter frmMain::HtmlReportOf(const QString &view)
{
#define TW_WRITER(name) [](Reports &r, const QByteArray &symbol) { r.name(symbol); }
    static const QHash<QString, ReportWriter> writers = {
        {QStringLiteral("AIS"), TW_WRITER(H_AIS)}, {QStringLiteral("ABS"), TW_WRITER(H_ABS)},
        {QStringLiteral("Call"), TW_WRITER(H_Calls)}, {QStringLiteral("Put"), TW_WRITER(H_Puts)},
        {QStringLiteral("IT"), TW_WRITER(H_IT)},   {QStringLiteral("EC"), TW_WRITER(H_EC)},
        {QStringLiteral("ER"), TW_WRITER(H_ER)},   {QStringLiteral("EH"), TW_WRITER(H_EH)},
        {QStringLiteral("EG"), TW_WRITER(H_EG)},   {QStringLiteral("QR"), TW_WRITER(H_QR)},
        {QStringLiteral("SI"), TW_WRITER(H_SI)},
    };
#undef TW_WRITER
    return writers.value(view, nullptr);
}

void frmMain::mnuReports_Click()
{
    for (QAction *item : mnuReport)
        item->setEnabled(false);
    if (CurrentView == QStringLiteral("Current")) {
        for (int i = 0; i <= 8; ++i)
            mnuReport[i]->setEnabled(true);
        mnuReport[15]->setEnabled(true);
        mnuReport[16]->setEnabled(true);
    } else if (HtmlReportOf(CurrentView)) {
        mnuReport[0]->setEnabled(true);
    }
}

void frmMain::mnuReport_Click(int index)
{
    if (index < 0 || index > 16)
        return;
    Reports report;
    if (index > 0) {
        Vb::Skip([&] { report.Export(ReportExportKind(index)); });
        return;
    }
    Vb::Skip([&] {
        if (CurrentView == QStringLiteral("Current"))
            report.H_Current();
    });
    if (CurrentSymbol.isEmpty())
        return;
    if (const ReportWriter writer = HtmlReportOf(CurrentView))
        Vb::Skip([&] { writer(report, CurrentSymbol); });
}

void frmMain::mnuTray_Click(int index)
{
    switch (index) {
    case 0: Picture1_Click(0); break;
    case 2: mnuEmail_Click(0); break;
    case 3: mnuEmail_Click(1); break;
    case 5: mnuHelp_Click(0); break;
    case 6: mnuStart_Click(5); break;
    case 8: mnuStart_Click(7); break;
    default: break;
    }
}

void frmMain::TrayUpdate() { Picture1_Click(0); }

void frmMain::TrayRestore()
{
    if (isMinimized())
        showNormal();
}

void frmMain::TrayMenu()
{
    const QPoint at = mapFromGlobal(QCursor::pos());
    PopupMenu(mnuTrays, Twips::FromPixels(at.x()), Twips::FromPixels(at.y()));
}

void frmMain::LoadSets()
{
    try {
        for (int i = 0; i <= 20; ++i) {
            const QString name = Settings::GetGroup(QStringLiteral("Group%1").arg(i)).ToText();
            mnuSet[i]->setText(name.isEmpty() ? QStringLiteral("Group%1").arg(i) : name);
        }
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("frmMain_LoadSets"), false);
    }
}

void frmMain::mnuSet_Click(int index)
{
    // Only the 21 sets the program keeps; and never while a run walks the
    // open set's stocks, or its quotes would be saved into another set.
    if (index < 0 || index > 20 || UpdateRunning())
        return;
    // The set is read before anything turns to it: the records of a set
    // that could not be read would be the open set's, saved into its file
    // by the next quote run.
    Stock::StockTable table{};
    if (!Stock::ReadStocks(int16_t(index), table)) {
        Dialogs::MsgBox(QStringLiteral("The stock set \"%1\" could not be read, so it was not opened.")
                            .arg(mnuSet[index]->text()),
                        Dialogs::vbExclamation, QStringLiteral("Stock set not opened"));
        // The open set stays; at start-up, when none is shown yet, it is
        // shown as it is in memory.
        if (CurrentSet < 0 || CurrentSet > 20 || mnuSet[CurrentSet]->isChecked())
            return;
        index = CurrentSet;
        table = Stocks;
    }
    for (QAction *item : mnuSet)
        item->setChecked(false);
    mnuSet[index]->setChecked(true);
    Vb::Skip([index] { Settings::Set(QStringLiteral("LastGroup"), QString::number(index)); });
    CurrentSet = int16_t(index);
    Vb::Skip([this] { ClearRecStrip(); });
    Stocks = table;
    StockCount = Stock::CountStocks(Stocks);
    Vb::Skip([this] { LoadPrices(); });
    Vb::Skip([this] { ShowRec(); });
    Panel1[1]->setText(mnuSet[index]->text());
    ShowSetInTreeAndGrid();
}

void frmMain::ShowSetInTreeAndGrid()
{
    Vb::Skip([this] { initTree(); });
    if (CurrentView == QStringLiteral("Current")) {
        // One repaint for the whole refill.
        FG->setUpdatesEnabled(false);
        Vb::Skip([this] { FG_Current(); });
        FG->setUpdatesEnabled(true);
    }
}

void frmMain::ShowOpenSet()
{
    ShowSetInTreeAndGrid();
    Vb::Skip([this] { RefillRecStrip(); });
    Vb::Skip([this] { RelistTicker(); });
}

void frmMain::ShowConsultation(int n)
{
    for (QAction *item : mnuCons)
        item->setChecked(false);
    if (n >= 0 && n < int(std::size(mnuCons)))
        mnuCons[n]->setChecked(true);

    static const char *const lists[31] = {
        nullptr, nullptr, "mwwinners.Sh", "mwlosers.Sh", "brPG_Q.Sh", "brPL_Q.Sh", "brVG_Q.Sh", "brVL_Q.Sh",
        "br52-WPH_Q.Sh", "br52-WPL_Q.Sh", "brMAS_Q.Sh", nullptr, nullptr, nullptr, "brPG_N.Sh", "brPL_N.Sh",
        "brVG_N.Sh", "brVL_N.Sh", "br52-WPH_N.Sh", "br52-WPL_N.Sh", "brMAS_N.Sh", "brPG_A.Sh", "brPL_A.Sh",
        "brVG_A.Sh", "brVL_A.Sh", "br52-WPH_A.Sh", "br52-WPL_A.Sh", "brMAS_A.Sh", "BrLMM_Q.Sh", "BrLMM_N.Sh",
        "BrLMM_A.Sh",
    };
    Vb::Skip([&] {
        switch (n) {
        case 0: FG_Current(); break;
        case 1: FG_Surp(); break;
        case 2:
        case 3: FG_WinLos(QString::fromLatin1(lists[n])); break;
        case 11: FG_Upgrade(); break;
        case 12: FG_Downgrade(); break;
        case 13: FG_Coverage(); break;
        default:
            if (n >= 4 && n <= 30)
                FG_BR(QString::fromLatin1(lists[n]));
            break;
        }
    });
}
