#pragma once
// The newsgroup reader; the main window places it and shows it modeless.
// Groups come from the shipped categories (NewsList.txt), My List
// (server.lst) or the server; opening a group walks its articles one header
// at a time into the article grid, which takes the rows in a batch a few
// times a second; a click on an article shows its text. The server's list
// goes into the group grid a slice at a time, so that the window answers
// while a long one fills it. The talk with the server is the NewsClient's:
// the window asks it, says in the status line what it reports and shows
// what it reads.
#include "services/NewsClient.h"

#include <QString>
#include <QWidget>
#include <climits>
#include <cstdint>
#include <memory>

class FlexGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;
class Winsock;
class clsFormResize;

class News : public QWidget {
    Q_OBJECT
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static News *Load();
    static News *Loaded();
    ~News() override;

    QFrame *Frm[3] = {};
    QLabel *lblNav[3] = {};
    QLabel *cmdClose = nullptr;
    QLabel *cmdConnect = nullptr;
    QLabel *cmdDisconnect = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel = nullptr; // panel 1 of StatusBar1
    FlexGrid *FG_Groups = nullptr;
    QLabel *lblGroups[19] = {};
    QFrame *ShpNav = nullptr;
    FlexGrid *FG = nullptr;
    QFrame *Split = nullptr;
    QPlainTextEdit *Text2 = nullptr;
    QLineEdit *txtServer = nullptr;
    QPushButton *cmdApply = nullptr;
    Winsock *Winsock1 = nullptr;

    QString NewsHost;
    int16_t NewsConnected = 0;
    QString NewsState; // the request last made
    QString CurrentCategory;
    static constexpr int32_t NotDragging = INT32_MAX;
    int32_t SplitGrab = NotDragging;

    void Form_Load();
    void Form_Resize();
    void Form_KeyDown(int keyCode, int shift);
    void lblNav_Click(int index);
    void lblGroups_Click(int index);
    void LoadMyList();
    void AddGroup();
    void EnableSaveList();
    void LoadServerList();
    void FG_Groups_DblClick();
    void FG_Click();
    void FG_DblClick();
    void Split_MouseDown(int button, double y);
    void Split_MouseMove(double y);
    void Split_MouseUp();
    void txtServer_Change();
    void cmdApply_Click();
    void cmdConnect_Click();
    void cmdDisconnect_Click();
    void cmdClose_Click();

    // The client's bounds, for tests (NewsClient says what they are).
    static void SetReplyTimeoutMs(int ms) { NewsClient::SetReplyTimeoutMs(ms); }
    static void SetExchangeLimitMs(int ms) { NewsClient::SetExchangeLimitMs(ms); }
    // The most the reply reader held at once since the window opened.
    qsizetype MostBuffered() const { return client_->MostBuffered(); }

    // The shipped list, put into AppFolder when it is missing there.
    static void EnsureNewsList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    explicit News(QWidget *parent = nullptr);
    void BuildControls();
    // The label-buttons under the pages, as wide as their captions, each at
    // its place unless the caption before it reaches there.
    void LayOutRow();
    void Status(const QString &text);
    void SetLinkLabels(bool connectOn);
    void SetupGroupGrid(const QList<double> &widths);
    void SetupArticleGrid();
    // A walked header waits for the next batch into the grid.
    void AddArticleRow(const Nntp::Header &h);
    void ShowWalkedRows();
    void ShowBody(const Nntp::Reply &reply);
    // What the client reports, in the window.
    void WireClient();
    void ShowLink(NewsClient::Link link);
    void ShowFailure(NewsClient::Failure why);
    void ShowGroups(const Nntp::Lines &list);
    void ShowListedSlice();

    NewsClient *client_ = nullptr;
    bool closing_ = false;
    QList<Nntp::Header> walked_;
    QTimer *rowBatch_ = nullptr;
    // Server lists still going into the group grid, each from its next line.
    QList<Nntp::Lines::const_iterator> listed_;
    QTimer *listSlice_ = nullptr;
    std::unique_ptr<clsFormResize> resizer_;
};
