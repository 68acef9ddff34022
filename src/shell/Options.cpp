#include "shell/Options.h"
#include "platform/ControlNames.h"
#include "platform/Hourglass.h"

#include "core/Misc.h"
#include "core/Settings.h"
#include "core/ViewState.h"
#include "platform/BoxValue.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Help.h"
#include "platform/RunOnce.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "platform/VbInput.h"
#include "platform/Winsock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

namespace {
Options *g_options = nullptr;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

struct PageLabel {
    const char *caption;
    const char *frameCaption;
    const char *tip;
};
const PageLabel kPages[Options::PageCount] = {
    {"Daily Consultation", "Daily Consultation", "Select daily consultation update options (Alt D)"},
    {"Stocks Data", "Stocks Data", "Select stock data update options (Alt S)"},
    {"Market Data", "Market Data", "Select market data and Ipo's update options (Alt M)"},
    {"Funds", "Funds", nullptr},
    {"Voice Options", "Voice", "Voice Options (Alt V)"},
    {"Network Options", "Network Setting", nullptr},
    {"General Options", "General Options", nullptr},
};

// Alt + letter opens a page. G is the network page; General is N.
int PageOfKey(int keyCode)
{
    switch (keyCode) {
    case 'D': return 0;
    case 'S': return 1;
    case 'M': return 2;
    case 'F': return 3;
    case 'V': return 4;
    case 'G': return 5;
    case 'N': return 6;
    default: return -1;
    }
}

constexpr int kAltMask = 4;

using ControlNames::Indexed;

VbError InvalidPropertyValue() { return VbError(380, QStringLiteral("Invalid property value")); }

// Reading a stored number the way the window's reader does: the number must
// read, and a list index or a box state must fit the control.
int16_t ReadInt(const RegVariant &v) { return Vb::CInt(v.ToNumber()); }

void SelectEntry(QComboBox *list, int index)
{
    if (index < -1 || index >= list->count())
        throw InvalidPropertyValue();
    list->setCurrentIndex(index);
}

// "True", "False", or a number (non-zero is true); anything else does not
// read.
bool ReadsTrue(const RegVariant &v)
{
    const QString t = v.ToText().trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    return v.ToNumber() != 0;
}

QLabel *Caption(QWidget *parent, const char *objectName, const char *text)
{
    auto *l = new QLabel(QString::fromLatin1(text), parent);
    l->setObjectName(QString::fromLatin1(objectName));
    return l;
}

QLineEdit *TextBox(QWidget *parent, const char *objectName, const char *tip)
{
    auto *t = new QLineEdit(parent);
    t->setObjectName(QString::fromLatin1(objectName));
    t->setToolTip(QString::fromLatin1(tip));
    return t;
}

class VbCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override
    {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        setTristate(false);
    }
};
} // namespace

// ---------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------

