#include "services/News.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "platform/Artwork.h"
#include "platform/ControlNames.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/Text.h"
#include "platform/Twips.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "platform/VbInput.h"
#include "platform/Winsock.h"
#include "platform/clsFormResize.h"
#include "services/ServerAddress.h"
#include "sheets/GridInteraction.h"
#include "sheets/Utilities.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <cmath>

namespace {

News *g_news = nullptr;

// Laying out and painting the grid costs far more than a header's round
// trip: a walk's rows go in a few times a second instead of one by one.
constexpr int kRowBatchMs = 100;
// A large server's list is a million groups, many seconds of grid rows:
// the event loop turns after each slice of them.
constexpr int kListSlice = 2000;

constexpr uint32_t kBlue = 0xFF0000; // 0x00BBGGRR
constexpr uint32_t kRed = 0x0000FF;

const char *const kGroupCaptions[19] = {
    "Stocks", "Bonds", "Commodities", "Economy", "Money", "Employment", "Futures", "Industries", "Media",
    "Insurance", "Mutual Funds", "Options", "Personal Finance", "My List", "Server List", "Save List",
    "List Group", "Add Group", "Remove Group"};

void Tag(QWidget *w, const char *tag) { w->setProperty("Tag", QString::fromLatin1(tag)); }

QString Latin(QByteArrayView bytes) { return Text::FromCp1252(bytes); }

} // namespace

void News::EnsureNewsList()
{
    const QString path = AppFolder + QStringLiteral("/NewsList.txt");
    if (QFile::exists(path))
        return;
    if (QFile::copy(QStringLiteral(":/resources/news/NewsList.txt"), path))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

News *News::Load()
{
    if (!g_news) {
        g_news = new News;
        g_news->setAttribute(Qt::WA_DeleteOnClose);
        g_news->Form_Load();
    }
    return g_news;
}

News *News::Loaded() { return g_news; }

News::News(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("News"));
    setWindowTitle(QStringLiteral("Tickerwatch Zerero Rozere"));
    resize(Twips::ToPixels(9300), Twips::ToPixels(5805));
    BuildControls();
}

News::~News()
{
    if (g_news == this)
        g_news = nullptr;
}

