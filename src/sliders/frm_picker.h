// The popup value picker: a 256 x 15 px popup strip with the channel's
// gradient and the marker line ChoosingLine.
#pragma once

#include "colour.h"

#include <QImage>
#include <QWidget>

namespace tinctora {

class frmMain;

// A vertical marker line in the picker's pixel coordinates.
struct MarkerLine {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    PackedColor BorderColor = kBlack;
};

class frmPicker : public QWidget {
    Q_OBJECT
public:
    explicit frmPicker(frmMain& owner);

    // Sizes the client area to 256 x 15 px and resets the marker.
    void Form_Load();

    const MarkerLine& ChoosingLine() const { return line_; }
    void setChoosingLineColor(PackedColor color);
    void setChoosingLineX(float x);

    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    // The persistent drawing of the window: the gradient goes into it.
    QImage& image();

    // A press anywhere takes the capture back and picks at once; a move with
    // the left button alone picks the value under the pointer; any release
    // closes. Unlike a plain popup, a press outside the strip does not close it.
    void Form_MouseDown(Qt::MouseButtons Button, QPointF position);
    void Form_MouseMove(Qt::MouseButtons Button, QPointF position);
    void Form_MouseUp(Qt::MouseButtons Button, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmMain& owner_;
    MarkerLine line_;
    QImage image_;
};

} // namespace tinctora
