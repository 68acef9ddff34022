#include "shell/frmMain.h"
#include "platform/ControlNames.h"

#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/TreeView.h"
#include "platform/VbInput.h"
#include "platform/Twips.h"
#include "platform/WindowFit.h"
#include "platform/clsFormResize.h"
#include "shell/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace {
frmMain *g_main = nullptr;

template <typename W> W *Make(QWidget *parent, const QString &name)
{
    auto *w = new W(parent);
    w->setObjectName(name);
    return w;
}

using ControlNames::Indexed;

QAction *Item(QMenu *menu, const QString &objectName, const QString &caption)
{
    QAction *a = caption == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(caption);
    a->setObjectName(objectName);
    return a;
}
} // namespace

frmMain::frmMain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tickerwatch 5.7"));
    setMouseTracking(true);
    WindowFit::SetMainWindow(this);
    BuildControls();
    BuildMenus();
    WireStartup();
    WireKeys();
    WireMenus();
    WireSymbolBar();
    WireCommandBar();
    WireSplitters();
    WireUpdate();
    WireTree();
    WireGrid();
    WireZoom();
    WirePortfolio();
    WireServices();
}

frmMain::~frmMain()
{
    delete FormResize;
    if (g_main == this)
        g_main = nullptr;
}

frmMain *frmMain::Instance()
{
    if (!g_main)
        g_main = new frmMain;
    return g_main;
}

frmMain *frmMain::Loaded() { return g_main; }

void frmMain::Unload()
{
    frmMain *m = g_main;
    g_main = nullptr;
    delete m;
}

void frmMain::ShowWindow()
{
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    show();
    raise();
    activateWindow();
}

