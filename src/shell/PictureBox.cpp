#include "shell/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::LoadPicture(const QString &path)
{
    // Read as stored: a 256-colour picture stays indexed.
    picture_ = QImage(path);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setClipRect(contentsRect());
    p.drawImage(contentsRect().topLeft(), picture_);
}
