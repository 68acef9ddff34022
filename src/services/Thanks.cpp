#include "services/Thanks.h"

#include "collect/UpdateJobs.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "core/Version.h"
#include "platform/RunOnce.h"
#include "platform/ShortDate.h"
#include "platform/Vb.h"
#include "services/frmEmail.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

Thanks *g_thanks = nullptr;

std::function<void()> &MainWindowOpener()
{
    static std::function<void()> open;
    return open;
}

const char *const kCountries[] = {
    "Afghanistan", "Albania", "Algeria", "American Samoa", "Andorra", "Angola", "Anguilla", "Antigua And Barbuda",
    "Argentina", "Armenia", "Aruba", "Australia", "Austria", "Azerbaijan", "Bahamas", "Bahrain", "Bangladesh",
    "Barbados", "Belarus", "Belgium", "Belize", "Benin", "Bermuda", "Bhutan", "Bolivia", "Bosnia And Herzegovina",
    "Botswana", "Brazil", "British Indian Ocean Terr.", "Brunei Darussalam", "Bulgaria", "Burkina Faso", "Burundi",
    "Cambodia", "Cameroon", "Canada", "Cape Verde", "Cayman Islands", "Central African Rep.", "Chad", "Chile",
    "China", "Christmas Island", "Cocos (Keeling) Islands", "Colombia", "Comoros", "Congo",
    "Congo, The Democratic Rep.", "Cook Islands", "Costa Rica", "Cote D'Ivoire", "Croatia(Hrvatska)", "Cuba",
    "Cyprus", "Czech Republic", "Denmark", "Djibouti", "Dominica", "Dominican Republic", "Ecuador", "Egypt",
    "El Salvador", "Equatorial Guinea", "Eritrea", "Estonia", "Ethiopia", "Falkland Isls. (Malvinas)",
    "Faroe Islands", "Fiji", "Finland", "France", "French Antilles", "French Guiana", "French Polynesia", "Gabon",
    "Gambia", "Georgia", "Germany", "Ghana", "Gibraltar", "Greece", "Greenland", "Grenada", "Guadeloupe", "Guam",
    "Guatamala", "Guinea", "Guinea - Bissau", "Guyana", "Haiti", "Honduras", "Hong Kong", "Hungary", "Iceland",
    "India", "Indonesia", "Iran", "Iraq", "Ireland", "Israel", "Italy", "Jamaica", "Japan", "Jordan", "Kazakhstan",
    "Kenya", "Kiribati Republic", "Korea(North)", "Korea (Repulic of)", "Kuwait", "Kyrgyztan", "Laos", "Latvia",
    "Lebanon", "Lesotho", "Liberia", "Libya", "Liechtenstein", "Lithuania", "Luxembourg", "Macau", "Macedonia",
    "Madagascar", "Malawi", "Malaysia", "Maldives", "Mali", "Malta", "Marshall Islands", "Martinique",
    "Mauritania", "Mauritius", "Mayotte Island", "Mexico", "Micronesia, Fed.States", "Maldova", "Monaco",
    "Mongolia", "Montserrat", "Morocco", "Mozambique", "Myanmar", "Namibia", "Nauru", "Nepal", "Netherlands",
    "Netherlands Antilles", "New Caledonia", "New Zealand", "Nicaragua", "Niger", "Nigeria", "Niue",
    "Norfolk Island", "Norway", "Oman", "Pakistan", "Palau", "Panama", "Papua New Guinea", "Peru", "Philippines",
    "Poland", "Portugal", "Puerto Rico", "Qatar", "Reunion Island", "Romania", "Russia", "Rwanda",
    "Saint Kitts and Nevis", "Saint Lucia", "Samoa", "San Marino", "Sao Tome and Principe", "Saudi Arabia",
    "Senegal Republic", "Seychelle Islands", "Sierra Leone", "Singapore", "Slovak Republic", "Slovenia",
    "Solomon Islands", "Somalia", "South Africa", "Spain", "Sri Lanka", "St.Helena", "St.Pierre And Miquelon",
    "St.Vincent & Grenadines", "Sudan", "Suriname", "Swaziland", "Sweden", "Switzerland", "Syria",
    "Taiwan, Rep. of China", "Tajikistan", "Tanzania", "Thailand", "Togo", "Tokelau", "Tonga",
    "Trinidad And Tobago", "Tunisia", "Turkey", "Turkmenistan", "Turks & Caicos Isls.", "Tuvalu", "Uganda",
    "Ukraine", "United Arab Emirates", "United Kingdom", "United States", "U.S. Virgin Islands", "Uruguay",
    "Uzbekistan", "Vanuatu", "Vatican City", "Venezuela", "Vietnam", "Wallis & Futuna Isls.", "Yemen",
    "Yugoslavia", "Zambia", "Zimbabwe"
};

