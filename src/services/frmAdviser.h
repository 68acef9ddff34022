#pragma once
// The weekly tip window: shows the advice the last tip fetch stored in
// AppFolder/Tip.Sh, mirrors the Options window's weekly-fetch box, and
// starts a new fetch on request (shown the next time the window opens). The
// main window places it and shows it modal.
#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmAdviser : public QDialog {
    Q_OBJECT
public:
    // The window, loaded (filled, hidden) on first use; nullptr when there
    // is none.
    static frmAdviser *Load();
    // nullptr while the window is not loaded.
    static frmAdviser *Loaded();
    ~frmAdviser() override;

    // The advice in a stored tip reply, as the box shows it: every LF a
    // blank, every CR a CR LF, from 9 characters before the first
    // "Tickerwatch" to the end, less the blank that stood for a final line
    // break. Empty when the word is missing or starts within the first nine
    // characters.
    static QByteArray TipText(const QByteArray &file);

    // The Options window's weekly-fetch box, that window loaded when it is
    // not (nullptr when it cannot be); the shell sets it when the main
    // window is built.
    static void SetOptionsBox(std::function<QCheckBox *()> box);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr; // the credits
    QPlainTextEdit *txtTip = nullptr;
    QCheckBox *Check1 = nullptr; // "Weekly adviser service"
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdUpdate = nullptr; // "&Get Free Tip"
    QLabel *lblInfo = nullptr;
    QPushButton *cmdHelp = nullptr;

    void init();
    void Check1_Click();
    void cmdUpdate_Click();
    void cmdHelp_Click();
    void cmdClose_Click();

protected:
    void reject() override; // Esc

private:
    explicit frmAdviser(QWidget *parent = nullptr);
};
