#pragma once
// The settings window: four pages of update items, voice, network and
// general options. One window for the whole program: the Update run and the
// weekly-tip window read its update boxes, so it is loaded hidden on first
// use and stays loaded until it is closed.
#include <QDialog>
#include <cstdint>

class QCheckBox;
class QColor;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Winsock;

class Options : public QDialog {
    Q_OBJECT
public:
    static constexpr int UpdateItemCount = 99;
    static constexpr int PageCount = 7;

    // The one window; created and loaded (hidden) on first use. Loading
    // yields to the event loop: nullptr if the window was closed meanwhile.
    static Options *Instance();
    static Options *Load() { return Instance(); }
    // nullptr while the window is not loaded.
    static Options *Loaded();
    // Closes and releases the loaded window; values already written stay.
    static void Unload();
    // Places the window (twips) and shows it modal over the owner.
    static void ShowModal(QWidget *owner, double leftTwips, double topTwips);
    // Shows the window modeless and without owner.
    static void ShowModeless();

    // ------------------------------------------------------------------
    // Controls
    // ------------------------------------------------------------------
    QLabel *lblNav[PageCount] = {};
    QGroupBox *frm[PageCount] = {};
    QPushButton *cmd_OK = nullptr;
    QPushButton *cmd_cancel = nullptr;
    QPushButton *cmdHelp = nullptr;
    QLabel *lblInfo = nullptr;
    Winsock *Winsock1 = nullptr;

    // Update items (pages 0 to 3).
    QCheckBox *chkUpdate[UpdateItemCount] = {};
    QLabel *lblExc[3] = {}; // 0 AMEX, 1 NYSE, 2 NASDAQ
    QFrame *fraExchange = nullptr;
    QPushButton *cmdSelect[8] = {};

    // Voice page.
    QComboBox *cobVoice = nullptr;

    // Network page.
    QRadioButton *optMailServer[2] = {};
    QCheckBox *chkPrompt = nullptr;
    QLineEdit *txtEmailAddress = nullptr;
    QLineEdit *txtEmailServ = nullptr;
    QLabel *Label8 = nullptr; // "Email server address:"
    QLineEdit *txtNewsServ = nullptr;
    QCheckBox *chkProxy = nullptr;
    QLineEdit *txtProxy = nullptr;

    // General page.
    QCheckBox *ChkUS = nullptr;
    QCheckBox *chkShutDown = nullptr;
    QPushButton *cmdUpgrade = nullptr;
    QComboBox *cobSqd = nullptr;
    QComboBox *cobStyle = nullptr;
    QCheckBox *ChkNumeric[2] = {};
    QLineEdit *Text1 = nullptr; // splash delay, seconds
    QLineEdit *Text2 = nullptr; // screen saver delay, minutes
    QPushButton *cmdEmpty = nullptr;

    // ------------------------------------------------------------------
    // Window state
    // ------------------------------------------------------------------
    int16_t PageIndex = 0;
    int16_t ExcFlag = 0;

    // ------------------------------------------------------------------
    // The window (Options.cpp)
    // ------------------------------------------------------------------
    void Form_Load();
    void lblNav_Click(int16_t index);
    void Form_KeyDown(int keyCode, int shift);
    void cmd_OK_Click();
    void cmd_cancel_Click();
    void cmdHelp_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void lblNav_MouseMove() {}
    // The version check; it may unload this window.
    void cmdUpgrade_Click();

    // ------------------------------------------------------------------
    // The version check over Winsock1 (services/OptionsUpgrade.cpp)
    // ------------------------------------------------------------------
    QString VersionFilePath; // AppFolder + "/Tkw58.txt"
    QString VersionFileURL;  // the version file's absolute address
    QByteArray VersionReply; // what the socket has received
    void Winsock1_Connect();
    void Winsock1_DataArrival(int bytesTotal);
    void Winsock1_Close();
    void Winsock1_Error(int number, const QString &description);

    // ------------------------------------------------------------------
    // Update items (OptionsUpdateItems.cpp)
    // ------------------------------------------------------------------
    bool CheckSelection();
    void cmdSelect_Click(int index);
    void lblExc_Click(int index);
    void chkUpdate_MouseMove(int index);
    void frm_MouseMove();

    // ------------------------------------------------------------------
    // Choices applied at once (OptionsApplied.cpp)
    // ------------------------------------------------------------------
    void cobSqd_Click();
    void cobStyle_Click();
    void cobVoice_Click();
    void chkPrompt_Click();
    void chkProxy_Click();
    void txtProxy_LostFocus();
    void chkShutDown_Click();
    void ChkUS_Click();
    void optMailServer_Click(int index);
    void cmdEmpty_Click();

    // Minutes of each interval entry; -1 when the minutes have no entry.
    static int IntervalMinutes(int entry);
    static int IntervalEntry(double minutes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override; // Esc and the window's close box

private:
    explicit Options(QWidget *parent = nullptr);
    ~Options() override;

    void BuildControls();
    QWidget *BuildUpdatePage(int page);
    QWidget *BuildVoicePage();
    QWidget *BuildNetworkPage();
    QWidget *BuildGeneralPage();
    void WireAppliedHandlers();
    // Shows the message and resets the box when its text is out of range.
    bool CheckDelay(QLineEdit *box, double high, const QString &message, const QString &reset);
    bool CheckSplashDelay();
    bool CheckSaverDelay();

    // A check box whose click moves only between cleared and ticked; a
    // greyed state comes from a stored value alone.
    static QCheckBox *NewBox(QWidget *parent, const QString &objectName, const QString &caption);
    // ForeColor that also colours a check box's mark.
    static void SetForeColor(QWidget *w, const QColor &color);
    bool loaded_ = false;
    // How the running version check ended (OptionsUpgrade.cpp).
    enum class CheckEnd { Running, Replied, Failed, SocketError };
    CheckEnd checkEnd_ = CheckEnd::Running;
};
