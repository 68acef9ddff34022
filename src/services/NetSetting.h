#pragma once
// The first-run network settings window, "Tickerwatch Setting".
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class NetSetting : public QWidget {
    Q_OBJECT
public:
    ~NetSetting() override;
    // Loads (runs init) and shows the window modeless.
    static NetSetting *ShowModeless();
    static NetSetting *Loaded();

    QRadioButton *optMailServer[2] = {};
    QLineEdit *txtData[3] = {};
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *chkProxy = nullptr;
    QLineEdit *txtProxy = nullptr;
    QPushButton *cmdclose = nullptr;

    void init();
    void Form_Load();
    void cmdclose_Click();
    void Check1_Click();
    void chkProxy_Click();
    void optMailServer_Click(int index);

private:
    explicit NetSetting(QWidget *parent = nullptr);
};
