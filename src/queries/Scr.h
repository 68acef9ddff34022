#pragma once
// The stock screener: eight groups of ranges and an industry list become one
// address of the screening service, opened in the browser. Modeless, with no
// owner; the main window places it and shows it. Keeps no choice from one
// opening to the next.
#include <QDialog>
#include <QList>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class Scr : public QDialog {
    Q_OBJECT
public:
    // The one window, loaded hidden on first use; a second call brings the
    // open window up as it stands.
    static Scr *Load();
    // nullptr while the window is not loaded.
    static Scr *Loaded();
    ~Scr() override;

    // Option groups in the order of Queries::ScreenCriteria; groups[i]
    // holds its options by Index.
    QList<QList<QRadioButton *>> groups;
    QList<QGroupBox *> frames;
    QListWidget *lstIndestry = nullptr;
    QLabel *lblIndustry = nullptr;
    QLabel *Image1 = nullptr; // the background texture
    QPushButton *cmdClose = nullptr;
    QPushButton *cmdShow = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdHelp = nullptr;

    void cmdShow_Click();
    void cmdReset_Click();
    void cmdHelp_Click();
    void cmdClose_Click();
    // Any group's option Index became selected.
    void opt_Click(int group, int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void reject() override; // Esc

private:
    explicit Scr(QWidget *parent = nullptr);
    void Form_Load();
    QList<QButtonGroup *> m_buttons;
};
