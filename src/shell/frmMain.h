#pragma once
// The main window. Its members are defined in shell (frmMain*.cpp, one file
// per area); where one does a subsystem's work it calls that folder's
// function, which reaches the window back through MainView.
//
// Controls keep their names as members and as object names ("Panel1_6",
// "lblSbl_0"); places and sizes are kept in twips (platform/Geometry.h).
#include "core/MainView.h"
#include "platform/HttpPage.h"
#include "sheets/GridInteraction.h"

#include <QByteArray>
#include <QHash>
#include <QPointF>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class FlexGrid;
class Inet;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class TreeView;
class clsFormResize;
class Reports;

class frmMain : public QWidget, public MainView {
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
    // Controls (created by the constructor, frmMain.cpp); the grid and the
    // tree are MainView's FG and TreeView1, the news ticker its NewsTicker1.
    // ------------------------------------------------------------------
    QFrame *PicCont = nullptr;      // work area: tree, symbol bar, grid
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
    int RectPanel = 0;            // the command bar item it frames
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
    void mnuSet_Click(int index) override;
    void ShowOpenSet() override;
    void ShowConsultation(int n) override;
    void mnuEmail_Click(int index); // mail commands

    // ------------------------------------------------------------------
    // Symbol bar and recommendation strip (frmMainSymbolBar.cpp)
    // ------------------------------------------------------------------
    void LoadPrices();
    void ShowRec();
    void ClearRecStrip();
    void SelectSymbol(QByteArray &symbol) override;
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
    // Entry points of later subsystems (over their folders' functions)
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
    bool LayOutLoaded = false; // LoadLayOut read the file into LayOut
    // The grid's mouse and keys (frmMainGrid.cpp).
    void FG_Click();
    void FG_DblClick();
    void FG_MouseDown(int button, int shift, float x, float y);
    void FG_MouseMove(int button, int shift, float x, float y);
    void FG_MouseUp(int button, int shift, float x, float y);
    void FG_DragOver(QWidget *source, float x, float y, int state);
    void FG_DragDrop(QWidget *source, float x, float y);
    void FG_KeyDown(int keyCode, int shift);
    void SelectAllCells();
    void CopyCells();
    // Stores the grid's headers as the column layout and saves it.
    void StoreLayOut();
    GridInteraction::Drag FGDrag;
    void FG_Current() override;
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

    // ------------------------------------------------------------------
    // --- update run: transports, job table, downloaders, timer ---
    // ------------------------------------------------------------------
public:
    class Inet *ActiveInet = nullptr; // set by PrepareInet, released by StopUpdate
    QString RequestURL;         // the pending socket fetch: its address,
    QString TargetFile;         // its cache file,
    QByteArray ResponseBuffer;  // what has arrived so far,
    HttpPage::Reader ResponseReader; // and how far it is read,
    int16_t UpdateTotal = 0;
    int16_t UpdateRemaining = 0;
    int16_t AutoUpdateCounter = 0;

    void Panel7(int16_t &remaining);
    void Timer1_Timer();
    void Inet1_StateChanged(int state);

    // Transports (HttpPage decides what a stored page is).
    void PrepareInet();
    bool DownloadURL(const QString &file, const QString &url, const QString &status, qint64 minimum = 0) override;
    bool SocketFetch(const QString &site, const QString &pathAndQuery, const QString &file, const QString &status,
                     qint64 minimum = 0) override;
    // Pages this run tried and could not store; reset when a run starts.
    int PagesTried = 0;
    int PagesFailed = 0;
    // Returns when the socket is closed, or after the fetch went silent for
    // the time-out (the socket is then closed and nothing is written).
    void WinsockWait();
    void Winsock1_Connect();
    void Winsock1_DataArrival(int bytesTotal);
    void Winsock1_Close();
    void Winsock1_Error(int number, const QString &description);

    // The window's caption, as the jobs of collect/ set it too.
    void setWindowTitle(const QString &title) override;

    // Jobs of the run.
    void UpdateNews();
    void UpdateAnnual(const QString &kind, const QString &suffix);
    void UpdateEE();
    void UpdateQR();
    void UpdateIT();
    void UpdateOptions();
    void UpdateSurp();
    QString UpdateWinners();
    void UpdateLosers();
    void UpdateUpDown();
    void UpdateAdvise() override;
    void UpdateBigMovers(int16_t report, const QString &key, int16_t data, const QString &title);
    void UpdateScreener(int16_t screen, const QString &key, int16_t exchange, const QString &title);

