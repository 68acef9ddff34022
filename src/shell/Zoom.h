#pragma once
// The Zoom window: one sheet in a window of its own beside the main window.
// A filler asked to zoom draws into a new one (SheetFrame's zoom maker), so
// several can be open at once. The window keeps the view it was drawn with
// (ZoomView) for its column widths, its links and its grid's pointer, and
// its Export menu works on its own view too: the items that view offers, and
// the view's report for the stock the window was drawn with (ZoomSymbol),
// whatever the main window shows now. The quote exports of the "Current"
// view write the open set.
#include "sheets/GridInteraction.h"

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <memory>

class FlexGrid;
class QFrame;
class QLabel;
class QMenu;
class QAction;
class QPushButton;
class clsFormResize;

class Zoom : public QWidget {
    Q_OBJECT
public:
    explicit Zoom(QWidget *owner);
    ~Zoom() override;

    QPushButton *cmdMin = nullptr;
    FlexGrid *FG = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *Panel1[3] = {};
    QMenu *mnuEdits = nullptr;
    QAction *mnuEdit[3] = {};
    QMenu *mnuExport = nullptr;
    QAction *mnuEx[16] = {};

    QString ZoomView;
    QByteArray ZoomSymbol; // the stock on show when the window was drawn
    int16_t Closing = 0;   // -1 once the window has begun to close
    // This window's inner size when it loaded (twips): the strip restores
    // to it, whatever size a later window loaded with.
    int LoadWidth = 0, LoadHeight = 0;
    GridInteraction::Drag FGDrag;

    void Form_Load();
    void Form_Resize();
    void Form_KeyDown(int keyCode, int shift);
    void cmdMin_Click();
    void MinRestore();
    void CloseZoom();
    void Panel1_Click(int index);
    void Panel1_MouseMove(int index);
    void mnuExport_Click();
    void mnuEx_Click(int index);
    void mnuEdit_Click(int index);
    void FG_Click();
    void FG_DblClick();
    void FG_MouseDown(int button, int shift, float x, float y);
    void FG_MouseMove(int button, int shift, float x, float y);
    void SelectAllCells();
    void CopyCells();

    // Test seam: runs in place of opening a popup menu.
    static void SetPopupHook(std::function<void(QMenu *)> hook);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void Popup(QMenu *menu, double x, double y);
    std::unique_ptr<clsFormResize> Resizer;
};