const char *const kWhere[] = {
    "I saw a commercial banner", "I read a magazine article", "I read a newspaper article",
    "I have seen it in a software site", "I heard about it in a chat", "I heard in the newsgroups",
    "I heard in the message board", "A friend recommends me", "I'm long time Tickerwatch user",
    "I forced to use it."};

template <size_t N> void Fill(QComboBox *box, const char *const (&items)[N])
{
    box->clear();
    for (const char *item : items)
        box->addItem(QString::fromLatin1(item));
    // No answer is chosen for the user.
    box->setCurrentIndex(-1);
}

} // namespace

Thanks::Thanks(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Thanks"));
    setWindowTitle(QStringLiteral("Thank you for using Tickerwatch"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(14, 14, 14, 14);
    auto *greeting = new QLabel(QStringLiteral("Thank you for choosing Tickerwatch. The fastest and smarter way to "
                                               "collect finance information from the web"),
                                this);
    greeting->setObjectName(QStringLiteral("lblGreeting"));
    greeting->setFont(QFont(QStringLiteral("Serif"), 12, QFont::Bold));
    greeting->setWordWrap(true);
    lay->addWidget(greeting);
    auto *ask = new QLabel(QStringLiteral("In order to better serve you and help us keep Tickerwatch up-to-date, "
                                          "Please answer these few questions:"),
                           this);
    ask->setWordWrap(true);
    lay->addWidget(ask);

    auto *form = new QFormLayout;
    auto list = [this, form](const char *name, const char *question) {
        auto *box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        form->addRow(QString::fromLatin1(question), box);
        return box;
    };
    cboGroup = list("cboGroup", "What is your age group?");
    cboGender = list("cboGender", "What is your gender?");
    cboCountry = list("cboCountry", "What country you live in?");
    txtZip = new QLineEdit(this);
    txtZip->setObjectName(QStringLiteral("txtZip"));
    form->addRow(QStringLiteral("Zip Code?"), txtZip);
    cboPar = list("cboPar", "Have you purchased anything on the Internet before?");
    cboWhere = list("cboWhere", "Where did you hear about us? ");
    txtComments = new QPlainTextEdit(this);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form->addRow(QStringLiteral("Comments:"), txtComments);
    lay->addLayout(form);

    lay->addWidget(new QLabel(QStringLiteral("Private Policy"), this));
    auto *policy = new QPlainTextEdit(this);
    policy->setObjectName(QStringLiteral("txtPolicy"));
    policy->setReadOnly(true);
    policy->setPlainText(QStringLiteral("The information you provide will be \nheld in strict confidence.\nFor more "
                                        "information, please see our \nInternet privacy policy\n"));
    policy->setMaximumHeight(80);
    lay->addWidget(policy);

    chkPrompt = new QCheckBox(QStringLiteral("Don't Show this massage anymore."), this);
    chkPrompt->setObjectName(QStringLiteral("chkPrompt"));
    lay->addWidget(chkPrompt);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    row->addWidget(cmdClose);
    lay->addLayout(row);
    connect(chkPrompt, &QCheckBox::stateChanged, this, [this] { chkPrompt_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    adjustSize();
}

Thanks::~Thanks()
{
    if (g_thanks == this)
        g_thanks = nullptr;
}

Thanks *Thanks::Loaded() { return g_thanks; }

void Thanks::SetMainWindowOpener(std::function<void()> open) { MainWindowOpener() = std::move(open); }

Thanks *Thanks::ShowModeless()
{
    if (!g_thanks) {
        g_thanks = new Thanks;
        g_thanks->Form_Load();
    }
    g_thanks->show();
    return g_thanks;
}

void Thanks::Form_Load()
{
    try {
        const RegVariant v = Settings::Get(QStringLiteral("Thanks"));
        chkPrompt->setChecked(v.IsEmptyText() ? true : v.ToNumber() != 0);
        const char *const groups[] = {"16-24", "25-33", "34-42", "43-51", "52-60", "61+"};
        const char *const genders[] = {"Male", "Female"};
        const char *const yesNo[] = {"Yes", "No"};
        Fill(cboGroup, groups);
        Fill(cboGender, genders);
        Fill(cboPar, yesNo);
        Fill(cboCountry, kCountries);
        Fill(cboWhere, kWhere);
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("Thanks_Form_Load"), false);
    }
}

void Thanks::chkPrompt_Click()
{
    Settings::Set(QStringLiteral("Thanks"), chkPrompt->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

QString Thanks::FeedbackRecord() const
{
    const QString version =
        QStringLiteral("%1.%2%3").arg(Version::Major).arg(Version::Minor).arg(Version::Revision);
    QString comments = txtComments->toPlainText();
    comments.replace(u'\n', QStringLiteral("\r\n"));
    return QStringList{version,
                       ShortDate(UpdateJobs::Today()),
                       Settings::Get(QStringLiteral("Email")).ToText(),
                       cboGroup->currentText(),
                       cboGender->currentText(),
                       cboCountry->currentText(),
                       txtZip->text(),
                       cboPar->currentText(),
                       cboWhere->currentText(),
                       comments}
        .join(u'|');
}

void Thanks::SendData()
{
    try {
        const QString server = Settings::Get(QStringLiteral("EmailServer")).ToText();
        if (server.size() < 2) {
            const QPointer<Thanks> self(this);
            const QString answer = frmEmail::AskMailServer();
            if (answer.isEmpty() || !self)
                return;
            Settings::Set(QStringLiteral("EmailServer"), answer);
        }
        Settings::Set(QStringLiteral("Q_Message"), FeedbackRecord());
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("Thanks_SendData"), false);
    }
}

void Thanks::cmdClose_Click()
{
    // Every step yields: a second click must not run this again, and the
    // window may be closed meanwhile; the road to the main window goes on.
    const RunOnce once(this, "cmdClose_Click");
    if (!once)
        return;
    const QPointer<Thanks> self(this);
    // Only the first run comes here without a main window on screen.
    const MainView *main = MainView::Loaded();
    const QWidget *shown = main ? main->Widget() : nullptr;
    const bool firstRun = !shown || !shown->isVisible();
    try {
        SendData();
        Misc::DoEvents();
        if (firstRun) {
            Stock::ReadPortfolio();
            Misc::DoEvents();
            if (MainWindowOpener())
                MainWindowOpener()();
            Misc::DoEvents();
        }
        if (self)
            Misc::RollWindow(self, 25);
        if (self) {
            self->hide();
            g_thanks = nullptr;
            self->deleteLater();
        }
        if (firstRun) {
            Stock::ReadStocks();
            Misc::DoEvents();
        }
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("Thanks_cmdclose_Click"), false);
    }
}

void Thanks::closeEvent(QCloseEvent *event)
{
    event->ignore();
    cmdClose_Click();
}