    // Jobs the run calls elsewhere: the quote jobs (frmMainQuotes.cpp), the
    // per-stock sheet pages (sheets/), the market pages (market/), and the
    // headline cutter of the news ticker (shell/).
    void UpdateRec();
    void UpdatePrices();
    void UpdateSplit();
    void UpdateUPH();
    void UpdateDNH();
    void UpdateNMR();
    void UpdateBRP();
    void UpdateProfile();
    void UpdateSI();
    void UpdateUSMarket();
    void UpdateWMarket();
    void Update_IPO_Last();
    void Update_IPO_News();
    void Update_IPO_Gain();
    void Update_IPO_Loss();
    void Update_IPO_Reg();
    void Update_IPO_Price();
    void Update_IPO_With();
    void Update_OptSum();
    void UpdateFunds(const QString &key);
    void UpdateSplitsCalendar(int16_t page);
    void Update_M_BRP();

private:
    void WireUpdate();
    void SendQueuedFeedback();
    void FinishUpdate();
    // Ends a pending transfer-control request with "Please Wait.." shown.
    void CancelPendingTransfer();
    // Connects for one page and returns at once; SocketFetch then waits.
    bool StartSocketFetch(const QString &site, const QString &pathAndQuery, const QString &file, const QString &status,
                          qint64 minimum = 0);
    void StoreSocketPage(const HttpPage::Reply &reply);
    void CountPage(bool stored);
    bool pageWritten_ = false; // the pending socket fetch has stored its page
    int socketFetches_ = 0;    // counts started socket fetches
    qint64 TargetMinimum = 0;   // the pending socket fetch's page minimum
    bool SocketErrorShown = false; // this run showed its socket error box

    // ------------------------------------------------------------------
    // --- shell: start-up, keys, popup menus, command bar ---
    // ------------------------------------------------------------------
public:
    Inet *Inet1 = nullptr; // the page transport of the Update run
    // Set names from the Groups subkey into the Sets menu.
    void LoadSets() override;
    // An Update run or a fast update is under way: lblDesc(0) reads "Stop".
    bool UpdateRunning() const override;
    void frmButtom_MouseMove(int button, int shift, float x, float y);
    void Panel1_MouseDown(int index, int button, int shift, float x, float y);
    void Panel1_MouseMove(int index, int button, int shift, float x, float y);
    void Panel1_MouseUp(int index, int button, int shift, float x, float y);
    void Picture1_MouseDown(int index, int button, int shift, float x, float y);
    void Picture1_MouseMove(int index, int button, int shift, float x, float y);
    void Picture1_MouseUp(int index, int button, int shift, float x, float y);

    // Reports popup: the export kind of items 1 to 16, and the HTML report
    // of a per-stock view (nullptr for views without one).
    static int16_t ReportExportKind(int index);
    using ReportWriter = void (*)(Reports &, const QByteArray &);
    static ReportWriter HtmlReportOf(const QString &view);

    // The run entry points as the shell's commands reach them.
    enum class RunCall { Run, Stop, Fast };
    void CallRun(RunCall call);

    // Test seams. Exit: runs in place of ending the process. Popup: runs in
    // place of opening a popup menu (place in twips of the window). Modal:
    // runs in place of the modal loop of a window the main window owns.
    // Run: runs in place of RunUpdate, StopUpdate and FastUpdate.
    static void SetExitHook(std::function<void()> hook);
    static void SetRunHook(std::function<void(RunCall)> hook);
    static void SetPopupHook(std::function<void(QMenu *, QPointF)> hook);
    static void SetModalHook(std::function<void(QWidget *)> hook);

    void PlaceBelowTicker(QWidget *form, double width) override;

private:
    // Opens the popup with its top-left corner at (x, y) twips of the window.
    void PopupMenu(QMenu *menu, double x, double y);
    // The stock menu at (x, y) twips of a control: the tree's adds Collapse
    // All; the stock's commands only when the menu is about a stock.
    void PopStockMenu(QWidget *control, float x, float y, bool collapse, bool stock);
    // Makes this window the form's owner: it stays above it and goes with it.
    void Own(QWidget *form) override;
    // Shows form modal with this window as owner; returns when it is closed.
    void ShowModal(QWidget *form) override;
    // The pointer left the buttons and the symbol bar: the strip stops
    // scrolling and the buttons lose their hover look (button 0 keeps its
    // busy look during a run).
    void EndHover();
    QTimer *groupsClick_ = nullptr; // a click on "Groups" waits for a double click

    // --- column layout of the main grid (sheets/LayOut.h) ---
public:
    // Moves the main grid's columns to the positions kept in LayOut, each
    // found by its header text.
    void FixLayOut(FlexGrid *grid = nullptr); // nullptr: the main grid

