#pragma once
// The feedback questionnaire. On the first run its Close button is the road
// from the first-run settings to the main window.
#include <QWidget>

class QCheckBox;
class QPushButton;

class Thanks : public QWidget {
    Q_OBJECT
public:
    ~Thanks() override;
    static Thanks *ShowModeless();
    static Thanks *Loaded();

    QCheckBox *chkPrompt = nullptr;
    QPushButton *cmdClose = nullptr;

    void Form_Load();
    void chkPrompt_Click();
    void cmdClose_Click();
    // Queues the answers in "Q_Message" for the next Update run.
    void SendData();

private:
    explicit Thanks(QWidget *parent = nullptr);
};
