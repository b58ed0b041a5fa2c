// A picture box: an optional border around a client area with a background
// colour, a picture, a persistent image that drawing goes into, and mouse
// events in client coordinates.
#pragma once

#include "colour.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QRegion>

#include <optional>

namespace tinctora {

enum class BoxBorder { None, Sunken, Flat };

class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, BoxBorder border = BoxBorder::Sunken);

    // Children of the box are placed on its client area, clipped to it.
    QWidget* client() const { return client_; }

    PackedColor backColor() const { return backColor_; }
    void setBackColor(PackedColor color);
    // A colour painted in place of the background colour, which stays as it
    // is; nothing paints the background colour again.
    void setShownBackColor(std::optional<PackedColor> color);

    // The picture is drawn at the top left of the client area, over the image.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // The persistent image: what is drawn into it survives repaints. It is
    // created on first use with the client area's size and background colour.
    QImage& image();
    // Shows the persistent image's new content.
    void refresh();

    // An image that is not kept: painted at the top left, after the image and
    // picture, until the next setPicture().
    void setOverlay(const QImage& overlay);

signals:
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF position);
    void mouseMove(Qt::MouseButtons buttons, QPointF position);
    void mouseUp(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF position);
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintClient(QPaintEvent* event);
    QRegion uncoveredClientRegion() const;
    bool forwardMouse(QWidget* from, QEvent* event);

    QWidget* client_;
    PackedColor backColor_ = kBlack;
    std::optional<PackedColor> shownBackColor_;
    QPixmap picture_;
    QImage image_;
    QImage overlay_;
    bool pressedInside_ = false;
};

} // namespace tinctora
