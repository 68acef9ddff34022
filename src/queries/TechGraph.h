#pragma once
// The technical-graph dialog: one of eleven indicators with its parameters
// and a time span become one address of the technical-graph service, opened
// in the browser. Modeless; the main window owns it. Saves nothing.
#include <QDialog>
#include <QList>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

class TechGraph : public QDialog {
    Q_OBJECT
public:
    // The one window, loaded hidden on first use; a second call brings the
    // open window up as it stands.
    static TechGraph *Load();
    // nullptr while the window is not loaded.
    static TechGraph *Loaded();
    ~TechGraph() override;

    QList<QRadioButton *> optGraph;
    QList<QLineEdit *> D;
    QList<QLabel *> lbl;
    QList<QCheckBox *> chk;
    QSlider *Slider1 = nullptr;
    QList<QLabel *> lblTime;
    QPushButton *cmdQuery = nullptr;
    QPushButton *cmdCancel = nullptr;

    void optGraph_Click(int index);
    void ShowParam(int box, const QString &text, const QString &caption);
    void ShowCheck(int box, const QString &caption, bool ticked);
    QString MakeIndicator() const;
    void Slider1_Scroll();
    void cmdQuery_Click();
    void cmdCancel_Click();

protected:
    void reject() override; // Esc

private:
    explicit TechGraph(QWidget *parent = nullptr);
    QButtonGroup *m_graphs = nullptr;
    QString m_key;
    // Each opening starts at the code of the slider's first position.
    int m_timespan = 1;
};
