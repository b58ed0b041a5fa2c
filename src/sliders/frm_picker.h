// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The popup value picker: a 256 x 15 px popup strip with the channel's
// gradient and the marker line ChoosingLine.
#pragma once

#include "colour.h"
#include "pointer_values.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <QWindow>

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
    // The marker follows the pointer from where it was as the strip opened,
    // in screen pixels.
    void followPointer(int32_t markerColumn, QPoint openedAt);

    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    // Holds the pointer for the drag: the capture where the strip is a popup
    // of its own, else the moves through the main window.
    void holdPointer();

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
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hands a mouse event of the strip's own window or, throughMain, of the
    // main window to the handlers; returns whether it is used up.
    bool dispatchDragEvent(const QMouseEvent& event, bool throughMain);

    frmMain& owner_;
    MarkerLine line_;
    QImage image_;
    int32_t openMarker_ = 0;
    QPoint openedAt_;
    // Set up by the first reading: only then does the place of a popup that
    // the compositor moved show in its geometry.
    std::optional<PickerFollow> follow_;
    // Whether Qt knows where the strip is shown; asked once per opening, not
    // on every move of the drag.
    bool placeKnown_ = true;
    // Whether the mouse event being handled came to the strip's own window,
    // at the strip's true place, rather than from another of our windows.
    bool onOwnWindow_ = false;
    // The main window whose drag events the strip takes, where it is no popup.
    QPointer<QWindow> dragWindow_;
};

} // namespace tinctora
