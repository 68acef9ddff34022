#pragma once
// The feedback questionnaire. Closing it queues the answers in "Q_Message"
// as one record, which the next Update run mails. On the first run its
// Close is also the road from the first-run settings to the main window.
#include <QString>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Thanks : public QWidget {
    Q_OBJECT
public:
    ~Thanks() override;
    static Thanks *ShowModeless();
    static Thanks *Loaded();
    // How Close shows the main window (loaded when there is none) on a
    // first run; the shell sets it when the program starts.
    static void SetMainWindowOpener(std::function<void()> open);

    QComboBox *cboGroup = nullptr;
    QComboBox *cboGender = nullptr;
    QComboBox *cboCountry = nullptr;
    QLineEdit *txtZip = nullptr;
    QComboBox *cboPar = nullptr;
    QComboBox *cboWhere = nullptr;
    QPlainTextEdit *txtComments = nullptr;
    QCheckBox *chkPrompt = nullptr;
    QPushButton *cmdClose = nullptr;

    void Form_Load();
    void chkPrompt_Click();
    void cmdClose_Click();
    // Queues the answers in "Q_Message" for the next Update run.
    void SendData();
    // The ten "|"-separated fields of the queued record.
    QString FeedbackRecord() const;

protected:
    // Closing by the window frame does what Close does.
    void closeEvent(QCloseEvent *event) override;

private:
    explicit Thanks(QWidget *parent = nullptr);
};
