#pragma once
// The newsgroup reader and its NNTP client; the main window places it and
// shows it modeless. Groups come from the shipped categories (NewsList.txt),
// My List (server.lst) or the server; opening a group walks its articles
// one header at a time into the article grid, which takes the rows in a
// batch a few times a second; a click on an article shows its text.
//
// Each command waits for its own reply (Nntp::ReplyReader matches replies
// to the commands sent), at most a minute without data arriving and five
// minutes in all; a close or socket error, or a reply past the reader's
// size bounds, ends the wait at once and the connection with it. One request talks to the
// server at a time: an article clicked during the header walk is fetched
// between two of its steps, another group opened ends the walk first.
#include "services/Nntp.h"

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <climits>
#include <cstdint>
#include <memory>
#include <optional>

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

    // How long a reply may keep silent; tests shorten it (0: the default).
    static void SetReplyTimeoutMs(int ms);
    // How long a reply may take in all, however it keeps coming; tests
    // shorten it (0: the default, 5 minutes).
    static void SetExchangeLimitMs(int ms);
    // The most the reply reader held at once since the window opened.
    qsizetype MostBuffered() const { return mostBuffered_; }

    // The shipped list, put into AppFolder when it is missing there.
    static void EnsureNewsList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    explicit News(QWidget *parent = nullptr);
    void BuildControls();
    void Status(const QString &text);
    void SetLinkLabels(bool connectOn);
    void SetupGroupGrid(const QList<double> &widths);
    void SetupArticleGrid();
    // A walked header waits for the next batch into the grid.
    void AddArticleRow(const Nntp::Header &h);
    void ShowWalkedRows();
    void ShowBody(const Nntp::Reply &reply);

    // One command and its reply; nullopt when the connection ended, the
    // wait timed out or the window went (the status says which).
    std::optional<Nntp::Reply> Exchange(const QByteArray &command);
    void WaitOnSocket(quint64 link);
    // The connection is over: socket closed, labels for a new Connect.
    void Drop();
    void Winsock1_DataArrival(int bytesTotal);
    void Winsock1_Close();
    void Winsock1_Error(int number, const QString &description);

    // Runs the requests the user made, one at a time.
    void Drive();
    void OpenGroup(const QByteArray &name);
    void OpenArticle(const QByteArray &number);
    // An article asked for meanwhile, fetched between two steps of a walk.
    void RunPendingArticle();

    Nntp::ReplyReader replies_;
    qint64 received_ = 0;
    qsizetype mostBuffered_ = 0;
    // Waiting on the socket between turns of the event loop.
    QElapsedTimer turn_;
    int skip_ = 0;
    int backoff_ = 1;
    quint64 link_ = 0; // bumped whenever a connection ends
    bool driving_ = false;
    bool closing_ = false;
    std::optional<QByteArray> pendingGroup_;
    std::optional<QByteArray> pendingArticle_;
    bool pendingList_ = false;
    QList<Nntp::Header> walked_;
    QTimer *rowBatch_ = nullptr;
    std::unique_ptr<clsFormResize> resizer_;
};
