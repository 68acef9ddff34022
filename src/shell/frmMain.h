#pragma once
// The main window. Its methods are spread over the folders of the
// subsystems that own them (the portfolio grids live with the portfolio, the
// sheet fillers with the sheets); this header is the one declaration.
//
// Controls keep their names as members and as object names ("Panel1_6",
// "lblSbl_0"); places and sizes are kept in twips (platform/Geometry.h).
#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class FlexGrid;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class TreeView;
class clsFormResize;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // The one main window; created hidden on first use.
    static frmMain *Instance();
    // nullptr while the window is not loaded.
    static frmMain *Loaded();
    static void Unload();

    // Shows the window modeless; the first showing runs Form_Load.
    void ShowWindow();

    // ------------------------------------------------------------------
    // Controls (created by the constructor, frmMain.cpp)
    // ------------------------------------------------------------------
    QWidget *NewsTicker1 = nullptr; // the news ticker strip along the top
    QFrame *PicCont = nullptr;      // work area: tree, symbol bar, grid
    TreeView *TreeView1 = nullptr;
    FlexGrid *FG = nullptr;
    QFrame *picSplit2 = nullptr; // vertical splitter (tree | symbol bar)
    QFrame *Splitter = nullptr;  // horizontal splitter (upper panel / grid)
    QFrame *picSplit = nullptr;  // the grid's column drop marker
    QLabel *lblSbl[7] = {};      // symbol bar labels
    QLabel *img[7] = {};         // recommendation bars
    QLabel *ImgUp = nullptr;
    QLabel *ImgDn = nullptr;
    QFrame *Shape1 = nullptr;    // press frame around a symbol label
    QLabel *lblDsc[5] = {};      // legend: Sell .. Strong Buy
    QFrame *frmButtom = nullptr; // picture-button column
    QLabel *Picture1[7] = {};
    QLabel *lblDesc[7] = {};
    QFrame *StatusBar1 = nullptr; // command bar
    QLabel *Panel1[8] = {};
    QFrame *Rect = nullptr;       // command bar hover rectangle
    QTimer *Timer1 = nullptr;     // 60000 ms, runs from load
    QTimer *TmrNav = nullptr;     // 100 ms, symbol bar hover scrolling

    // Popup menus (the window has no menu bar).
    QMenu *mnuStarts = nullptr;
    QMenu *mnuUpdates = nullptr;
    QMenu *mnuEmails = nullptr;
    QMenu *mnuSettings = nullptr;
    QMenu *mnuHelps = nullptr;
    QMenu *mnuSets = nullptr;
    QMenu *mnuTickers = nullptr;
    QMenu *mnuTrees = nullptr;
    QMenu *mnuEdits = nullptr;
    QMenu *mnuReports = nullptr;
    QMenu *mnuTrays = nullptr;
    QMenu *mnuPreferences = nullptr;
    QMenu *mnuDataSheet = nullptr;
    QAction *mnuStart[8] = {};
    QAction *mnuUpdate[4] = {};
    QAction *mnuEmail[6] = {};
    QAction *mnuSetting[7] = {};
    QAction *mnuHelp[8] = {};
    QAction *mnuSet[21] = {};
    QAction *mnuTicker[13] = {};
    QAction *mnuTree[12] = {};
    QAction *mnuEdit[10] = {};
    QAction *mnuReport[17] = {};
    QAction *mnuTray[9] = {};
    QAction *mnu_Preference = nullptr;
    QAction *mnuCons[16] = {};

    // ------------------------------------------------------------------
    // Window-level state
    // ------------------------------------------------------------------
    QString BaseCaption;
    int16_t AbortFlag = 0;
    int16_t SingleStockMode = 0;
    int16_t LastNodeIndex = 1;
    int16_t BaseRowHeight = 0;
    int32_t TreeDragX = 2147483647;
    int32_t GridDragY = 2147483647;
    uint32_t SplitterDragColor = 0x808080;
    int16_t GridTopLimit = 0;
    bool ScrollUp = false;
    bool ButtonHover = false;
    clsFormResize *FormResize = nullptr;

    // ------------------------------------------------------------------
    // Start-up and shut-down (frmMainStartup.cpp)
    // ------------------------------------------------------------------
    void Form_Load();
    void LoadData();
    void Form_Activate();
    void Form_Resize();
    void Form_MouseMove(int button, int shift, float x, float y);
    void ExitProgram();
    // Start item 7, Alt+X, tray item 8: asks first when "ShutDown" says so.
    void ConfirmExit();

    // ------------------------------------------------------------------
    // Keyboard (frmMainKeys.cpp)
    // ------------------------------------------------------------------
    void Form_KeyDown(int keyCode, int shift);

    // ------------------------------------------------------------------
    // Popup menus and set switching (frmMainMenus.cpp)
    // ------------------------------------------------------------------
    void mnuStart_Click(int index);
    void mnuUpdate_Click(int index);
    void mnuUpdates_Click(); // before the Update submenu opens
    void mnuSetting_Click(int index);
    void mnuHelp_Click(int index);
    void mnuReports_Click(); // before the Reports popup opens
    void mnuReport_Click(int index);
    void mnuTray_Click(int index);
    void mnu_Preference_Click();
    void TrayUpdate();
    void TrayRestore();
    void TrayMenu();
    void mnuSet_Click(int index);
    void ShowConsultation(int n);
    void mnuEmail_Click(int index); // mail commands

    // ------------------------------------------------------------------
    // Symbol bar and recommendation strip (frmMainSymbolBar.cpp)
    // ------------------------------------------------------------------
    void LoadPrices();
    void ShowRec();
    void ClearRecStrip();
    void SelectSymbol(QByteArray &symbol);
    void ScrollRecStrip(bool up);
    void img_Click(int index);
    void lblSbl_Click(int index);
    void img_DblClick(int index);
    void TmrNav_Timer();

    // ------------------------------------------------------------------
    // Command bar and picture buttons (frmMainCommandBar.cpp)
    // ------------------------------------------------------------------
    void Picture1_Click(int index);
    void Panel1_Click(int index);
    void Panel1_DblClick(int index);
    void ResetCommandBar();

    // ------------------------------------------------------------------
    // Splitters (frmMainSplitters.cpp)
    // ------------------------------------------------------------------
    void picSplit2_MouseDown(int button, int shift, float x, float y);
    void picSplit2_MouseMove(int button, int shift, float x, float y);
    void picSplit2_MouseUp(int button, int shift, float x, float y);
    void picSplit2_DblClick();
    void Splitter_MouseDown(int button, int shift, float x, float y);
    void Splitter_MouseMove(int button, int shift, float x, float y);
    void Splitter_MouseUp(int button, int shift, float x, float y);
    void Splitter_DblClick();
    void StatusBar1_MouseMove(int button, int shift, float x, float y);

    // ------------------------------------------------------------------
    // Entry points of later subsystems (their folders define them)
    // ------------------------------------------------------------------
    void RunUpdate();
    void StopUpdate();
    void FastUpdate();
    void initTree();
    void CollapseStocks();
    void mnuTicker_Click(int index);
    void Zoom_FG();
    void LoadLayOut();
    void SaveLayOut();
    void FG_Current();
    void FG_Profile();
    void FG_AIS();
    void FG_ABS();
    void FG_ER();
    void FG_EG();
    void FG_EH();
    void FG_QR();
    void FG_IT();
    void FG_Call();
    void FG_Put();
    void FG_BRP();
    void FG_DNH();
    void FG_UPH();
    void FG_NMR();
    void FG_Split();
    void FG_SI();
    void FG_Options();
    void FG_Surp();
    void FG_WinLos(const QString &file);
    void FG_BR(const QString &file);
    void FG_Upgrade();
    void FG_Downgrade();
    void FG_Coverage();
    void FG_Portfolio_All();
    void FG_PortfolioLog();
    void mnuTree_Click(int index);
    void mnuTrees_Click();
    void mnuEdit_Click(int index);

    // ------------------------------------------------------------------
    // Mouse wiring: controls report VB-style events (button 1 left, 2 right,
    // 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x, y in twips inside the
    // control). Click follows the release; a double click gives DblClick.
    // ------------------------------------------------------------------
    struct MouseHandlers {
        std::function<void(int, int, float, float)> down, move, up;
        std::function<void()> click, dblClick;
    };
    void OnMouse(QWidget *control, MouseHandlers handlers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;
    void BuildControls();
    void BuildMenus();
    // Each area wires its own controls' events.
    void WireStartup();
    void WireKeys();
    void WireMenus();
    void WireSymbolBar();
    void WireCommandBar();
    void WireSplitters();

    bool loaded_ = false;
    QHash<QObject *, MouseHandlers> mouse_;
    QPointer<QObject> dblClicked_;

    // --- news ticker (frmMainTicker.cpp) and speech (frmMainSpeech.cpp) ---
public:
    // Story address of each headline item on show, in item order ("" for a
    // headline without one); a price text empties it.
    QList<QByteArray> TickerLinks;
    // Appends the headlines of the cached page to the headline file.
    void ParseNewsHeadlines(const QByteArray &symbol, const QString &pagePath, const QString &headlinePath);
    // The headline text of the symbol's headline file; "" without one, and
    // then the ticker reads "Please Update For Latest News".
    QByteArray ReadNewsHeadlines(const QByteArray &symbol);
    void SplitTickerLinks(const QByteArray &text);
    QByteArray StripTickerLinks(const QByteArray &text);
    // index: a slot of Stocks; outside the table the title is CurrentSymbol.
    void Ticker_Sel_Headlines(int index);
    void TickerStockPrice(int index);
    void TickerAllPrices();
    void Ticker_Market_News();
    void NewsTicker1_ItemClick(int item);
    void Speak(int index);

private:
    QWidget *MakeNewsTicker();
    void SetTickerText(const QByteArray &text);
};
