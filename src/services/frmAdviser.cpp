#include "services/frmAdviser.h"

#include "core/AppFolder.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "platform/BoxValue.h"
#include "platform/Help.h"
#include "platform/RunOnce.h"
#include "platform/Text.h"
#include "platform/Twips.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
frmAdviser *g_adviser = nullptr;

const QByteArray kWord = "Tickerwatch";
// The box starts this many characters before the word.
constexpr qsizetype kLead = 9;

std::function<QCheckBox *()> &OptionsBoxHook()
{
    static std::function<QCheckBox *()> box;
    return box;
}

QCheckBox *OptionsBox() { return OptionsBoxHook() ? OptionsBoxHook()() : nullptr; }

} // namespace

QByteArray frmAdviser::TipText(const QByteArray &file)
{
    QByteArray text = file;
    text.replace('\n', ' ');
    text.replace("\r", "\r\n");
    const qsizetype word = text.indexOf(kWord);
    if (word < kLead)
        return QByteArray();
    // The stored reply has no line end appended: only a blank that stands
    // for the file's own last line break is left off.
    const qsizetype end = file.endsWith('\n') ? text.size() - 1 : text.size();
    return text.mid(word - kLead, end - (word - kLead));
}

frmAdviser::frmAdviser(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAdviser"));
    setWindowTitle(QString());
    setAutoFillBackground(true);
    VbColor::SetPaletteColor(this, QPalette::Window, QColor(224, 224, 224));

    auto *root = new QVBoxLayout(this);
    // The roll-up effect shrinks the window below its layout's minimum.
    root->setSizeConstraint(QLayout::SetNoConstraint);
    root->setContentsMargins(12, 10, 12, 10);

    Label1 = new QLabel(QStringLiteral("...The Tickerwatch Adviser..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setPointSizeF(11.25);
    heading.setBold(true);
    heading.setItalic(true);
    Label1->setFont(heading);
    VbColor::SetForeColor(Label1, QColor(0, 0, 255));
    root->addWidget(Label1);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    VbColor::SetForeColor(Label2, QColor(64, 64, 64));
    root->addWidget(Label2);

    txtTip = new QPlainTextEdit(this);
    txtTip->setObjectName(QStringLiteral("txtTip"));
    txtTip->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtTip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    root->addWidget(txtTip, 1);

    Check1 = new QCheckBox(QStringLiteral("Weekly adviser service"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    root->addWidget(Check1);

    auto *row = new QHBoxLayout;
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setToolTip(QStringLiteral("Close This Window"));
    cmdUpdate = new QPushButton(QStringLiteral("&Get Free Tip"), this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->hide();
    QSizePolicy keep = lblInfo->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lblInfo->setSizePolicy(keep);
    cmdHelp = new QPushButton(QStringLiteral("&Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp->setToolTip(QStringLiteral("Click For Help"));
    for (QPushButton *b : {cmdClose, cmdUpdate, cmdHelp})
        b->setAutoDefault(false);
    row->addWidget(cmdClose);
    row->addWidget(cmdUpdate);
    row->addWidget(lblInfo, 1);
    row->addWidget(cmdHelp);
    root->addLayout(row);

    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    resize(Twips::ToPixels(6300), Twips::ToPixels(5100));
}

frmAdviser::~frmAdviser()
{
    if (g_adviser == this)
        g_adviser = nullptr;
}

frmAdviser *frmAdviser::Loaded() { return g_adviser; }

void frmAdviser::SetOptionsBox(std::function<QCheckBox *()> box) { OptionsBoxHook() = std::move(box); }

frmAdviser *frmAdviser::Load()
{
    if (!g_adviser) {
        g_adviser = new frmAdviser;
        const QPointer<frmAdviser> w(g_adviser);
        w->init();
        return w; // loading the Options window yields; the window may be gone
    }
    return g_adviser;
}

void frmAdviser::init()
{
    Label2->setText(QStringLiteral("The weekly advisor service provides to you by Tesmar Advisory.\r\n"
                                   "30 years of proven high quality experienced institute."));
    const QByteArray tip = TipText(Misc::ReadFile(AppFolder + QStringLiteral("/Tip.Sh")));
    // The box keeps lines, not line-end characters: a CR LF is one break.
    txtTip->setPlainText(Text::FromCp1252(tip).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // The box mirrors the Options window's, whatever the tip file holds.
    const QPointer<frmAdviser> self(this);
    QCheckBox *weekly = OptionsBox();
    if (!self || !weekly)
        return;
    try {
        Vb::SetBoxValue(Check1, Vb::BoxValue(weekly));
    } catch (const VbError &) {
    }
}

void frmAdviser::Check1_Click()
{
    const QPointer<frmAdviser> self(this);
    QCheckBox *weekly = OptionsBox();
    if (!self || !weekly)
        return;
    // Stored only by the Options window's OK; the Update run reads the box.
    Vb::SetBoxValue(weekly, Vb::BoxValue(Check1));
}

void frmAdviser::cmdUpdate_Click()
{
    const RunOnce once(this, "cmdUpdate_Click");
    if (!once)
        return;
    const QPointer<frmAdviser> self(this);
    try {
        if (Misc::CheckOnline() && self) {
            lblInfo->setText(QStringLiteral("Downloading Data.."));
            lblInfo->show();
            cmdUpdate->setEnabled(false);
            // Only starts the fetch: the tip is written when the site closes.
            if (MainView *m = MainView::Loaded())
                m->UpdateAdvise();
            Misc::DoEvents();
            if (self)
                lblInfo->hide();
        }
    } catch (const VbError &) {
    }
    if (self)
        cmdUpdate->setEnabled(true);
}

void frmAdviser::cmdHelp_Click()
{
    Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Small"), 1007, this);
}

void frmAdviser::cmdClose_Click()
{
    const RunOnce once(this, "cmdClose_Click");
    if (!once)
        return;
    const QPointer<frmAdviser> self(this);
    Misc::RollWindow(this, 25);
    if (!self)
        return;
    if (g_adviser == this)
        g_adviser = nullptr;
    done(QDialog::Rejected);
    deleteLater();
    Misc::DoEvents();
}

void frmAdviser::reject() { cmdClose_Click(); }
