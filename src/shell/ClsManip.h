#pragma once
// Picture effects on two picture boxes: a hidden source box keeps the
// untouched 256-colour picture and a visible output box is rewritten from it,
// byte by byte in its indexed bitmap. The water ripple runs frame after frame
// until stopped; the bump-map lighting draws one frame.
#include <QPointer>
#include <QString>
#include <QVector>
#include <cstdint>

class PictureBox;
class QWidget;

class ClsManip {
public:
    // Starts the play loop when idle and returns when it has ended; stops a
    // running loop otherwise (it then ends after its current frame).
    void DoRipple(float Frq);
    // Loads the picture into both boxes and prepares the ripple tables.
    void IntRipple(const QString &PicPath, float frq1);
    void IntBump(const QString &PicPath);
    void DoBump();
    // "True" while no play loop runs.
    QString IsPlay() const { return Idle ? QStringLiteral("True") : QStringLiteral("False"); }
    float Frq() const { return Frequency; }
    void IntCls(QWidget *frm1, PictureBox *Pict1, PictureBox *pict2);

    // The ripple's measures, in pixels of the output box.
    int16_t CenterXOf() const { return CenterX; }
    int16_t CenterYOf() const { return CenterY; }
    int16_t FoldLimitOf() const { return FoldLimit; }
    int16_t MaxRadiusOf() const { return MaxRadius; }
    int16_t FrameCountOf() const { return FrameCount; }
    // Displacement of each distance at the last frame drawn.
    const QVector<int16_t> &Waves() const { return WaveTable; }
    // Tests start the wave at a chosen phase.
    void SetFrameCount(int16_t frames) { FrameCount = frames; }

private:
    // One frame: the wave table for the next phase, the output rewritten
    // from the source. False when the output is no 256-colour bitmap.
    bool DrawFrame();

    QPointer<QWidget> frm1;
    QPointer<PictureBox> Pict1; // output
    QPointer<PictureBox> pict2; // source
    bool Idle = false;
    float Frequency = 0;
    int16_t FrameCount = 0;
    int16_t CenterX = 0;
    int16_t CenterY = 0;
    int16_t FoldLimit = 0;
    int16_t MaxRadius = 0;
    QVector<int16_t> DistanceTable; // (CenterX + 1) columns by (CenterY + 1) rows
    QVector<int16_t> WaveTable;     // 0 .. MaxRadius
    QVector<uint8_t> LightMap;      // 257 x 257
    int16_t LightX = 0, LightY = 0;
    int16_t LightShiftX = 0, LightShiftY = 0;
    int16_t BumpWidth = 0, BumpHeight = 0;
};
