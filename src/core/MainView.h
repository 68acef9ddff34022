#pragma once
// The main window as the feature folders reach it: the state they share with
// it and the calls they make into it. The window (shell/frmMain) derives from
// this and implements the calls, so a feature never includes the shell and
// the libraries link one way.
#include <QByteArray>
#include <QString>
#include <cstdint>

class FlexGrid;
class QWidget;
class TreeView;
class Winsock;

class MainView {
public:
    // The main window, nullptr while none exists.
    static MainView *Loaded();

    FlexGrid *FG = nullptr;           // the main grid
    TreeView *TreeView1 = nullptr;    // the navigation tree
    QString BaseCaption;              // the window's caption between runs
    int16_t AbortFlag = 0;            // Stop was pressed during a run
    int16_t SingleStockMode = 0;      // the run fetches the current stock only
    int16_t LastNodeIndex = 1;        // the tree node last opened
    int16_t BaseRowHeight = 0;        // the grids' row height at start-up
    Winsock *Winsock1 = nullptr;      // the Update run's socket
    int16_t SocketBusy = 0;           // -1 from its connect until its page is written

    // The run's two page transports; each answers whether a page was stored:
    // a whole 200 reply of at least minimum bytes. Any other fetch writes
    // nothing and keeps the older page.
    virtual bool DownloadURL(const QString &file, const QString &url, const QString &status, qint64 minimum = 0) = 0;
    virtual bool SocketFetch(const QString &site, const QString &pathAndQuery, const QString &file,
                             const QString &status, qint64 minimum = 0) = 0;

    // An Update run or a fast update is under way.
    virtual bool UpdateRunning() const = 0;
    // Places a secondary window across the given width (the window's outer
    // or inner width), 700 twips below the news ticker's top.
    virtual void PlaceBelowTicker(QWidget *form, double width) = 0;

    // The page jobs of collect/ show each fetch in the window's caption.
    virtual void setWindowTitle(const QString &title) = 0;

    // The news ticker strip along the top; shrunken windows line up below it
    // (core/Arrange).
    QWidget *NewsTicker1 = nullptr;
    // The window as a widget: the owner of the portfolio's dialogs, the width
    // the chart dialog (queries/BigChart) spans, what the news dialog
    // (links/) centres on, and what the questionnaire (services/Thanks) asks
    // whether it is on screen.
    QWidget *Widget();
    const QWidget *Widget() const;

    // The portfolio's commands (portfolio/): its dialogs open modal on the
    // window; removing a stock shows the set again wherever its stocks are
    // listed; the set editor reloads the set menu and opens the edited set.
    virtual void ShowModal(QWidget *form) = 0;
    virtual void FG_Current() = 0;
    // Every list of the open set's stocks on show (symbol bar, news ticker,
    // tree, the "Current" grid) drawn again from Stocks, so a stock that has
    // left the set leaves them all at once.
    virtual void ShowOpenSet() = 0;
    virtual void LoadSets() = 0;
    virtual void mnuSet_Click(int index) = 0;

    // The tip window's "Get Free Tip" (services/frmAdviser) starts the tip fetch.
    virtual void UpdateAdvise() = 0;

    // The tree's node rules (navtree/) call the folders' fillers and link
    // calls directly; these need the window itself: a stock's leaf picks its
    // stock on the symbol bar, a stock node brings its row of the Current
    // grid (above) into view, a consultation node runs the consultation menu's
    // item, and the chart dialogs and the news dialog (links/) are the
    // window's own.
    virtual void SelectSymbol(QByteArray &symbol) = 0;
    virtual bool ShowCurrentRow(const QByteArray &symbol) = 0;
    virtual void ShowConsultation(int n) = 0;
    virtual void Own(QWidget *form) = 0;

    MainView(const MainView &) = delete;
    MainView &operator=(const MainView &) = delete;

protected:
    MainView();
    virtual ~MainView();
};
