// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The small control kinds of Tinctora's windows: text boxes (text_box.h),
// labels and option buttons that hold packed colours, arrow buttons, and
// etched separator lines.
#pragma once

#include "colour.h"
#include "fitted_mark.h"
#include "kept_indicator.h"
#include "laid_out_line.h"
#include "text_box.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace tinctora {

// A label whose text colour is a packed colour, on a transparent background.
// On a picture box the label is drawn by the box, in the box's own paint,
// and lies below anything else on the box: painted for itself, each line of
// the web page's preview cost a painter, a pass of the repaint and a place
// in its regions on every step of a drag.
class ColorLabel : public QLabel {
    Q_OBJECT
public:
    ColorLabel(const QString& text, QWidget* parent);
    // Sets the text and has what lies below the label painted again.
    void setText(const QString& text);
    // Draws the text and the note, the painter's origin at the label's top
    // left.
    void drawContents(QPainter& painter);
    PackedColor foreColor() const { return foreColor_; }
    void setForeColor(PackedColor color);
    // A colour painted in place of the text colour, which stays as it is;
    // nothing paints the text colour again.
    void setShownColor(std::optional<PackedColor> color);
    // A short note right of the text's first line, in a colour of its own:
    // the first of the choices, longest first, that fits the room the text
    // leaves up to the label's right edge; none where none fits.
    void setNote(const QStringList& choices);
    QString shownNote() const { return shownNote_; }
    void setNoteColor(PackedColor color);
    void setNoteFont(const QFont& font);
    // Where the note goes; worked out again only when the label's size or
    // text changes.
    QRect noteRoom();

signals:
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateArea(const QRect& area);
    // Where the box below draws the label: the area it left, covers or now
    // covers, in the box's coordinates, painted again.
    void updateBelow(const QRect& area);

    PackedColor foreColor_ = kBlack;
    std::optional<PackedColor> shownColor_;
    LaidOutLine line_;
    FittedMark note_;
    LaidOutLine noteLine_;
    QString shownNote_;
    PackedColor noteColor_ = kBlack;
    QRect noteRoom_;
    QSize noteRoomFor_;
    QString noteRoomText_;
};

// An option button that shows its own background and text colours.
class ColorRadioButton : public QRadioButton {
    Q_OBJECT
public:
    ColorRadioButton(const QString& text, QWidget* parent);
    PackedColor backColor() const { return backColor_; }
    void setBackColor(PackedColor color);
    void setForeColor(PackedColor color);
    // The palette the button paints with: its own, with the colours set.
    QPalette shownPalette() const;
    // A short note painted right of the caption in its text colour: the
    // first of the choices, longest first, that fits the room the caption
    // leaves on its last line; none where none fits.
    void setMark(const QStringList& choices);
    QString shownMark() const { return shownMark_; }
    void setMarkFont(const QFont& font);
    // Where the mark goes, right of the caption's last line; worked out
    // again only when the button's size changes.
    QRect markRoom();

protected:
    // Long captions wrap onto a second line where the button is tall enough.
    // The colours are painted, not set in the palette: the refresh sets one
    // on every step of a drag, and a palette change polishes the button anew.
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    PackedColor backColor_ = kWhite;
    PackedColor foreColor_ = kBlack;
    FittedMark mark_;
    LaidOutLine markLine_;
    LaidOutLine captionLine_;
    KeptIndicator indicator_;
    QString shownMark_;
    QRect markRoom_;
    QSize markRoomFor_;
    // Until the colours are set the button uses the style's own.
    bool hasBackColor_ = false;
    bool hasForeColor_ = false;
};

// The small arrow button of a channel editor; it reports presses and releases
// of every mouse button.
class ArrowButton : public QPushButton {
    Q_OBJECT
public:
    explicit ArrowButton(QWidget* parent);

signals:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A one-pixel line between two points of its parent, in a packed colour.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget* parent, QPoint from, QPoint to, PackedColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PackedColor color_;
};

} // namespace tinctora
