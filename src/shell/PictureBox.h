#pragma once
// A picture box with a pixel scale: it shows its picture at the top-left of
// its inner area, clipped, and its bitmap may be rewritten in place and
// repainted. The inner area (ScaleWidth x ScaleHeight) lies inside a sunken
// border two pixels wide.
#include <QFrame>
#include <QImage>
#include <QLabel>

class PictureBox : public QFrame {
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads the picture from a file; a file that cannot be read leaves the
    // box empty (a null picture).
    void LoadPicture(const QString &path);
    QImage &Picture() { return picture_; }
    int ScaleWidth() const { return contentsRect().width(); }
    int ScaleHeight() const { return contentsRect().height(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};

// The face of a picture button: a label whose picture grows and shrinks with
// the label, kept in proportion, across the middle of the label and on its
// bottom edge, where the button's caption begins. The label's picture stays
// the bitmap it was given.
class PictureFace : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