QCheckBox *Options::NewBox(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *box = new VbCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

void Options::SetForeColor(QWidget *w, const QColor &color)
{
    VbColor::SetForeColor(w, color);
    VbColor::SetPaletteColor(w, QPalette::Text, color);
}

// ---------------------------------------------------------------------------
// The one window
// ---------------------------------------------------------------------------

Options *Options::Instance()
{
    if (!g_options) {
        g_options = new Options;
        g_options->Form_Load();
    }
    return g_options;
}

Options *Options::Loaded() { return g_options; }

void Options::Unload()
{
    Options *w = g_options;
    if (!w)
        return;
    g_options = nullptr;
    // done() ends a modal run; the window goes once its event handler has
    // returned, since a button of it may be the one that asked.
    w->done(QDialog::Rejected);
    w->deleteLater();
}

void Options::ShowModal(QWidget *owner, double leftTwips, double topTwips)
{
    // Loading yields to the event loop, and what runs there may close the
    // window again.
    Options *w = Instance();
    if (!w)
        return;
    if (w->parentWidget() != owner)
        w->setParent(owner, w->windowFlags());
    Geometry::Move(w, leftTwips, topTwips, Geometry::Width(w), Geometry::Height(w));
    Geometry::KeepOnScreen(w);
    w->exec();
}

void Options::ShowModeless()
{
    Options *w = Instance();
    if (!w)
        return;
    if (w->parentWidget())
        w->setParent(nullptr, w->windowFlags());
    w->setModal(false);
    w->show();
    w->raise();
    w->activateWindow();
}

Options::Options(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Options"));
    BuildControls();
    WireAppliedHandlers();
    // The window sees keys and focus changes before its controls do.
    installEventFilter(this);
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

Options::~Options()
{
    if (g_options == this)
        g_options = nullptr;
}

void Options::BuildControls()
{
    auto *root = new QVBoxLayout(this);
    // The roll-up effect shrinks the window below its layout's minimum.
    root->setSizeConstraint(QLayout::SetNoConstraint);
    root->setContentsMargins(10, 10, 10, 10);
    root->setSpacing(8);

    auto *body = new QHBoxLayout;
    body->setSpacing(10);
    root->addLayout(body, 1);

    // Page labels, 360 twips apart.
    auto *nav = new QVBoxLayout;
    nav->setSpacing(0);
    nav->setContentsMargins(0, 8, 0, 0);
    for (int i = 0; i < PageCount; ++i) {
        lblNav[i] = new QLabel(QString::fromLatin1(kPages[i].caption), this);
        lblNav[i]->setObjectName(Indexed("lblNav", i));
        if (kPages[i].tip)
            lblNav[i]->setToolTip(QString::fromLatin1(kPages[i].tip));
        lblNav[i]->setFixedHeight(Twips::ToPixels(360));
        lblNav[i]->setCursor(Qt::PointingHandCursor);
        SetForeColor(lblNav[i], i == 0 ? kRed : kBlue);
        nav->addWidget(lblNav[i]);
    }
    nav->addStretch(1);
    body->addLayout(nav);

    // The page frames lie on top of one another; each keeps its place while
    // hidden so the window does not change size between pages.
    auto *pages = new QGridLayout;
    pages->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < PageCount; ++i) {
        frm[i] = new QGroupBox(QString::fromLatin1(kPages[i].frameCaption), this);
        frm[i]->setObjectName(Indexed("frm", i));
        frm[i]->setMouseTracking(true);
        QSizePolicy sp = frm[i]->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        frm[i]->setSizePolicy(sp);
        QWidget *content = i < 4 ? BuildUpdatePage(i) : i == 4 ? BuildVoicePage() : i == 5 ? BuildNetworkPage()
                                                                                          : BuildGeneralPage();
        // The page's own background counts as its frame for the update
        // items' highlight: the pointer leaving a box over it clears it.
        content->setMouseTracking(true);
        content->setProperty("pageBackground", true);
        content->installEventFilter(this);
        auto *frameLayout = new QVBoxLayout(frm[i]);
        frameLayout->setContentsMargins(10, 8, 10, 10);
        frameLayout->addWidget(content);
        frm[i]->setVisible(i == 0);
        pages->addWidget(frm[i], 0, 0);
    }
    body->addLayout(pages, 1);

    auto *bottom = new QHBoxLayout;
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    bottom->addWidget(lblInfo, 1);
    cmd_OK = new QPushButton(QStringLiteral("&OK"), this);
    cmd_OK->setObjectName(QStringLiteral("cmd_OK"));
    cmd_OK->setDefault(true);
    cmd_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmd_cancel->setObjectName(QStringLiteral("cmd_cancel"));
    cmdHelp = new QPushButton(QStringLiteral("&Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    for (QPushButton *b : {cmd_OK, cmd_cancel, cmdHelp}) {
        b->setMinimumWidth(90);
        bottom->addWidget(b);
    }
    root->addLayout(bottom);
    connect(cmd_OK, &QPushButton::clicked, this, [this] { cmd_OK_Click(); });
    connect(cmd_cancel, &QPushButton::clicked, this, [this] { cmd_cancel_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });

    Winsock1 = new Winsock(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &Winsock::Connected, this, [this] { Winsock1_Connect(); });
    connect(Winsock1, &Winsock::DataArrival, this, [this](int bytes) { Winsock1_DataArrival(bytes); });
    connect(Winsock1, &Winsock::Closed, this, [this] { Winsock1_Close(); });
    connect(Winsock1, &Winsock::Error, this,
            [this](int number, const QString &description) { Winsock1_Error(number, description); });

    // Not adjustSize(): that caps a window at two thirds of the screen and
    // would cut the longer captions on small screens.
    resize(sizeHint());
}

QWidget *Options::BuildVoicePage()
{
    auto *page = new QWidget(frm[4]);
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    auto *label = Caption(page, "lblVoice", "Select Broadcaster:");
    cobVoice = new QComboBox(page);
    cobVoice->setObjectName(QStringLiteral("cobVoice"));
    cobVoice->setMinimumWidth(200);
    label->setBuddy(cobVoice);
    v->addWidget(label);
    v->addWidget(cobVoice, 0, Qt::AlignLeft);
    v->addStretch(1);
    return page;
}

QWidget *Options::BuildNetworkPage()
{
    auto *page = new QWidget(frm[5]);
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    const char *mailCaptions[2] = {"Use internal Email software (recommended)",
                                   "Use external Email software (if you use Hotmail etc..)"};
    for (int i = 0; i < 2; ++i) {
        optMailServer[i] = new QRadioButton(QString::fromLatin1(mailCaptions[i]), page);
        optMailServer[i]->setObjectName(Indexed("optMailServer", i));
        v->addWidget(optMailServer[i]);
    }
    optMailServer[0]->setChecked(true);

    chkPrompt = NewBox(page, QStringLiteral("chkPrompt"), QStringLiteral("Prompt me to dial when connection is neaded"));
    chkPrompt->setToolTip(QStringLiteral("Prompt For Dial"));
    v->addSpacing(6);
    v->addWidget(chkPrompt);
    v->addSpacing(6);

    auto field = [&](QLabel *label, QLineEdit *box) {
        label->setBuddy(box);
        v->addWidget(label);
        v->addWidget(box);
        v->addSpacing(2);
    };
    txtEmailAddress = TextBox(page, "txtEmailAddress", "Enter Your Email Address");
    field(Caption(page, "lblEmail", "Email:"), txtEmailAddress);
    txtEmailServ = TextBox(page, "txtEmailServ", "Enter Email Server");
    Label8 = Caption(page, "Label8", "Email server address:");
    field(Label8, txtEmailServ);
    txtNewsServ = TextBox(page, "txtNewsServ", "Enter News Server");
    field(Caption(page, "lblNewsServ", "News server address:"), txtNewsServ);

    auto *proxyRow = new QHBoxLayout;
    chkProxy = NewBox(page, QStringLiteral("chkProxy"), QStringLiteral("Use proxy server:"));
    txtProxy = new QLineEdit(page);
    txtProxy->setObjectName(QStringLiteral("txtProxy"));
    txtProxy->setAccessibleName(QStringLiteral("Proxy server"));
    txtProxy->setEnabled(false);
    proxyRow->addWidget(chkProxy);
    proxyRow->addWidget(txtProxy, 1);
    v->addSpacing(6);
    v->addLayout(proxyRow);
    v->addStretch(1);
    return page;
}

QWidget *Options::BuildGeneralPage()
{
    auto *page = new QWidget(frm[6]);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);

    ChkUS = NewBox(page, QStringLiteral("ChkUS"), QStringLiteral("US zone (for industry reports)"));
    chkShutDown = NewBox(page, QStringLiteral("chkShutDown"), QStringLiteral("Confirm on exit"));
    ChkNumeric[0] = NewBox(page, Indexed("ChkNumeric", 0), QStringLiteral("Display as fractions"));
    ChkNumeric[0]->setToolTip(QStringLiteral("Show Prices In Fraction / Decimal"));
    ChkNumeric[1] = NewBox(page, Indexed("ChkNumeric", 1), QStringLiteral("Volume in 100's"));
    ChkNumeric[1]->setToolTip(QStringLiteral("Show Volume In 100's"));
    grid->addWidget(ChkUS, 0, 0);
    grid->addWidget(chkShutDown, 1, 0);
    grid->addWidget(ChkNumeric[0], 0, 1);
    grid->addWidget(ChkNumeric[1], 1, 1);

    auto labelled = [&](int row, int col, const char *name, const char *text, QWidget *control) {
        auto *label = Caption(page, name, text);
        label->setBuddy(control);
        auto *v = new QVBoxLayout;
        v->setSpacing(2);
        v->addWidget(label);
        v->addWidget(control, 0, qobject_cast<QLineEdit *>(control) ? Qt::AlignLeft : Qt::Alignment());
        grid->addLayout(v, row, col);
    };
    cobSqd = new QComboBox(page);
    cobSqd->setObjectName(QStringLiteral("cobSqd"));
    cobSqd->setToolTip(QStringLiteral("Select Update Option"));
    cobStyle = new QComboBox(page);
    cobStyle->setObjectName(QStringLiteral("cobStyle"));
    cobStyle->setToolTip(QStringLiteral("Select Bar Color"));
    labelled(2, 0, "lblSqd", "Update Prices Every:", cobSqd);
    labelled(2, 1, "lblStyle", "Select Bar Style:", cobStyle);

    Text1 = TextBox(page, "Text1", "Splash Delay");
    Text1->setText(QStringLiteral("5"));
    Text2 = TextBox(page, "Text2", "Activate Screen Saver");
    Text2->setText(QStringLiteral("12"));
    Text1->setMaximumWidth(90);
    Text2->setMaximumWidth(90);
    labelled(3, 0, "lblSplash", "Set Splash Delay:", Text1);
    labelled(3, 1, "lblSaver", "Set Screen Saver Delay:", Text2);

    cmdUpgrade = new QPushButton(QStringLiteral("Check &for Upgrade"), page);
    cmdUpgrade->setObjectName(QStringLiteral("cmdUpgrade"));
    cmdEmpty = new QPushButton(QStringLiteral("&Empty Cache"), page);
    cmdEmpty->setObjectName(QStringLiteral("cmdEmpty"));
    grid->addWidget(cmdUpgrade, 4, 0);
    grid->addWidget(cmdEmpty, 4, 1);
    grid->setRowMinimumHeight(4, 36);
    grid->setRowStretch(5, 1);
    connect(cmdUpgrade, &QPushButton::clicked, this, [this] { cmdUpgrade_Click(); });
    connect(cmdEmpty, &QPushButton::clicked, this, [this] { cmdEmpty_Click(); });
    return page;
}

// ---------------------------------------------------------------------------
// Loading
// ---------------------------------------------------------------------------

void Options::Form_Load()
{
    Hourglass hourglass;
    loaded_ = true;
    ExcFlag = 0;

    // A stored value that does not read where a number is needed leaves its
    // control at the default and loading goes on, so the controls after it
    // still show what is stored (an OK would otherwise write the design
    // state back over the user's choices). The first failure is logged.
    bool logged = false;
    auto step = [&](const std::function<void()> &read, const std::function<void()> &fallback = nullptr) {
        try {
            read();
        } catch (const VbError &e) {
            if (fallback) {
                try {
                    fallback();
                } catch (const VbError &) {
                }
            }
            if (!logged) {
                logged = true;
                Misc::ErrorTraping(e, QStringLiteral("Option_Form_Load"), false);
            }
        }
    };
    auto loadBox = [&](QCheckBox *box, const QString &name) {
        step(
            [&] {
                const RegVariant v = Settings::Get(name);
                Vb::SetBoxValue(box, v.IsEmptyText() ? 1 : ReadInt(v));
            },
            [&] { Vb::SetBoxValue(box, 1); });
    };
    auto loadDelay = [](QLineEdit *box, const QString &name, const QString &standard) {
        box->setText(Settings::Get(name).ToText());
        if (box->text().isEmpty()) {
            Settings::Set(name, standard);
            box->setText(standard);
        }
    };

    loadDelay(Text1, QStringLiteral("SplashDelay"), QStringLiteral("5"));
    loadDelay(Text2, QStringLiteral("SaverDelay"), QStringLiteral("12"));
    step([this] {
        if (ReadsTrue(Settings::Get(QStringLiteral("ExternalMailServer"))))
            optMailServer[1]->setChecked(true);
    });
    loadBox(chkPrompt, QStringLiteral("Prompt"));
    for (int i = 0; i < UpdateItemCount; ++i)
        loadBox(chkUpdate[i], QStringLiteral("Update") + QString::number(i));
    loadBox(ChkUS, QStringLiteral("US"));
    loadBox(ChkNumeric[0], QStringLiteral("Fractions"));
    loadBox(ChkNumeric[1], QStringLiteral("Volume"));
    loadBox(chkShutDown, QStringLiteral("ShutDown"));

    // Filling an empty list selects its first entry; the lists start with no
    // choice so that only the stored one runs a handler.
    auto fill = [](QComboBox *list, const QStringList &entries) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(entries);
        list->setCurrentIndex(-1);
    };
    fill(cobStyle, {QStringLiteral("Blue Neon"), QStringLiteral("Green Neon"), QStringLiteral("Red Neon"),
                    QStringLiteral("Gold Metal"), QStringLiteral("Green Metal"), QStringLiteral("Blue Glass"),
                    QStringLiteral("Green Glass"), QStringLiteral("Red Glass"), QStringLiteral("Blue Plastic"),
                    QStringLiteral("Red Plastic"), QStringLiteral("Violet Plastic")});
    step([this] {
        const RegVariant v = Settings::Get(QStringLiteral("PicBar"));
        if (!v.IsEmptyText())
            SelectEntry(cobStyle, ReadInt(v));
    });

    fill(cobSqd, {QStringLiteral("Manually"), QStringLiteral("5    Minutes"), QStringLiteral("10  Minutes"),
                  QStringLiteral("15  Minutes"), QStringLiteral("20  Minutes"), QStringLiteral("30  Minutes"),
                  QStringLiteral("45  Minutes"), QStringLiteral("1     Hour"), QStringLiteral("1.5   Hour"),
                  QStringLiteral("2     Hour"), QStringLiteral("4     Hour"), QStringLiteral("6     Hour"),
                  QStringLiteral("12    Hour"), QStringLiteral("24    Hour")});
    step(
        [this] {
            const RegVariant v = Settings::Get(QStringLiteral("AutoUpdate"));
            const int entry = v.IsEmptyText() ? 0 : IntervalEntry(v.ToNumber());
            if (entry >= 0)
                cobSqd->setCurrentIndex(entry);
        },
        [this] { cobSqd->setCurrentIndex(0); });

    fill(cobVoice, {QStringLiteral("Resa"), QStringLiteral("Resa in phone"), QStringLiteral("Ubin"),
                    QStringLiteral("Ubin in phone"), QStringLiteral("Dorin"), QStringLiteral("Kesto"),
                    QStringLiteral("Jorna (Robo)"), QStringLiteral("Kesto (Robo)"), QStringLiteral("Lan Purso (Robo)"),
                    QStringLiteral("Dorin in hall"), QStringLiteral("Dorin in stadium"), QStringLiteral("Dorin in Space")});
    step(
        [this] {
            const RegVariant v = Settings::Get(QStringLiteral("VoiceMode"));
            SelectEntry(cobVoice, v.IsEmptyText() ? 0 : ReadInt(v));
        },
        [this] { cobVoice->setCurrentIndex(0); });

    step(
        [this] {
            const RegVariant v = Settings::Get(QStringLiteral("FrmNav"));
            PageIndex = v.IsEmptyText() ? 0 : ReadInt(v);
        },
        [this] { PageIndex = 0; });

    txtNewsServ->setText(Settings::Get(QStringLiteral("NewsServer")).ToText());
    txtEmailServ->setText(Settings::Get(QStringLiteral("EmailServer")).ToText());
    txtEmailAddress->setText(Settings::Get(QStringLiteral("Email")).ToText());

    step([this] {
        const bool on = Settings::Get(QStringLiteral("ProxyE")).ToNumber() == 1;
        chkProxy->setChecked(on);
        txtProxy->setEnabled(on);
    });
    txtProxy->setText(Settings::Get(QStringLiteral("Proxy")).ToText());

    lblNav_Click(PageIndex);
}