void frmMain::BuildControls()
{
    // Design size of the window's inner area: 9480 x 6375 twips. It is also
    // the smallest: below it the command bar's captions and the strip's
    // legend run into each other.
    Geometry::Move(this, 0, 0, 9480, 6375);
    setMinimumSize(Twips::ToPixels(9480), Twips::ToPixels(6375));
    setStyleSheet(QStringLiteral("frmMain { background: #dfe6ee; }"));

    NewsTicker1 = MakeNewsTicker();
    Geometry::Move(NewsTicker1, 0, 60, 9480, 360);

    PicCont = Make<QFrame>(this, QStringLiteral("PicCont"));
    PicCont->setProperty("vbType", QStringLiteral("PictureBox"));
    PicCont->setMouseTracking(true);
    Geometry::Move(PicCont, 120, 480, 7695, 5555);

    TreeView1 = Make<TreeView>(PicCont, QStringLiteral("TreeView1"));
    Geometry::Move(TreeView1, 0, 0, 2175, 2775);

    picSplit2 = Make<QFrame>(PicCont, QStringLiteral("picSplit2"));
    picSplit2->setProperty("vbType", QStringLiteral("PictureBox"));
    Geometry::Move(picSplit2, 2280, 0, 30, 2895);
    Splitter = Make<QFrame>(PicCont, QStringLiteral("Splitter"));
    Splitter->setProperty("vbType", QStringLiteral("PictureBox"));
    Geometry::Move(Splitter, 0, 2880, 7695, 30);
    for (QFrame *bar : {picSplit2, Splitter}) {
        bar->setAutoFillBackground(true);
        bar->setMouseTracking(true);
        bar->setBackgroundRole(QPalette::Button);
    }

    ImgUp = Make<QLabel>(PicCont, QStringLiteral("ImgUp"));
    Geometry::Move(ImgUp, 2400, 0, 750, 300);
    ImgDn = Make<QLabel>(PicCont, QStringLiteral("ImgDn"));
    Geometry::Move(ImgDn, 2400, 2640, 750, 300);
    for (QLabel *arrow : {ImgUp, ImgDn}) {
        arrow->setProperty("vbType", QStringLiteral("Image")); // images keep their place on resize
        arrow->setAlignment(Qt::AlignCenter);
        arrow->setMouseTracking(true);
    }
    ImgUp->setText(QStringLiteral("\u25B2"));
    ImgDn->setText(QStringLiteral("\u25BC"));

    static const char *legend[5] = {"Sell", "Underperform", "Hold", "Buy", "Strong Buy"};
    for (int i = 0; i < 5; ++i) {
        lblDsc[i] = Make<QLabel>(PicCont, Indexed("lblDsc", i));
        lblDsc[i]->setText(QString::fromLatin1(legend[i]));
        lblDsc[i]->adjustSize();
        Geometry::SetTop(lblDsc[i], 0);
    }
    for (int i = 0; i < 7; ++i) {
        lblSbl[i] = Make<QLabel>(PicCont, Indexed("lblSbl", i));
        lblSbl[i]->setText(QStringLiteral(" "));
        lblSbl[i]->setMouseTracking(true);
        Geometry::Move(lblSbl[i], 2520, 240 + 360 * i, 735, 255);
        img[i] = Make<QLabel>(PicCont, Indexed("img", i));
        img[i]->setProperty("vbType", QStringLiteral("PictureBox"));
        img[i]->setToolTip(QStringLiteral("Click For Latest News"));
        img[i]->setMouseTracking(true);
        Geometry::Move(img[i], 3120, 240 + 360 * i, 4575, 315);
    }
    Shape1 = Make<QFrame>(PicCont, QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->hide();
    Geometry::Move(Shape1, 2520, 840, 615, 255);

    FG = Make<FlexGrid>(PicCont, QStringLiteral("FG"));
    Geometry::Move(FG, 0, 3120, 7695, 2175);
    picSplit = Make<QFrame>(PicCont, QStringLiteral("picSplit"));
    picSplit->setProperty("vbType", QStringLiteral("PictureBox"));
    picSplit->setStyleSheet(QStringLiteral("background: #202020;"));
    picSplit->hide();
    Geometry::Move(picSplit, 7560, 3120, 30, 2175);

    frmButtom = Make<QFrame>(this, QStringLiteral("frmButtom"));
    frmButtom->setProperty("vbType", QStringLiteral("Frame"));
    frmButtom->setMouseTracking(true);
    Geometry::Move(frmButtom, 8040, 600, 1335, 5415);
    static const char *captions[7] = {"Update", "Ticker", "Gossip", "Zoom", "Stocks", "Screen", "Setting"};
    static const char *tips[7] = {"Connect to the Internet and update data (Alt U or F4)", "Ticker (Alt T)",
                                  "Read Latest Gossip (Alt O)", "Zoom Data Sheet (Alt Z)", "Manage Stocks (Alt S)",
                                  "Show Screen (Alt C)", "Stocks and Program Options (Alt N)"};
    static const int captionTops[7] = {360, 1110, 1860, 2610, 3360, 4110, 4875};
    for (int i = 0; i < 7; ++i) {
        Picture1[i] = Make<PictureFace>(frmButtom, Indexed("Picture1", i));
        Picture1[i]->setProperty("vbType", QStringLiteral("PictureBox"));
        Picture1[i]->setToolTip(QString::fromLatin1(tips[i]));
        Picture1[i]->setMouseTracking(true);
        Picture1[i]->setCursor(Qt::PointingHandCursor);
        Geometry::Move(Picture1[i], 292, captionTops[i] - 375, 750, 375);
        lblDesc[i] = Make<QLabel>(frmButtom, Indexed("lblDesc", i));
        lblDesc[i]->setText(QString::fromLatin1(captions[i]));
        lblDesc[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Geometry::Move(lblDesc[i], 0, captionTops[i], 1335, 255);
    }

    StatusBar1 = Make<QFrame>(this, QStringLiteral("StatusBar1"));
    StatusBar1->setProperty("vbType", QStringLiteral("PictureBox"));
    StatusBar1->setStyleSheet(QStringLiteral("QFrame#StatusBar1 { background: black; }"));
    StatusBar1->setMouseTracking(true);
    Geometry::Move(StatusBar1, 0, 6090, 9480, 285);
    Rect = Make<QFrame>(StatusBar1, QStringLiteral("Rect"));
    Rect->setFrameShape(QFrame::Box);
    Rect->setStyleSheet(QStringLiteral("QFrame#Rect { border: 1px solid #7fb2ff; background: transparent; }"));
    Rect->setAttribute(Qt::WA_TransparentForMouseEvents);
    Geometry::Move(Rect, 0, 0, 1005, 255);
    struct PanelDesign {
        const char *caption, *tip;
        int left, width, top, height;
    };
    static const PanelDesign panels[8] = {
        {"Start", "Click here to begin (Alt S or F3)", 0, 1095, 15, 255},
        {"Groups", "Double click to modify (Alt G or F2)", 1200, 1000, 15, 255},
        {"Fast Update", "This action will update fast all stocks. (date, price,open, change, high, low and volume) (Alt H)", 2280, 1000, 15, 255},
        {"Adviser", "Get up-to-date with Tickerwatch analysts Free Tip (Alt A)", 3360, 1000, 15, 255},
        {"Summary", "Generate Stock Summary Report (Alt M)", 4440, 1005, 15, 255},
        {"Reports", "Generate and Export Reports (Alt R)", 5520, 1005, 15, 255},
        {"", "Status", 6885, 2100, -15, 300},
        {"", "Tasks", 8955, 570, -15, 375},
    };
    for (int i = 0; i < 8; ++i) {
        Panel1[i] = Make<QLabel>(StatusBar1, Indexed("Panel1", i));
        Panel1[i]->setText(QString::fromLatin1(panels[i].caption));
        Panel1[i]->setToolTip(QString::fromLatin1(panels[i].tip));
        Panel1[i]->setAlignment(i < 6 ? Qt::AlignCenter : Qt::AlignVCenter | Qt::AlignLeft);
        Panel1[i]->setAutoFillBackground(true);
        Panel1[i]->setMouseTracking(true);
        QPalette p = Panel1[i]->palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::white);
        Panel1[i]->setPalette(p);
        Geometry::Move(Panel1[i], panels[i].left, panels[i].top, panels[i].width, panels[i].height);
    }
    Rect->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60000);
    TmrNav = new QTimer(this);
    TmrNav->setObjectName(QStringLiteral("TmrNav"));
    TmrNav->setInterval(100);
}

