// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The small control kinds of Tinctora's windows.
#include "controls.h"

#include "packed_qcolor.h"
#include "picture_box.h"

#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextLayout>

#include <cmath>

namespace tinctora {

namespace {

bool DrawnByBoxBelow(const QWidget& label) {
    const QWidget* below = label.parentWidget();
    const auto* box =
        below != nullptr ? qobject_cast<const PictureBox*>(below->parentWidget()) : nullptr;
    return box != nullptr && box->client() == below;
}

} // namespace

ColorLabel::ColorLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    // The repaint passes over a widget whose updates are off: the box below
    // draws the label instead, and every change of the label goes to the box.
    if (DrawnByBoxBelow(*this)) {
        setUpdatesEnabled(false);
    }
}

void ColorLabel::setText(const QString& text) {
    if (text != this->text()) {
        QLabel::setText(text);
        updateArea(rect());
    }
}

void ColorLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateArea(rect());
    }
}

// With its updates off, a label that shows, hides, moves or resizes has Qt
// paint nothing again: the box below paints where it was and where it is.
void ColorLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    updateBelow(geometry());
}

void ColorLabel::hideEvent(QHideEvent* event) {
    QLabel::hideEvent(event);
    updateBelow(geometry());
}

void ColorLabel::moveEvent(QMoveEvent* event) {
    QLabel::moveEvent(event);
    updateBelow(QRect(event->oldPos(), size()) | geometry());
}

void ColorLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateBelow(QRect(pos(), event->oldSize()) | geometry());
}

void ColorLabel::updateBelow(const QRect& area) {
    if (DrawnByBoxBelow(*this)) {
        parentWidget()->update(area);
    }
}

void ColorLabel::setForeColor(PackedColor color) {
    // Painted by the label itself: a palette change would re-polish it on
    // every refresh.
    if (foreColor_ != color) {
        foreColor_ = color;
        if (!shownColor_) {
            updateArea(rect());
        }
    }
}

void ColorLabel::setShownColor(std::optional<PackedColor> color) {
    if (shownColor_ != color) {
        shownColor_ = color;
        updateArea(rect());
    }
}

void ColorLabel::setNote(const QStringList& choices) {
    note_.setChoices(choices);
    if (choices.isEmpty() && shownNote_.isEmpty()) {
        return;
    }
    const QRect room = noteRoom();
    const QString shown = note_.fitting(room.width());
    if (shownNote_ != shown) {
        shownNote_ = shown;
        updateArea(room);
    }
}

void ColorLabel::setNoteColor(PackedColor color) {
    if (noteColor_ != color) {
        noteColor_ = color;
        if (!shownNote_.isEmpty()) {
            updateArea(noteRoom());
        }
    }
}

void ColorLabel::setNoteFont(const QFont& font) {
    note_.setFont(font);
    noteRoomFor_ = QSize();
    shownNote_ = note_.fitting(noteRoom().width());
    updateArea(rect());
}

QRect ColorLabel::noteRoom() {
    if (noteRoomFor_ == size() && noteRoomText_ == text()) {
        return noteRoom_;
    }
    const QRect contents = contentsRect();
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    int textRight = contents.left() + textWidth;
    if (alignment() & Qt::AlignHCenter) {
        textRight = contents.left() + (contents.width() + textWidth + 1) / 2;
    } else if (alignment() & Qt::AlignRight) {
        textRight = contents.right() + 1;
    }
    constexpr int gap = 3;
    const int left = textRight + gap;
    noteRoom_ = QRect(left, contents.top(), contents.right() - left, metrics.height());
    noteRoomFor_ = size();
    noteRoomText_ = text();
    return noteRoom_;
}

void ColorLabel::updateArea(const QRect& area) {
    // A label painted for itself is painted with everything below it, from
    // the window down; on a parent that paints all of its pixels, that
    // parent's repaint of the area paints the label too, once.
    // A label out of sight is painted when it shows, as update() has it.
    if (!isVisible()) {
        return;
    }
    QWidget* below = parentWidget();
    if (below != nullptr && below->testAttribute(Qt::WA_OpaquePaintEvent)) {
        below->update(area.translated(pos()));
    } else {
        update(area);
    }
}

void ColorLabel::paintEvent(QPaintEvent* /*event*/) {
    if (DrawnByBoxBelow(*this)) {
        return;
    }
    QPainter painter(this);
    drawContents(painter);
}

void ColorLabel::drawContents(QPainter& painter) {
    // An empty label leaves the page below as it is.
    if (text().isEmpty() && shownNote_.isEmpty()) {
        return;
    }
    painter.setPen(ToQColor(shownColor_.value_or(foreColor_)));
    painter.setFont(font());
    line_.draw(painter, contentsRect(), static_cast<int>(alignment()), text());
    if (!shownNote_.isEmpty()) {
        painter.setPen(ToQColor(noteColor_));
        painter.setFont(note_.font());
        noteLine_.draw(painter, noteRoom(), Qt::AlignRight | Qt::AlignVCenter, shownNote_);
    }
}

void ColorLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

ColorRadioButton::ColorRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    // The whole button is painted with its background colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorRadioButton::setBackColor(PackedColor color) {
    if (hasBackColor_ && backColor_ == color) {
        return;
    }
    hasBackColor_ = true;
    backColor_ = color;
    update();
}

void ColorRadioButton::setForeColor(PackedColor color) {
    if (hasForeColor_ && foreColor_ == color) {
        return;
    }
    hasForeColor_ = true;
    foreColor_ = color;
    update();
}

QPalette ColorRadioButton::shownPalette() const {
    QPalette shown = palette();
    if (hasBackColor_) {
        shown.setColor(QPalette::Window, ToQColor(backColor_));
        shown.setColor(QPalette::Button, ToQColor(backColor_));
    }
    if (hasForeColor_) {
        shown.setColor(QPalette::WindowText, ToQColor(foreColor_));
        shown.setColor(QPalette::ButtonText, ToQColor(foreColor_));
    }
    return shown;
}

void ColorRadioButton::setMark(const QStringList& choices) {
    mark_.setChoices(choices);
    // A drag changes the ratio on every step, the mark far less often; only
    // the mark's own room is painted again.
    const QRect room = markRoom();
    const QString shown = mark_.fitting(room.width());
    if (shownMark_ != shown) {
        shownMark_ = shown;
        update(room);
    }
}

void ColorRadioButton::setMarkFont(const QFont& font) {
    mark_.setFont(font);
    shownMark_ = mark_.fitting(markRoom().width());
    update();
}

QRect ColorRadioButton::markRoom() {
    if (markRoomFor_ == size()) {
        return markRoom_;
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect caption = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    // The caption is laid out as the paint below wraps it, centred as a block.
    QTextLayout layout(text(), font());
    layout.beginLayout();
    qreal height = 0;
    qreal lastTop = 0;
    qreal lastWidth = 0;
    qreal lastHeight = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(caption.width());
        lastTop = height;
        lastWidth = line.naturalTextWidth();
        lastHeight = line.height();
        height += lastHeight;
    }
    layout.endLayout();
    constexpr int gap = 3;
    const int top = caption.top() + static_cast<int>((caption.height() - height) / 2 + lastTop);
    const int left = caption.left() + static_cast<int>(std::ceil(lastWidth)) + gap;
    markRoom_ = QRect(left, top, width() - 1 - left, static_cast<int>(std::ceil(lastHeight)));
    // A last line the button cuts off leaves no room: a mark there would be
    // cut off with it.
    if (!rect().contains(markRoom_)) {
        markRoom_ = QRect();
    }
    markRoomFor_ = size();
    return markRoom_;
}

bool ColorRadioButton::event(QEvent* event) {
    const bool handled = QRadioButton::event(event);
    // The style's polish clears the attribute again; without it every
    // repaint of the button, or of its mark alone, paints what lies below
    // it first.
    if (event->type() == QEvent::Polish) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    return handled;
}

void ColorRadioButton::paintEvent(QPaintEvent* event) {
    const QRect room = markRoom();
    if (room.contains(event->rect())) {
        // Only the mark changed: its room in the colours the palette below
        // would give, without a copy of the palette.
        QPainter painter(this);
        painter.fillRect(room,
                         hasBackColor_ ? ToQColor(backColor_) : palette().color(backgroundRole()));
        painter.setPen(hasForeColor_ ? ToQColor(foreColor_)
                                     : palette().color(QPalette::WindowText));
        painter.setFont(mark_.font());
        markLine_.draw(painter, room, Qt::AlignRight | Qt::AlignVCenter, shownMark_);
        return;
    }
    QStylePainter painter(this);
    const QPalette shown = shownPalette();
    painter.fillRect(rect(), shown.brush(backgroundRole()));
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = shown;
    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    indicator_.draw(painter, indicator, this);
    const QRect textRect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    painter.setPen(shown.color(QPalette::WindowText));
    captionLine_.draw(painter, textRect,
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                      text());
    shownMark_ = mark_.fitting(room.width());
    painter.setFont(mark_.font());
    markLine_.draw(painter, room, Qt::AlignRight | Qt::AlignVCenter, shownMark_);
    painter.setFont(font());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.palette = shown;
        focus.rect =
            painter
                .boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text())
                .adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

ArrowButton::ArrowButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(false);
}

void ArrowButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    // A small arrow in the middle of the narrow button.
    const int side = 7;
    option.rect = QRect((width() - side) / 2, (height() - side) / 2, side, side);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);
}

void ArrowButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
    }
    emit mouseDown(event->button());
}

void ArrowButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
    }
    emit mouseUp(event->button());
}

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, PackedColor color)
    : QWidget(parent), color_(color) {
    const QRect span = QRect(from, to).normalized();
    setGeometry(span.left(), span.top(), std::max(span.width(), 1), std::max(span.height(), 1));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(color_));
}

} // namespace tinctora