// ---------------------------------------------------------------------------
// Pages and keys
// ---------------------------------------------------------------------------

void Options::lblNav_Click(int16_t index)
{
    for (int i = 0; i < PageCount; ++i) {
        SetForeColor(lblNav[i], kBlue);
        frm[i]->hide();
    }
    // Outside 0..6 no page shows, and the index is still kept.
    if (index >= 0 && index < PageCount) {
        frm[index]->show();
        SetForeColor(lblNav[index], kRed);
    }
    PageIndex = index;
}

void Options::Form_KeyDown(int keyCode, int shift)
{
    if (shift != kAltMask)
        return;
    const int page = PageOfKey(keyCode);
    if (page >= 0)
        lblNav_Click(int16_t(page));
}

bool Options::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        // The page keys win over the buttons' own Alt letters ("&Select
        // All", "Check &for Upgrade").
        auto *key = static_cast<QKeyEvent *>(event);
        const int code = VbInput::KeyCode(key);
        const int shift = VbInput::Shift(key->modifiers());
        if (shift != kAltMask || PageOfKey(code) < 0)
            break;
        if (event->type() == QEvent::KeyPress)
            Form_KeyDown(code, shift);
        event->accept();
        return true;
    }
    case QEvent::FocusOut: {
        // Leaving the box for another control counts; the window losing the
        // focus to another window or a popup does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (watched == Text1)
            Text1_LostFocus();
        else if (watched == Text2)
            Text2_LostFocus();
        else if (watched == txtProxy)
            txtProxy_LostFocus();
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *w = qobject_cast<QWidget *>(watched);
        if (mouse->button() != Qt::LeftButton || !w || !w->rect().contains(mouse->position().toPoint()))
            break;
        for (int i = 0; i < PageCount; ++i) {
            if (watched == lblNav[i]) {
                lblNav_Click(int16_t(i));
                return true;
            }
        }
        for (int i = 0; i < 3; ++i) {
            if (watched == lblExc[i]) {
                lblExc_Click(i);
                return true;
            }
        }
        break;
    }
    case QEvent::MouseMove: {
        const bool noButton = static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton;
        for (int i = 0; i < UpdateItemCount; ++i) {
            if (watched == chkUpdate[i]) {
                chkUpdate_MouseMove(i);
                // A box does not pass the move on to its page.
                return noButton;
            }
        }
        if (watched == fraExchange)
            return true;
        for (QGroupBox *f : frm) {
            if (watched == f)
                frm_MouseMove();
        }
        if (watched->property("pageBackground").toBool())
            frm_MouseMove();
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// OK, Cancel, Help
// ---------------------------------------------------------------------------

bool Options::CheckDelay(QLineEdit *box, double high, const QString &message, const QString &reset)
{
    // Stored as typed and read back as a number at start-up: a comma that
    // groups no digits ("1,5") would come back as another number.
    const std::optional<double> value = Vb::NumberBoxValue(box->text());
    if (value && *value >= 0 && *value <= high)
        return true;
    Dialogs::MsgBox(message, Dialogs::vbOKOnly | Dialogs::vbExclamation, QStringLiteral("Wrong Value"));
    box->setText(reset);
    return false;
}

bool Options::CheckSplashDelay()
{
    return CheckDelay(Text1, 20, QStringLiteral("Set the value between 0 (None) up to 20 seconds please."),
                      QStringLiteral("5"));
}

bool Options::CheckSaverDelay()
{
    return CheckDelay(Text2, 60, QStringLiteral("Set the value between 0 (None) up to 60 minutes please."),
                      QStringLiteral("12"));
}

void Options::Text1_LostFocus() { CheckSplashDelay(); }
void Options::Text2_LostFocus() { CheckSaverDelay(); }

void Options::cmd_OK_Click()
{
    // OK and Cancel yield: a second click must not run them again, and the
    // window may be unloaded meanwhile.
    const RunOnce once(this, "cmd_OK_Click");
    if (!once)
        return;
    const QPointer<Options> self(this);
    Hourglass hourglass;
    if (!CheckSelection())
        return;
    // A delay typed and confirmed with Enter never left its box: check it
    // here too, so start-up never reads a delay that is not a number. The
    // box shows the corrected value and the window stays open.
    if (!CheckSplashDelay() || !CheckSaverDelay())
        return;

    try {
        Settings::Set(QStringLiteral("SplashDelay"), Text1->text());
        Settings::Set(QStringLiteral("SaverDelay"), Text2->text());
        Misc::DoEvents();
        if (!self || Loaded() != self)
            return;
        for (int i = 0; i < UpdateItemCount; ++i)
            Settings::Set(QStringLiteral("Update") + QString::number(i), QString::number(Vb::BoxValue(chkUpdate[i])));
        Settings::Set(QStringLiteral("Fractions"), Vb::BoxValue(ChkNumeric[0]) == 1 ? QStringLiteral("1") : QStringLiteral("0"));
        Settings::Set(QStringLiteral("Volume"), Vb::BoxValue(ChkNumeric[1]) == 1 ? QStringLiteral("1") : QStringLiteral("0"));
        Settings::Set(QStringLiteral("FrmNav"), QString::number(PageIndex));
        FractionsMode = Settings::Get(QStringLiteral("Fractions"));
        VolumeMode = Settings::Get(QStringLiteral("Volume"));
        Settings::Set(QStringLiteral("NewsServer"), txtNewsServ->text());
        Settings::Set(QStringLiteral("EmailServer"), txtEmailServ->text());
        Settings::Set(QStringLiteral("Email"), txtEmailAddress->text());
    } catch (const VbError &) {
        Unload();
        return;
    }
    // Nothing of the window is touched once it is unloaded.
    cmd_cancel_Click();
    Misc::DoEvents();
}

void Options::cmd_cancel_Click()
{
    const RunOnce once(this, "cmd_cancel_Click");
    if (!once)
        return;
    const QPointer<Options> self(this);
    Misc::RollWindow(this, 25);
    Misc::DoEvents();
    // Only this window: another one may have been opened meanwhile.
    if (self && Loaded() == self)
        Unload();
    Misc::DoEvents();
}

void Options::reject() { cmd_cancel_Click(); }

void Options::cmdHelp_Click()
{
    Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Small"), 1002, this);
}