void frmMain::BuildMenus()
{
    auto menu = [this](const QString &name, const QString &title) {
        auto *m = new QMenu(title, this);
        m->setObjectName(name);
        return m;
    };
    mnuStarts = menu(QStringLiteral("mnuStarts"), QStringLiteral("Start"));
    mnuUpdates = menu(QStringLiteral("mnuUpdates"), QStringLiteral("U&pdate"));
    mnuEmails = menu(QStringLiteral("mnuEmails"), QStringLiteral("&Email"));
    mnuSettings = menu(QStringLiteral("mnuSettings"), QStringLiteral("&Setting"));
    mnuHelps = menu(QStringLiteral("mnuHelps"), QStringLiteral("&Help"));
    mnuSets = menu(QStringLiteral("mnuSets"), QStringLiteral("Sets"));
    mnuTickers = menu(QStringLiteral("mnuTickers"), QStringLiteral("Ticker"));
    mnuTrees = menu(QStringLiteral("mnuTrees"), QStringLiteral("Tree"));
    mnuEdits = menu(QStringLiteral("mnuEdits"), QStringLiteral("Edit"));
    mnuReports = menu(QStringLiteral("mnuReports"), QStringLiteral("Reports"));
    mnuTrays = menu(QStringLiteral("mnuTrays"), QStringLiteral("Tray"));
    mnuPreferences = menu(QStringLiteral("mnuPreferences"), QStringLiteral("Preferences"));
    mnuDataSheet = menu(QStringLiteral("mnuDataSheet"), QStringLiteral("DataSheet"));

    static const char *start[8] = {"U&pdate", "-", "&Email", "&Setting", "&Help", "&About Tickerwatch", "-", "Sh&ut Down  (Alt X)"};
    QMenu *subs[8] = {mnuUpdates, nullptr, mnuEmails, mnuSettings, mnuHelps, nullptr, nullptr, nullptr};
    for (int i = 0; i < 8; ++i) {
        if (subs[i]) {
            mnuStart[i] = mnuStarts->addMenu(subs[i]);
            mnuStart[i]->setObjectName(Indexed("mnuStart", i));
        } else {
            mnuStart[i] = Item(mnuStarts, Indexed("mnuStart", i), QString::fromLatin1(start[i]));
        }
    }
    static const char *update[4] = {"Update Selected Group", "Update Selected Stock", "-", "Hang-up"};
    for (int i = 0; i < 4; ++i)
        mnuUpdate[i] = Item(mnuUpdates, Indexed("mnuUpdate", i), QString::fromLatin1(update[i]));
    static const char *email[6] = {"New Massage", "Tell It To Your Friend", "Bug Report", "Send Error Log To Zandor",
                                   "Send Feedback To Zandor", "Technical Support "};
    for (int i = 0; i < 6; ++i)
        mnuEmail[i] = Item(mnuEmails, Indexed("mnuEmail", i), QString::fromLatin1(email[i]));
    static const char *setting[7] = {"Daily Consulting", "Stock Data", "Market Data", "Funds", "Voice Option",
                                     "Network Setting", "Tickerwatch Preferences"};
    for (int i = 0; i < 7; ++i)
        mnuSetting[i] = Item(mnuSettings, Indexed("mnuSetting", i), QString::fromLatin1(setting[i]));
    static const char *help[8] = {"Documentation", "Getting Started", "How To..", "References", "Keyboard Shortcut",
                                  "Tecnical Support or Questions", "-", "Relax"};
    for (int i = 0; i < 8; ++i)
        mnuHelp[i] = Item(mnuHelps, Indexed("mnuHelp", i), QString::fromLatin1(help[i]));
    mnuHelp[7]->setShortcut(QKeySequence(Qt::Key_F9));
    mnuHelp[7]->setShortcutContext(Qt::WidgetShortcut); // shown only; the key goes through Form_KeyDown

    for (int i = 0; i < 21; ++i) {
        mnuSet[i] = Item(mnuSets, Indexed("mnuSet", i), i == 0 ? QStringLiteral("All Stocks") : QStringLiteral("Group %1").arg(i));
        mnuSet[i]->setCheckable(true);
    }
    mnuSet[0]->setChecked(true);

    static const char *ticker[13] = {"Selected Stock Headlines", "Selected Stock Prices", "-", "All Stocks Headlines",
                                     "All Stocks Price", "-", "Market Headlines", "-", "Put on air selected  stock headlines",
                                     "Put on air selected stock Prices", "-", "Put on air all news headlines",
                                     "Put on air all stocks Prices"};
    for (int i = 0; i < 13; ++i) {
        mnuTicker[i] = Item(mnuTickers, Indexed("mnuTicker", i), QString::fromLatin1(ticker[i]));
        mnuTicker[i]->setCheckable(ticker[i][0] != '-');
    }
    mnuTicker[0]->setChecked(true);

    static const char *tree[12] = {"&Collapse All", "-", "&Buy", "&Sell", "S&plit", "-", "&Delete", "Empty S&tock Cache",
                                   "-", "&Update Selected Stock", "-", "&Properties"};
    for (int i = 0; i < 12; ++i)
        mnuTree[i] = Item(mnuTrees, Indexed("mnuTree", i), QString::fromLatin1(tree[i]));
    mnuTree[3]->setEnabled(false);
    mnuTree[4]->setEnabled(false);

    static const char *edit[10] = {"Copy", "-", "Select All", "-", "Old Style Background", "-", "Sell Share",
                                   "Delete Share", "Edit Transection", "Delete Transection"};
    for (int i = 0; i < 10; ++i)
        mnuEdit[i] = Item(mnuEdits, Indexed("mnuEdit", i), QString::fromLatin1(edit[i]));
    mnuEdit[0]->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    mnuEdit[2]->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    for (int i : {0, 2}) // shown in the menu; the grid's key handling does the work
        mnuEdit[i]->setShortcutContext(Qt::WidgetShortcut);
    mnuEdit[4]->setCheckable(true);
    for (int i = 6; i <= 9; ++i)
        mnuEdit[i]->setVisible(false);

    static const char *report[17] = {"HTML", "Tab Delimited Text", "Comma Delimited Text", "Quicken Pre 5.0",
                                     "Quicken  5.0 Or Later", "MetaStock", "Quote Link", "Prodigy Quotetrack", "Excel",
                                     "Microsoft Money", "Access ", "Word", "Oracle", "SQL Server", "Microsoft Mail",
                                     "Clipboard", "XML"};
    for (int i = 0; i < 17; ++i) {
        mnuReport[i] = Item(mnuReports, Indexed("mnuReport", i), QString::fromLatin1(report[i]));
        mnuReport[i]->setEnabled(i == 16);
    }

    static const char *tray[9] = {"Update", "-", "New Massage", "Tell It To Your Friend", "-", "Help", "About", "-",
                                  "Shut Down Tickerwatch"};
    for (int i = 0; i < 9; ++i)
        mnuTray[i] = Item(mnuTrays, Indexed("mnuTray", i), QString::fromLatin1(tray[i]));

    mnu_Preference = Item(mnuPreferences, QStringLiteral("mnu_Preference"), QStringLiteral("Setting"));

    static const char *cons[16] = {"Stock Prices", "Top 25  Earnings Surprises", "Percentage Winners",
                                   "Percentage Losers ", "Largest % Gain In Price ", "Largest % Loss In Price",
                                   "Largest % Gain In Volume", "Largest % Loss In Volume", "52 Week Price Highs ",
                                   "52 Week Price Lows", "Most Actives Stock  ", "Upgrades", "Downgrades",
                                   "Coverage Initiated", "Broad Market Overviews ",
                                   "Most Recent Corporate Earnings Releases "};
    QMenu *consultation = mnuDataSheet->addMenu(QStringLiteral("Consultation"));
    consultation->setObjectName(QStringLiteral("mnuConsultation"));
    for (int i = 0; i < 16; ++i) {
        mnuCons[i] = Item(consultation, Indexed("mnuCons", i), QString::fromLatin1(cons[i]));
        mnuCons[i]->setCheckable(true);
    }
    mnuCons[14]->setEnabled(false);
    mnuCons[15]->setEnabled(false);
}