    // --- symbol bar internals (frmMainSymbolBar.cpp) ---
public:
    void img_MouseDown(int index, int button, int shift, float x, float y);
    void img_MouseUp(int index, int button, int shift, float x, float y);
    void lblSbl_MouseDown(int index, int button, int shift, float x, float y);
    void lblSbl_MouseUp(int index, int button, int shift, float x, float y);
    void lblSbl_MouseMove(int index, int button, int shift, float x, float y);
    void ImgUp_MouseMove(int button, int shift, float x, float y);
    void ImgDn_MouseMove(int button, int shift, float x, float y);
    void ImgUp_MouseDown(int button, int shift, float x, float y);
    void ImgUp_MouseUp(int button, int shift, float x, float y);
    void ImgDn_MouseDown(int button, int shift, float x, float y);
    void ImgDn_MouseUp(int button, int shift, float x, float y);
    void PicCont_MouseMove(int button, int shift, float x, float y);
    // Where the marker of a rating sits on a bar `width` pixels wide.
    static int MarkerX(double rating, int width);

private:
    // Shows row i's bar with its marker when the stock has a rating, else
    // hides the bar.
    void DrawRecRow(int i, int width);
    void PressRow(int index);
    void ReleaseRow(int index);
    void StyleRows();
    void RefreshTicker();
    // The strip drawn again after the set changed under it, keeping its
    // place among the stocks that stay.
    void RefillRecStrip();
    // The tree rebuilt from the open set, and the "Current" grid redrawn
    // when it is on show.
    void ShowSetInTreeAndGrid();
    // The picture each bar was given (a bar shows it with the marker drawn
    // over it), and the drawing it shows now, to tell a new picture set from
    // outside from our own drawing.
    QPixmap barPicture_[7];
    qint64 barDrawing_[7] = {};

    // --- splitter internals (frmMainSplitters.cpp) ---
    // Set by a double click that collapsed the upper panel; the next double
    // click expands it again unless the bar has been moved meanwhile.
    bool panelCollapsed_ = false;
    void PlaceLegend();
    void PlaceBesideTree(int pos);

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
    void SetTickerItems(const QList<QByteArray> &items);
    // The ticker after the set changed: the list of all prices is made
    // again, and the current stock's items go when no stock of the set is
    // current any more.
    void RelistTicker();
    // ------------------------------------------------------------------
    // --- navigation tree (frmMainNavTree.cpp, over navtree/) ---
    // ------------------------------------------------------------------
public:
    void TreeView1_NodeClick(class TreeNode *node);
    // The selection moved onto the node (keys, right click): the node's
    // rules run as for a click, but only those that draw in the grid.
    void TreeView1_NodeSelect(class TreeNode *node);
    void TreeView1_Expand(class TreeNode *node);
    void TreeView1_KeyDown(int keyCode, int shift);
    void TreeView1_MouseDown(int button, int shift, float x, float y);
    void TreeView1_MouseMove(int button, int shift, float x, float y);
    void CollapseAll();
    // The current stock's profile on one line, for the tree's tool tip.
    QByteArray GetProfileText();

    // The fillers and the news link of the tree's nodes as the window's
    // members; the tree itself calls the folders' functions these hand on to.
    void FG_EC();
    void FG_Portfolio_Selected(const QByteArray &symbol);
    void OpenNewsLink(int16_t n);
    void FG_OptSum(int16_t mode);
    void FG_IPO_Reg();
    void FG_IPO_Price();
    void FG_IPO_Loss();
    void FG_IPO_Gain();
    void FG_IPO_With();
    void FG_IPO_News();
    void FG_IPO_Last();
    void FG_SplitsCalendar(int16_t mode);
    void FG_USMarket();
    // The cached US market page into USMarket and US.dat.
    void Parse_US();
    void FG_WMarket();
    void FG_M_BRP(int16_t mode);
    void FG_Funds(const QString &key);

    // Zoom requests of the sheet frame draw into new Zoom windows.
    void WireZoom();

private:
    void WireTree();
    void RunNodeRules(class TreeNode *node, bool opening);
    void WireGrid();
    // --- quotes: price refresh, fast update, prices grid (frmMainQuotes.cpp) ---
public:
    // Cuts the cached quote page into slot index of Stocks and returns the
    // company name found; a missing page changes nothing and gives "".
    QByteArray Parse_PricePage(int16_t index);
    // Resets the quote fields of slot index (in memory); alerts stay.
    void ClearStockQuote(int16_t index);
    // Stores the cached quote list into Stocks (in memory).
    void Parse_QuotesCsv();

private:
    // The toolbar of a run under way: "Stop", set list and set editor off,
    // the busy button face.
    void ShowRunning();
    // Fetches a page the job reads once; true only when this fetch stored a
    // page the site answered with success. A page under minimum bytes is
    // deleted.
    bool FetchWorkFile(const QString &file, const QString &url, const QString &status, qint64 minimum = 0);
    // Brings the main grid's row whose company cell reads name into view
    // and selects it.
    bool ShowCurrentRow(const QByteArray &symbol) override;
    // Selects and focuses the first stock node of the tree showing symbol.
    void SelectTreeStock(const QString &symbol);

    // --- portfolio commands (frmMainPortfolio.cpp, over portfolio/) ---
    // The portfolio records redraw the portfolio grid through this window.
    void WirePortfolio();

    // --- speech and mail commands (frmMainSpeech.cpp, frmMainMail.cpp,
    // frmMainErrorLog.cpp) ---
public:
    // Mails the error log to the maker's support address.
    void SendErrorLog();

private:
    // The tip window mirrors the Options window's weekly-fetch box
    // (frmMainServices.cpp).
    void WireServices();
    // A stock's headline text as it is read aloud: every item a sentence on
    // a line of its own.
    QByteArray SpokenHeadlines(const QByteArray &symbol);
};