void News::BuildControls()
{
    const auto label = [this](QWidget *parent, const QString &text, const QString &name, const char *tip) {
        auto *l = new QLabel(text, parent);
        l->setObjectName(name);
        if (tip)
            l->setToolTip(QString::fromLatin1(tip));
        l->installEventFilter(this);
        return l;
    };

    static const char *pages[3] = {"Groups", "Messages", "Options"};
    for (int i = 0; i < 3; ++i) {
        Frm[i] = new QFrame(this);
        Frm[i]->setObjectName(ControlNames::Indexed("Frm", i));
        Tag(Frm[i], "@TLWH");
        Geometry::Move(Frm[i], 120, 0, 9015, 5175);
    }
    auto *groupsTitle = new QLabel(QStringLiteral("Groups"), Frm[0]);
    Geometry::Move(groupsTitle, 1680, 240, 1800, 255);
    auto *messagesTitle = new QLabel(QStringLiteral("Messages"), Frm[1]);
    Tag(messagesTitle, "@TLWH");
    Geometry::Move(messagesTitle, 120, 60, 1800, 255);

    // Groups page.
    FG_Groups = new FlexGrid(Frm[0]);
    FG_Groups->setObjectName(QStringLiteral("FG_Groups"));
    Geometry::Move(FG_Groups, 1680, 600, 5895, 3855);
    ShpNav = new QFrame(Frm[0]);
    ShpNav->setObjectName(QStringLiteral("ShpNav"));
    ShpNav->setProperty("vbType", QStringLiteral("Shape"));
    ShpNav->setFrameShape(QFrame::Box);
    Tag(ShpNav, "@TLWH");
    Geometry::Move(ShpNav, 70, 240, 1540, 255);
    for (int i = 0; i < 19; ++i) {
        lblGroups[i] = label(Frm[0], QString::fromLatin1(kGroupCaptions[i]), ControlNames::Indexed("lblGroups", i),
                             nullptr);
        VbColor::SetForeColor(lblGroups[i], VbColor::ToQColor(kBlue));
        if (i < 13)
            Geometry::Move(lblGroups[i], 120, 240 + 350 * i, 1440, 255);
        else
            Geometry::Move(lblGroups[i], 7440, 240 + 336 * (i - 13), 1455, 255);
    }

    // Messages page.
    FG = new FlexGrid(Frm[1]);
    FG->setObjectName(QStringLiteral("FG"));
    FG->setToolTip(QStringLiteral("Click On Header To View Message"));
    Tag(FG, "@TLWH");
    Geometry::Move(FG, 120, 360, 8775, 2130);
    Text2 = new QPlainTextEdit(Frm[1]);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setToolTip(QStringLiteral("Message Body"));
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Tag(Text2, "@TLWH");
    Geometry::Move(Text2, 120, 2505, 8775, 2415);
    Split = new QFrame(Frm[1]);
    Split->setObjectName(QStringLiteral("Split"));
    Split->setProperty("vbType", QStringLiteral("PictureBox"));
    Split->setAutoFillBackground(true);
    Split->setStyleSheet(QStringLiteral("background: #c0c0c0;"));
    Tag(Split, "@TLWH");
    // 35 twips is under three pixels: the bar keeps a height a mouse can grab.
    Geometry::Move(Split, 120, 2520, 8715, 75);
    Split->raise();
    Split->installEventFilter(this);

    // Options page.
    auto *prompt = new QLabel(QStringLiteral("Enter News Server Name:"), Frm[2]);
    Tag(prompt, "@TL");
    Geometry::Move(prompt, 1800, 1800, 2055, 255);
    txtServer = new QLineEdit(Frm[2]);
    txtServer->setObjectName(QStringLiteral("txtServer"));
    txtServer->setToolTip(QStringLiteral("Server Name"));
    Geometry::Move(txtServer, 3960, 1800, 2535, 285);
    cmdApply = new QPushButton(QStringLiteral("&Apply"), Frm[2]);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdApply->setToolTip(QStringLiteral("Apply Changes"));
    cmdApply->setEnabled(false);
    Tag(cmdApply, "@TL");
    Geometry::Move(cmdApply, 3720, 2880, 1215, 375);

    // The row under the pages.
    cmdClose = label(this, QStringLiteral("Exit"), QStringLiteral("cmdClose"), "Exit Vezoza Vozuduve (Alt X)");
    cmdConnect = label(this, QStringLiteral("Connect"), QStringLiteral("cmdConnect"), "Connect to news server (Alt C)");
    cmdDisconnect = label(this, QStringLiteral("Disconnect"), QStringLiteral("cmdDisconnect"),
                          "Disconnect from news server (Alt D)");
    cmdDisconnect->setEnabled(false);
    static const char *navTips[3] = {"List of groups (Alt G)", "List of massages (Alt M)", "Setting (Alt O)"};
    for (int i = 0; i < 3; ++i)
        lblNav[i] = label(this, QString::fromLatin1(pages[i]), ControlNames::Indexed("lblNav", i), navTips[i]);
    const int lefts[6] = {120, 900, 1620, 3900, 4620, 5580};
    QLabel *row[6] = {cmdClose, cmdConnect, cmdDisconnect, lblNav[0], lblNav[1], lblNav[2]};
    for (int i = 0; i < 6; ++i) {
        Tag(row[i], "@TL");
        Geometry::Move(row[i], lefts[i], 5280, 900, 255);
    }
    LayOutRow();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel = new QLabel(StatusBar1);
    StatusPanel->setObjectName(QStringLiteral("StatusBar1_1"));
    // It shows server replies: as text, never as markup.
    StatusPanel->setTextFormat(Qt::PlainText);
    StatusBar1->addWidget(StatusPanel, 1);
    Tag(StatusBar1, "@TW");
    Geometry::Move(StatusBar1, 0, 5550, 9300, 255);

    Winsock1 = new Winsock(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    client_ = new NewsClient(Winsock1, this);
    WireClient();

    rowBatch_ = new QTimer(this);
    rowBatch_->setSingleShot(true);
    rowBatch_->setInterval(kRowBatchMs);
    connect(rowBatch_, &QTimer::timeout, this, &News::ShowWalkedRows);
    listSlice_ = new QTimer(this);
    listSlice_->setSingleShot(true);
    listSlice_->setInterval(0);
    connect(listSlice_, &QTimer::timeout, this, &News::ShowListedSlice);

    connect(FG_Groups, &FlexGrid::DblClick, this, &News::FG_Groups_DblClick);
    connect(FG, &FlexGrid::Click, this, &News::FG_Click);
    connect(FG, &FlexGrid::DblClick, this, &News::FG_DblClick);
    connect(txtServer, &QLineEdit::textChanged, this, [this] { txtServer_Change(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    // Key preview: the window sees every key before the focused control.
    for (QWidget *w : {static_cast<QWidget *>(FG_Groups), static_cast<QWidget *>(FG),
                       static_cast<QWidget *>(Text2), static_cast<QWidget *>(txtServer),
                       static_cast<QWidget *>(cmdApply)})
        w->installEventFilter(this);
}

void News::Form_Load()
{
    EnsureNewsList();
    lblGroups[15]->setEnabled(false);
    lblGroups[16]->setEnabled(false);
    NewsState = QStringLiteral("None");
    NewsConnected = 0;
    lblNav_Click(0);
    NewsHost = Settings::Get(QStringLiteral("NewsServer")).ToText();
    Split->setCursor(Artwork::Cursor(103));
    LoadMyList();
    resizer_ = std::make_unique<clsFormResize>();
    resizer_->SetSourceForm(this);
}

void News::Form_Resize()
{
    if (closing_ || !resizer_)
        return;
    Vb::Skip([this] { resizer_->ScaleControls(); });
}

void News::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
    LayOutRow();
}

void News::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The captions may have been widened to the desktop's font.
    LayOutRow();
}

void News::LayOutRow()
{
    // Captions wider than the steps between them would run together.
    constexpr int GapTwips = 120;
    QLabel *const row[6] = {cmdClose, cmdConnect, cmdDisconnect, lblNav[0], lblNav[1], lblNav[2]};
    int right = 0;
    for (QLabel *l : row) {
        l->resize(l->sizeHint().width(), l->height());
        if (l != row[0] && l->x() < right + Twips::ToPixels(GapTwips))
            l->move(right + Twips::ToPixels(GapTwips), l->y());
        right = l->x() + l->width();
    }
}

void News::Status(const QString &text) { StatusPanel->setText(text); }

void News::SetLinkLabels(bool connectOn)
{
    cmdConnect->setEnabled(connectOn);
    cmdDisconnect->setEnabled(!connectOn);
}

// ---------------------------------------------------------------- pages

void News::lblNav_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    for (int i = 0; i < 3; ++i) {
        VbColor::SetForeColor(lblNav[i], VbColor::ToQColor(kBlue));
        Frm[i]->hide();
    }
    Frm[index]->show();
    VbColor::SetForeColor(lblNav[index], VbColor::ToQColor(kRed));
    if (index == 2)
        txtServer->setText(NewsHost);
}

void News::lblGroups_Click(int index)
{
    if (index < 0 || index > 18 || !lblGroups[index]->isEnabled())
        return;
    CurrentCategory = lblGroups[index]->text();
    if (index < 15)
        Geometry::Move(ShpNav, Geometry::Left(lblGroups[index]) - 50, Geometry::Top(lblGroups[index]),
                       Geometry::Width(lblGroups[index]) + 100, Geometry::Height(ShpNav));
    if (index <= 12) {
        SetupGroupGrid({45, 54});
        const QList<QByteArray> rows = Nntp::CategoryRows(Misc::ReadFile(AppFolder + QStringLiteral("/NewsList.txt")),
                                                          Text::ToCp1252(CurrentCategory));
        for (const QByteArray &row : rows)
            FG_Groups->AddItem(Latin(row));
        return;
    }
    switch (index) {
    case 13:
        LoadMyList();
        break;
    case 14:
        LoadServerList();
        break;
    case 17:
        AddGroup();
        break;
    case 18:
        EnableSaveList();
        break;
    default:
        break;
    }
}

void News::SetupGroupGrid(const QList<double> &widths)
{
    FG_Groups->Clear();
    FG_Groups->SetRows(1);
    FG_Groups->SetCols(2);
    FG_Groups->SetFixedCols(1);
    Vb::Skip([&] { Utilities::SetColWidth(FG_Groups, widths); });
    Vb::Skip([&] { Utilities::SetColAlignment(FG_Groups, {1, 1}); });
    Vb::Skip([&] { Utilities::SetHeaders(FG_Groups, {QStringLiteral("Description"), QStringLiteral("Group Name")}); });
}

void News::LoadMyList()
{
    const QString path = AppFolder + QStringLiteral("/server.lst");
    const bool present = QFile::exists(path);
    SetupGroupGrid({2, 98});
    if (!present)
        return;
    Status(QStringLiteral("Getting list from file"));
    const QList<QByteArray> rows = Nntp::MyListRows(Misc::ReadFile(path));
    FG_Groups->SetRows(1 + int(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        FG_Groups->SetTextMatrix(1 + i, 1, Latin(rows[i]));
    Status(QStringLiteral("Finished getting list."));
}

void News::AddGroup()
{
    const QString answer = Dialogs::InputBox(QStringLiteral("Inset new Group"), QStringLiteral("Add Group"), QString());
    if (answer.isEmpty())
        return;
    FG_Groups->SetRows(FG_Groups->Rows() + 1);
    FG_Groups->SetTextMatrix(FG_Groups->Rows() - 1, 1, answer);
    lblGroups[15]->setEnabled(true);
}

void News::EnableSaveList() { lblGroups[15]->setEnabled(true); }

// ---------------------------------------------------------------- articles

void News::SetupArticleGrid()
{
    walked_.clear();
    rowBatch_->stop();
    FG->Clear();
    FG->SetRows(2);
    FG->SetCols(6);
    Vb::Skip([this] {
        Utilities::SetHeaders(FG, {QString(), QStringLiteral("Subject"), QStringLiteral("Date"),
                                   QStringLiteral("From"), QStringLiteral("Lines"), QStringLiteral("ID")});
    });
    Vb::Skip([this] { Utilities::SetColWidth(FG, {3, 58, 15, 15, 8, 0}); });
    for (int c = 1; c <= 3; ++c)
        FG->SetColAlignment(c, FlexGrid::flexAlignLeftCenter);
    FG->SetColAlignment(4, FlexGrid::flexAlignCenterCenter);
    FG->SetColAlignment(5, FlexGrid::flexAlignCenterCenter);
    FG->SetRowHeight(1, 0);
}

void News::AddArticleRow(const Nntp::Header &h)
{
    walked_.append(h);
    if (!rowBatch_->isActive())
        rowBatch_->start();
}

void News::ShowWalkedRows()
{
    rowBatch_->stop();
    if (walked_.isEmpty())
        return;
    int row = FG->Rows();
    FG->SetRows(row + int(walked_.size()));
    for (const Nntp::Header &h : std::as_const(walked_)) {
        FG->SetTextMatrix(row, 1, Latin(h.subject));
        FG->SetTextMatrix(row, 2, Latin(h.date));
        FG->SetTextMatrix(row, 3, Latin(h.from));
        FG->SetTextMatrix(row, 4, QString::number(h.lines));
        FG->SetTextMatrix(row, 5, Latin(h.number));
        ++row;
    }
    walked_.clear();
}

void News::FG_DblClick()
{
    // The hidden empty row stays where it is.
    FG->SetSortRows(2, FG->Rows() - 1);
    GridInteraction::Sort(FG);
}

void News::ShowBody(const Nntp::Reply &reply)
{
    if (reply.Code() != "222") {
        Text2->setPlainText(Latin(reply.status));
        return;
    }
    Text2->setPlainText(Latin(reply.lines.Joined()));
}

// ---------------------------------------------------------------- splitter

void News::Split_MouseDown(int button, double y)
{
    if (button == 1) {
        Split->setCursor(Artwork::Cursor(102));
        Split->setStyleSheet(QStringLiteral("background: #000000;"));
        SplitGrab = int32_t(std::lround(y));
        return;
    }
    if (SplitGrab != NotDragging)
        Split_MouseUp();
    SplitGrab = NotDragging;
}

void News::Split_MouseMove(double y)
{
    const int32_t at = int32_t(std::lround(y));
    if (SplitGrab == NotDragging || at == SplitGrab)
        return;
    Geometry::Move(Split, Geometry::Left(FG), Geometry::Top(Split) + at, Geometry::Width(Text2),
                   Geometry::Height(Split));
    SplitGrab = at;
}

void News::Split_MouseUp()
{
    Split->setCursor(Artwork::Cursor(103));
    SplitGrab = NotDragging;
    Split->setStyleSheet(QStringLiteral("background: palette(button);"));
    const double page = Geometry::Height(Frm[1]);
    double top = Geometry::Top(Split);
    if (top < 400)
        top = 400;
    else if (top > page)
        top = page - 400;
    Geometry::SetTop(Split, top);
    Geometry::SetTop(Text2, top + 30);
    Geometry::SetHeight(Text2, page - 100 - top);
    Geometry::SetHeight(FG, top - 230);
}

// ---------------------------------------------------------------- server setting

void News::txtServer_Change() { cmdApply->setEnabled(true); }

void News::cmdApply_Click()
{
    NewsHost = txtServer->text();
    lblNav_Click(0);
    Vb::Skip([this] { Settings::Set(QStringLiteral("NewsServer"), txtServer->text()); });
    cmdApply->setEnabled(false);
}

// ---------------------------------------------------------------- keys and mouse

void News::Form_KeyDown(int keyCode, int shift)
{
    constexpr int Alt = 4;
    const bool alt = shift & Alt;
    if (alt && keyCode == 'G')
        lblNav_Click(0);
    else if (alt && keyCode == 'M')
        lblNav_Click(1);
    else if (alt && keyCode == 'O')
        lblNav_Click(2);
    else if (alt && keyCode == 'C')
        cmdConnect_Click();
    else if (alt && keyCode == 'D')
        cmdDisconnect_Click();
    else if ((alt && keyCode == 'X') || keyCode == 27)
        cmdClose_Click();
}

void News::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(VbInput::KeyCode(event), VbInput::Shift(event->modifiers()));
}

bool News::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int code = VbInput::KeyCode(key);
        const int shift = VbInput::Shift(key->modifiers());
        const bool mine = code == 27 || ((shift & 4) && QByteArrayView("GMOCDX").contains(char(code)));
        if (mine) {
            Form_KeyDown(code, shift);
            return true;
        }
        return false;
    }
    if (watched == Split) {
        const bool isMouse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove
                             || event->type() == QEvent::MouseButtonRelease;
        if (!isMouse)
            return QWidget::eventFilter(watched, event);
        auto *mouse = static_cast<QMouseEvent *>(event);
        const double y = Twips::FromPixels(mouse->position().y());
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            Split_MouseDown(VbInput::Buttons(mouse->button()), y);
            return true;
        case QEvent::MouseMove:
            Split_MouseMove(y);
            return true;
        case QEvent::MouseButtonRelease:
            Split_MouseUp();
            return true;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *label = qobject_cast<QLabel *>(watched);
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!label || !label->isEnabled() || mouse->button() != Qt::LeftButton
            || !label->rect().contains(mouse->position().toPoint()))
            return false;
        for (int i = 0; i < 19; ++i)
            if (label == lblGroups[i]) {
                lblGroups_Click(i);
                return true;
            }
        for (int i = 0; i < 3; ++i)
            if (label == lblNav[i]) {
                lblNav_Click(i);
                return true;
            }
        if (label == cmdConnect)
            cmdConnect_Click();
        else if (label == cmdDisconnect)
            cmdDisconnect_Click();
        else if (label == cmdClose)
            cmdClose_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- the client

// The client talks; the window says in words and shows what it reports.
void News::WireClient()
{
    connect(client_, &NewsClient::LinkChanged, this, &News::ShowLink);
    connect(client_, &NewsClient::Asking, this, [this](const QString &word) { NewsState = word; });
    connect(client_, &NewsClient::Failed, this, &News::ShowFailure);
    connect(client_, &NewsClient::SocketError, this, [this](int number, const QString &description) {
        Status(QStringLiteral("Error ") + QString::number(number) + u' ' + description);
    });
    connect(client_, &NewsClient::Refused, this,
            [this](const QByteArray &status) { Status(QStringLiteral("Error ") + Latin(status)); });
    connect(client_, &NewsClient::GroupsListed, this, &News::ShowGroups);
    connect(client_, &NewsClient::WalkStarted, this, &News::SetupArticleGrid);
    connect(client_, &NewsClient::GroupEntered, this, [this](const Nntp::GroupRange &range) {
        Status(QStringLiteral("Downloading Header Number ") + Latin(range.first) + QStringLiteral(" to ")
               + Latin(range.last));
    });
    connect(client_, &NewsClient::GroupRefused, this, [this](const QByteArray &name, const QByteArray &status) {
        Status(QStringLiteral("Could not open group ") + Latin(name) + QStringLiteral(": ") + Latin(status));
    });
    connect(client_, &NewsClient::HeaderRead, this, &News::AddArticleRow);
    connect(client_, &NewsClient::WalkEnded, this, &News::ShowWalkedRows);
    connect(client_, &NewsClient::ArticleRead, this, &News::ShowBody);
}

void News::ShowLink(NewsClient::Link link)
{
    switch (link) {
    case NewsClient::Link::Down:
        NewsConnected = 0;
        SetLinkLabels(true);
        break;
    case NewsClient::Link::Connecting:
        SetLinkLabels(false);
        Status(QStringLiteral("Connecting to ") + NewsHost);
        break;
    case NewsClient::Link::Up:
        NewsConnected = -1;
        for (int i : {16, 14, 15, 13})
            lblGroups[i]->setEnabled(true);
        Status(QStringLiteral("Connected to ") + NewsHost);
        break;
    }
}

void News::ShowFailure(NewsClient::Failure why)
{
    switch (why) {
    case NewsClient::Failure::Closed:
        Status(QStringLiteral("Disconnected From ") + NewsHost);
        break;
    case NewsClient::Failure::TooMuch:
        Status(QStringLiteral("Too much data from ") + NewsHost);
        break;
    case NewsClient::Failure::Unfinished:
        Status(QStringLiteral("No complete reply from ") + NewsHost);
        break;
    case NewsClient::Failure::Silent:
        Status(QStringLiteral("No reply from ") + NewsHost);
        break;
    }
}

void News::cmdConnect_Click()
{
    const RunOnce once(this, "cmdConnect_Click");
    if (!once)
        return;
    if (NewsConnected) {
        Status(QStringLiteral("Already connected : ") + NewsHost);
        return;
    }
    if (NewsHost.isEmpty()) {
        lblNav_Click(2);
        return;
    }
    const ServerAddress server = ServerAddress::Parse(NewsHost, Nntp::DefaultPort);
    if (!server.ok) {
        Status(QStringLiteral("Not a news server: ") + NewsHost);
        return;
    }
    client_->Connect(server);
}

void News::cmdDisconnect_Click() { client_->Disconnect(); }

void News::LoadServerList()
{
    const int answer = Dialogs::MsgBox(
        QStringLiteral("This action will load all groups from the server.\r\n"
                       "It's might take time. We recommended using the local list instead.\r\n"
                       "Are you sure that you want to use server list?"),
        Dialogs::vbYesNo | Dialogs::vbExclamation | Dialogs::vbDefaultButton2, QStringLiteral("Load All Groups?"));
    if (answer != Dialogs::vbYes)
        return;
    if (!NewsConnected) {
        Status(QStringLiteral("To get a list from the server you must connect to news server."));
        return;
    }
    client_->ListGroups();
}

void News::ShowGroups(const Nntp::Lines &list)
{
    listed_.append(list.begin());
    ShowListedSlice();
}

void News::ShowListedSlice()
{
    int n = 0;
    while (!listed_.isEmpty() && n < kListSlice) {
        Nntp::Lines::const_iterator &next = listed_.first();
        for (; !next.AtEnd() && n < kListSlice; ++next, ++n)
            FG_Groups->AddItem(u'\t' + Latin(Nntp::GroupName(*next)));
        if (next.AtEnd()) {
            listed_.removeFirst();
            Status(QStringLiteral("List Download"));
            QApplication::beep();
        }
    }
    if (!listed_.isEmpty())
        listSlice_->start();
}

void News::FG_Groups_DblClick()
{
    if (!NewsConnected) {
        Status(QStringLiteral("You have to connect to the news server."));
        SetupArticleGrid();
        return;
    }
    const QByteArray name = Text::ToCp1252(FG_Groups->TextMatrix(FG_Groups->Row(), 1)).trimmed();
    if (!Nntp::GroupNameUsable(name)) {
        Status(QStringLiteral("Not a group name: \"") + Latin(name) + u'"');
        return;
    }
    lblNav_Click(1);
    client_->OpenGroup(name);
}

void News::FG_Click()
{
    NewsState = QStringLiteral("BODY");
    if (!NewsConnected)
        return;
    const QByteArray number = Text::ToCp1252(FG->TextMatrix(FG->Row(), 5));
    if (!Nntp::ArticleNumberUsable(number))
        return;
    client_->OpenArticle(number);
}

void News::cmdClose_Click()
{
    const RunOnce once(this, "cmdClose_Click");
    if (!once)
        return;
    closing_ = true;
    cmdDisconnect_Click();
    const QPointer<News> self(this);
    Misc::DoEvents();
    if (!self)
        return;
    Misc::RollWindow(this, 25);
    if (!self)
        return;
    if (g_news == this)
        g_news = nullptr;
    close();
    Misc::DoEvents();
}

void News::closeEvent(QCloseEvent *event)
{
    // The frame's close runs the Exit steps; they close the window in turn,
    // once this close is over (a close inside a close is not one).
    if (!closing_) {
        event->ignore();
        QMetaObject::invokeMethod(this, [this] { cmdClose_Click(); }, Qt::QueuedConnection);
        return;
    }
    if (g_news == this)
        g_news = nullptr;
    QWidget::closeEvent(event);
}