void frmMain::OnMouse(QWidget *control, MouseHandlers handlers)
{
    MouseHandlers &h = mouse_[control];
    if (handlers.down)
        h.down = std::move(handlers.down);
    if (handlers.move)
        h.move = std::move(handlers.move);
    if (handlers.up)
        h.up = std::move(handlers.up);
    if (handlers.click)
        h.click = std::move(handlers.click);
    if (handlers.dblClick)
        h.dblClick = std::move(handlers.dblClick);
    control->installEventFilter(this);
    control->setMouseTracking(true);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    const auto it = mouse_.constFind(watched);
    if (it == mouse_.constEnd())
        return QWidget::eventFilter(watched, event);
    const MouseHandlers h = it.value(); // a handler may re-register
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // A disabled control hears no mouse: no pressed face, no popup, no
        // command. Qt hands its events to the filter all the same.
        if (auto *target = qobject_cast<QWidget *>(watched); target && !target->isEnabled())
            return true;
        auto *me = static_cast<QMouseEvent *>(event);
        const float x = float(Twips::FromPixels(me->position().x()));
        const float y = float(Twips::FromPixels(me->position().y()));
        const int shift = VbInput::Shift(me->modifiers());
        if (event->type() == QEvent::MouseButtonPress) {
            dblClicked_ = nullptr;
            if (h.down)
                h.down(VbInput::Buttons(me->button()), shift, x, y);
        } else if (event->type() == QEvent::MouseMove) {
            if (h.move)
                h.move(VbInput::Buttons(me->buttons()), shift, x, y);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const bool afterDouble = dblClicked_ == watched;
            dblClicked_ = nullptr;
            if (h.up)
                h.up(VbInput::Buttons(me->button()), shift, x, y);
            auto *w = qobject_cast<QWidget *>(watched);
            if (!afterDouble && h.click && w && w->rect().contains(me->position().toPoint())
                && me->button() == Qt::LeftButton)
                h.click();
        } else {
            dblClicked_ = watched;
            if (h.dblClick)
                h.dblClick();
        }
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove(VbInput::Buttons(event->buttons()), VbInput::Shift(event->modifiers()),
                   float(Twips::FromPixels(event->position().x())), float(Twips::FromPixels(event->position().y())));
    QWidget::mouseMoveEvent(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Closing the window ends the program at once, never asking.
    event->accept();
    ExitProgram();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (loaded_)
        Form_Resize();
}

void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}
