#pragma once
// The main window. Its methods are spread over the folders of the
// subsystems that own them (the portfolio grids live with the portfolio, the
// sheet fillers with the sheets); this header is the one declaration.
#include <QWidget>

class frmMain : public QWidget {
    Q_OBJECT
public:
    // The one main window; created hidden on first use.
    static frmMain *Instance();
    // nullptr while the window is not loaded.
    static frmMain *Loaded();
    static void Unload();

    // Shows the window modeless; the first showing runs the start-up.
    void ShowWindow();

    // --- start-up and shut-down ---
    void LoadData();

    // --- portfolio grids ---
    void FG_Portfolio_All();
    void FG_PortfolioLog();

private:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;
    bool loaded_ = false;
};
