#pragma once
// Keeps a window's controls in proportion when the window is resized: the
// first ScaleControls records the window's inner size and its controls'
// geometry (twips), every later call places each control at its recorded
// geometry times the ratio of the current inner size to the recorded one.
// Scaling always starts from the record, so repeated resizes add no error.
//
// A control's type name is its "vbType" property when set, else one taken
// from its Qt class (TypeName). Only frames, picture boxes, grids, trees,
// labels, text boxes, buttons, lists and combo boxes move; other controls
// (images, shapes, check boxes, sliders, the news ticker) stay put.
//
// The "Tag" property (text) can name the edges that follow the window: a tag
// beginning with "@" scales the top for a T anywhere in it, the height for
// H, the left for L and the width for W; any other tag scales all four.
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

class clsFormResize {
public:
    clsFormResize() = default;

    QWidget *SourceForm() const { return sourceForm_; }
    void SetSourceForm(QWidget *vNewValue) { sourceForm_ = vNewValue; }

    // Records on the first call, scales on every later one; a minimised
    // window is left alone. Throws VbError, moving nothing, when the record
    // cannot give ratios: a recorded inner size of 0 (11 "Division by zero",
    // or 6 "Overflow" when the current size is 0 too) or no recorded control
    // (9 "Subscript out of range"); the resize handler logs it. Also throws
    // 91 when there is no SourceForm.
    void ScaleControls();
    // Sets the window's outer size to nPercent percent of its screen's.
    void SizeFormToScreen(int16_t nPercent);
    // Takes the window's current size and geometry as the new reference.
    void ReInitialize() { InitializeSizes(); }

    // The control type name a control is treated as (see above); "" for a
    // widget that is a window of its own.
    static QString TypeName(const QWidget *control);

private:
    struct ControlPosition {
        QPointer<QWidget> Ctl;
        int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    };

    QWidget *Form() const;
    void InitializeSizes();
    void StoreFormSize();
    void StoreControlPositions();
    void StoreChildren(const QWidget *parent);

    QPointer<QWidget> sourceForm_;
    int32_t BaseWidth = 0;
    int32_t BaseHeight = 0;
    QList<ControlPosition> ControlPositions;
    bool FirstTime = true;
};
