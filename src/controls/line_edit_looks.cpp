// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A line edit painted from pictures: its panel over the parent's background,
// and its idle looks.
#include "line_edit_looks.h"

#include <QApplication>
#include <QBackingStore>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QWindow>

#include <cmath>

namespace tinctora {

// The style of a box painted from pictures: its panel comes from the picture.
class PanelPictureStyle : public QProxyStyle {
public:
    PanelPictureStyle(LineEditLooks* looks, QLineEdit* box, QStyle* base)
        : QProxyStyle(base), looks_(looks), box_(box) {
        setParent(looks);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelLineEdit && widget == box_) {
            looks_->drawPanel(option, painter, baseStyle());
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    LineEditLooks* looks_;
    const QLineEdit* box_;
};

LineEditLooks::LineEditLooks(QLineEdit* box) : QObject(box), box_(box) {
    updatePaintMode();
    // The base style is a fresh one of the application's kind, owned by the proxy.
    box->setStyle(
        new PanelPictureStyle(this, box, QStyleFactory::create(QApplication::style()->name())));
    box->installEventFilter(this);
    box->update();
}

bool LineEditLooks::usesPictures() const {
    const qreal ratio = box_->devicePixelRatioF();
    return ratio == std::floor(ratio);
}

void LineEditLooks::updatePaintMode() {
    box_->setAttribute(Qt::WA_OpaquePaintEvent, usesPictures());
}

void LineEditLooks::followWindowScreen() {
    QWindow* window = box_->window()->windowHandle();
    if (window == nullptr || window == followedWindow_) {
        return;
    }
    if (followedWindow_ != nullptr) {
        disconnect(followedWindow_, nullptr, this, nullptr);
    }
    followedWindow_ = window;
    connect(window, &QWindow::screenChanged, this, [this] { updatePaintMode(); });
}

bool LineEditLooks::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Paint:
        paint(static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::Show:
        updatePaintMode();
        followWindowScreen();
        break;
    case QEvent::FontChange:
        ++fontGeneration_;
        break;
    case QEvent::Move:
        // Qt moves an opaque widget's pixels along; the background under the
        // corners is another at the new place.
        if (usesPictures()) {
            box_->update();
        }
        break;
    case QEvent::DragEnter:
        dragOver_ = true;
        break;
    case QEvent::DragLeave:
    case QEvent::Drop:
        dragOver_ = false;
        break;
    default:
        break;
    }
    return false;
}

void LineEditLooks::paintAsLineEdit(QPaintEvent* event) {
    // The box's own event handling paints it; QObject's event() is public.
    static_cast<QObject*>(box_)->event(event);
}

void LineEditLooks::drawPanel(const QStyleOption* option, QPainter* painter, const QStyle* base) {
    if (!usesPictures()) {
        base->drawPrimitive(QStyle::PE_PanelLineEdit, option, painter, box_);
        return;
    }
    PanelState state;
    state.state = static_cast<int>(option->state);
    state.rect = option->rect;
    state.palette = option->palette.cacheKey();
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        state.lineWidth = frame->lineWidth;
        state.features = static_cast<int>(frame->features);
    }
    state.ratio = painter->device()->devicePixelRatioF();
    state.backgroundGeneration = backgroundGeneration_;
    if (panel_.isNull() || !(state == panelState_)) {
        QPixmap panel = parentBackground();
        QPainter onPanel(&panel);
        onPanel.translate(-option->rect.topLeft());
        base->drawPrimitive(QStyle::PE_PanelLineEdit, option, &onPanel, box_);
        onPanel.end();
        panel_ = panel;
        panelState_ = state;
    }
    painter->drawPixmap(option->rect.topLeft(), panel_);
}

bool LineEditLooks::isIdle() const {
    return !box_->hasFocus() && !box_->hasSelectedText() && !dragOver_;
}

LineEditLooks::LookState LineEditLooks::lookState() const {
    LookState state;
    state.style = box_->style();
    state.palette = box_->palette().cacheKey();
    state.fontGeneration = fontGeneration_;
    state.backgroundGeneration = backgroundGeneration_;
    state.size = box_->size();
    state.ratio = box_->devicePixelRatioF();
    state.flags = (box_->isEnabled() ? 1 : 0) | (box_->underMouse() ? 2 : 0) |
                  (box_->isActiveWindow() ? 4 : 0) | (box_->isReadOnly() ? 8 : 0) |
                  (box_->hasFrame() ? 16 : 0);
    state.alignment = static_cast<int>(box_->alignment());
    state.echoMode = static_cast<int>(box_->echoMode());
    state.direction = static_cast<int>(box_->layoutDirection());
    state.margins = box_->textMargins();
    state.placeholder = box_->placeholderText();
    return state;
}

