#pragma once
// The chart dialog: how the price is drawn, background, size, indicators, a
// moving average, a comparison and a period become one address of the chart
// service, opened in the browser. The choices can be kept as "ChartOpt" and
// come back at every opening. Modeless; the main window owns it.
#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class BigChart : public QDialog {
    Q_OBJECT
public:
    // The one window, loaded hidden on first use; a second call brings the
    // open window up as it stands.
    static BigChart *Load();
    // nullptr while the window is not loaded.
    static BigChart *Loaded();
    ~BigChart() override;

    QComboBox *cboUp = nullptr;
    QComboBox *cboLow = nullptr;
    QComboBox *cboMove = nullptr; // also takes typed text
    QLineEdit *txtMaval = nullptr;
    QComboBox *cboDisp = nullptr;
    QComboBox *cboBack = nullptr;
    QComboBox *cboSize = nullptr;
    QComboBox *cboIndex = nullptr;
    QLineEdit *txtSbl = nullptr;
    QComboBox *cboFrq = nullptr;
    QSlider *Slider1 = nullptr;
    QList<QLabel *> lblTime;
    QPushButton *cmdQuery = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdReset = nullptr;

    void FillFrequency(bool intraday);
    void LoadChartOpt();
    void ResetChartOpt();
    void ShowChart();
    void Slider1_Scroll();
    void cmdQuery_Click();
    void cmdCancel_Click();
    void cmdSave_Click();
    void txtMaval_Change();

protected:
    void reject() override; // Esc
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit BigChart(QWidget *parent = nullptr);
    void FillCombos();
    // The period slider at a position, with that position's frequency list
    // (the daily one where a move would leave the list alone).
    void SetPeriod(int position);
    // The slider position the query sends as the period.
    int m_period = 0;
};
