#pragma once
// The summary options window: the user ticks the sections of the summary
// page, Generate remembers the choice in the "SummaryOpt" setting, builds
// the page and closes the window. The main window places it and shows it
// modal.
#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class Summery;

class SummaryOpt : public QDialog {
public:
    // The window, loaded hidden on first use.
    static SummaryOpt *Load();
    static SummaryOpt *Loaded();
    ~SummaryOpt() override;

    QLabel *Label1 = nullptr;
    std::array<QCheckBox *, 19> chk{};
    QLabel *lbl1 = nullptr;
    QPushButton *cndGenerate = nullptr;
    QPushButton *cmdCancel = nullptr;

    void Form_Load();
    void LoadOptions();
    void SaveOptions();
    bool CheckSelection();
    void cndGenerate_Click();
    void cmdCancel_Click();

protected:
    // Esc and the close box: Cancel.
    void reject() override;

private:
    SummaryOpt();
    int Value(int box) const;

    std::shared_ptr<Summery> summery_; // held by a running Generate too
    bool generating_ = false;
};