QList<QWidget*> LineEditLooks::backgroundPainters() const {
    QList<QWidget*> ancestors;
    for (QWidget* widget = box_->parentWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        ancestors.prepend(widget);
        if (widget->isWindow() || widget->autoFillBackground() ||
            widget->testAttribute(Qt::WA_OpaquePaintEvent)) {
            break;
        }
    }
    return ancestors;
}

const QPixmap& LineEditLooks::parentBackground() {
    // What the ancestors paint under the box, without their other children:
    // the window background and, for a group box, its frame.
    const QList<QWidget*> ancestors = backgroundPainters();
    BackgroundState state;
    for (const QWidget* widget : ancestors) {
        state.ancestors =
            qHashMulti(state.ancestors, widget, widget->style(), widget->palette().cacheKey(),
                       widget->width(), widget->height(), box_->mapTo(widget, QPoint(0, 0)));
    }
    state.geometry = box_->geometry();
    state.ratio = box_->devicePixelRatioF();
    if (parentBackground_.isNull() || !(state == backgroundState_)) {
        QPixmap background(box_->size() * state.ratio);
        background.setDevicePixelRatio(state.ratio);
        QPainter painter(&background);
        bool first = true;
        for (QWidget* widget : ancestors) {
            const QRegion under(QRect(box_->mapTo(widget, QPoint(0, 0)), box_->size()));
            widget->render(&painter, QPoint(), under,
                           first ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
            first = false;
        }
        painter.end();
        parentBackground_ = background;
        backgroundState_ = state;
        ++backgroundGeneration_;
    }
    return parentBackground_;
}

QImage LineEditLooks::capturedLook(const QPaintEvent* event) {
    // Only a paint of the whole box straight into the window's backing
    // store, with nothing of the box hidden, leaves its complete look there.
    if (!(QRegion(box_->rect()) - event->region()).isEmpty()) {
        return {};
    }
    QBackingStore* store = box_->window()->backingStore();
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image) {
        return {};
    }
    QPainter probe(box_);
    if (probe.paintEngine() == nullptr || probe.paintEngine()->paintDevice() != device) {
        return {};
    }
    const QTransform toDevice = probe.deviceTransform();
    probe.end();
    const qreal ratio = box_->devicePixelRatioF();
    const QRectF physical(toDevice.dx(), toDevice.dy(), box_->width() * ratio,
                          box_->height() * ratio);
    const QRect whole = physical.toRect();
    // At a fractional scale the box's edges share pixels with its neighbours.
    if (QRectF(whole) != physical || toDevice.type() > QTransform::TxScale ||
        box_->visibleRegion() != QRegion(box_->rect())) {
        return {};
    }
    QImage look = static_cast<const QImage*>(device)->copy(whole);
    look.setDevicePixelRatio(ratio);
    return look;
}

void LineEditLooks::paint(QPaintEvent* event) {
    const bool pictures = usesPictures();
    if (box_->testAttribute(Qt::WA_OpaquePaintEvent) != pictures) {
        // The scale changed unannounced: paint once more with the ancestors
        // painting beneath as the new mode needs.
        updatePaintMode();
        box_->update();
        paintAsLineEdit(event);
        return;
    }
    if (pictures) {
        // Brought up to date first: the panel picture and the looks are
        // painted over it.
        parentBackground();
    }
    if (!pictures || !isIdle()) {
        // The panel picture holds the parent's background too.
        paintAsLineEdit(event);
        return;
    }
    // An idle opaque box's pixels are all its own: what it painted for a
    // text is what it will paint for that text again until its state changes.
    const LookState state = lookState();
    // Enough room for every value of a channel; a box showing ever new texts
    // starts afresh now and then.
    constexpr qsizetype kMostLooks = 300;
    if (!(state == cachedState_) || looks_.size() >= kMostLooks) {
        looks_.clear();
        cachedState_ = state;
    }
    // A scrolled text wider than the box looks different with each cursor
    // position; the usual cursor at the end needs no key of its own.
    const QString shown = box_->text();
    const QString key = box_->cursorPosition() == shown.size()
                            ? shown
                            : QString::number(box_->cursorPosition()) + QLatin1Char(':') + shown;
    const auto found = looks_.constFind(key);
    if (found != looks_.constEnd()) {
        QPainter(box_).drawImage(QPointF(0, 0), *found);
        return;
    }
    paintAsLineEdit(event);
    QImage look = capturedLook(event);
    if (!look.isNull()) {
        looks_.insert(key, look);
    }
}

} // namespace tinctora
