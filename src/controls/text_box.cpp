// A text box with a key filter, a typing limit and a cache of its idle looks.
#include "text_box.h"

#include <QApplication>
#include <QBackingStore>
#include <QDragEnterEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>

#include <cmath>

namespace tinctora {

// The style of an opaque text box: its panel comes from the box's picture.
class PanelPictureStyle : public QProxyStyle {
public:
    PanelPictureStyle(TextBox* box, QStyle* base) : QProxyStyle(base), box_(box) { setParent(box); }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelLineEdit && widget == box_) {
            box_->drawPanel(option, painter, baseStyle());
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    TextBox* box_;
};

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::setTypingLimit(int length) {
    typingLimit_ = length;
}

static bool IsEditingShortcut(const QKeyEvent* event) {
    static const QKeySequence::StandardKey kKept[] = {
        QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
        QKeySequence::Paste,     QKeySequence::Undo, QKeySequence::Redo,
    };
    for (const auto key : kKept) {
        if (event->matches(key)) {
            return true;
        }
    }
    return false;
}

void TextBox::insertTyped(const QString& text) {
    // Typed text replaces the selection; the limit counts what stays.
    const qsizetype kept = this->text().size() - selectedText().size();
    if (kept + text.size() > typingLimit_) {
        return;
    }
    insert(text);
}

// Ctrl or Alt turns a key into a command, which types nothing; AltGr, which
// types the third character of a key, reaches Qt as the group switch.
static bool IsCommandKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    return (mods & (Qt::ControlModifier | Qt::AltModifier)) != 0 &&
           (mods & Qt::GroupSwitchModifier) == 0;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Keys without a character (arrows, Home, End, Delete) and the editing
    // shortcuts keep their usual behaviour; backspace passes the filter below.
    if (IsEditingShortcut(event) || event->key() == Qt::Key_Delete || text.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        if (!keyFilter || keyFilter(8) == 8) {
            QLineEdit::keyPressEvent(event);
        }
        event->accept();
        return;
    }
    if (IsCommandKey(event)) {
        event->ignore();
        return;
    }
    event->accept();
    QString accepted;
    for (const QChar ch : text) {
        const int code = keyFilter ? keyFilter(ch.unicode()) : ch.unicode();
        if (code != 0) {
            accepted.append(QChar(code));
        }
    }
    if (!accepted.isEmpty()) {
        insertTyped(accepted);
    }
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    // Composed characters pass the same filter as typed ones.
    QString accepted;
    for (const QChar ch : event->commitString()) {
        const int code = keyFilter ? keyFilter(ch.unicode()) : ch.unicode();
        if (code != 0) {
            accepted.append(QChar(code));
        }
    }
    if (!accepted.isEmpty()) {
        insertTyped(accepted);
    }
    event->accept();
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Only a person moving into the box, by key or by click, or the program
    // handing the focus on, selects the text. The focus that comes back when
    // the box's own context menu closes or the window is activated again
    // keeps the selection and caret the person left.
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        selectAfterPress_ = true;
        break;
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        selectAfterPress_ = false;
        emit gotFocus();
        break;
    default:
        selectAfterPress_ = false;
        break;
    }
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    const bool select = selectAfterPress_;
    selectAfterPress_ = false;
    QLineEdit::mousePressEvent(event);
    if (select) {
        emit gotFocus();
    }
}

bool TextBox::usesPictures() const {
    // At a fractional scale the box's edges share screen pixels with its
    // neighbours, and a picture's pixels would not fall on the screen's.
    const qreal ratio = devicePixelRatioF();
    return opaqueOverParent_ && ratio == std::floor(ratio);
}

void TextBox::updatePaintMode() {
    setAttribute(Qt::WA_OpaquePaintEvent, usesPictures());
}

void TextBox::makeOpaqueOverParent() {
    if (opaqueOverParent_) {
        return;
    }
    opaqueOverParent_ = true;
    updatePaintMode();
    // The base style is a fresh one of the application's kind, owned by the proxy.
    setStyle(new PanelPictureStyle(this, QStyleFactory::create(QApplication::style()->name())));
    update();
}

void TextBox::drawPanel(const QStyleOption* option, QPainter* painter, const QStyle* base) {
    if (!usesPictures()) {
        base->drawPrimitive(QStyle::PE_PanelLineEdit, option, painter, this);
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
        base->drawPrimitive(QStyle::PE_PanelLineEdit, option, &onPanel, this);
        onPanel.end();
        panel_ = panel;
        panelState_ = state;
    }
    painter->drawPixmap(option->rect.topLeft(), panel_);
}

bool TextBox::isIdle() const {
    return !hasFocus() && !hasSelectedText() && !dragOver_;
}

TextBox::LookState TextBox::lookState() const {
    LookState state;
    state.style = style();
    state.palette = palette().cacheKey();
    state.fontGeneration = fontGeneration_;
    state.backgroundGeneration = backgroundGeneration_;
    state.size = size();
    state.ratio = devicePixelRatioF();
    state.flags = (isEnabled() ? 1 : 0) | (underMouse() ? 2 : 0) | (isActiveWindow() ? 4 : 0) |
                  (isReadOnly() ? 8 : 0) | (hasFrame() ? 16 : 0);
    state.alignment = static_cast<int>(alignment());
    state.echoMode = static_cast<int>(echoMode());
    state.direction = static_cast<int>(layoutDirection());
    state.margins = textMargins();
    state.placeholder = placeholderText();
    return state;
}

QList<QWidget*> TextBox::backgroundPainters() const {
    QList<QWidget*> ancestors;
    for (QWidget* widget = parentWidget(); widget != nullptr; widget = widget->parentWidget()) {
        ancestors.prepend(widget);
        if (widget->isWindow() || widget->autoFillBackground() ||
            widget->testAttribute(Qt::WA_OpaquePaintEvent)) {
            break;
        }
    }
    return ancestors;
}

const QPixmap& TextBox::parentBackground() {
    // What the ancestors paint under the box, without their other children:
    // the window background and, for a group box, its frame.
    const QList<QWidget*> ancestors = backgroundPainters();
    BackgroundState state;
    for (const QWidget* widget : ancestors) {
        state.ancestors =
            qHashMulti(state.ancestors, widget, widget->style(), widget->palette().cacheKey(),
                       widget->width(), widget->height(), mapTo(widget, QPoint(0, 0)));
    }
    state.geometry = geometry();
    state.ratio = devicePixelRatioF();
    if (parentBackground_.isNull() || !(state == backgroundState_)) {
        QPixmap background(size() * state.ratio);
        background.setDevicePixelRatio(state.ratio);
        QPainter painter(&background);
        bool first = true;
        for (QWidget* widget : ancestors) {
            const QRegion under(QRect(mapTo(widget, QPoint(0, 0)), size()));
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

QImage TextBox::capturedLook(const QPaintEvent* event) {
    // Only a paint of the whole box straight into the window's backing
    // store, with nothing of the box hidden, leaves its complete look there.
    if (!(QRegion(rect()) - event->region()).isEmpty()) {
        return {};
    }
    QBackingStore* store = window()->backingStore();
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image) {
        return {};
    }
    QPainter probe(this);
    if (probe.paintEngine() == nullptr || probe.paintEngine()->paintDevice() != device) {
        return {};
    }
    const QTransform toDevice = probe.deviceTransform();
    probe.end();
    const qreal ratio = devicePixelRatioF();
    const QRectF physical(toDevice.dx(), toDevice.dy(), width() * ratio, height() * ratio);
    const QRect whole = physical.toRect();
    // At a fractional scale the box's edges share pixels with its neighbours.
    if (QRectF(whole) != physical || toDevice.type() > QTransform::TxScale ||
        visibleRegion() != QRegion(rect())) {
        return {};
    }
    QImage look = static_cast<const QImage*>(device)->copy(whole);
    look.setDevicePixelRatio(ratio);
    return look;
}

void TextBox::paintEvent(QPaintEvent* event) {
    if (testAttribute(Qt::WA_OpaquePaintEvent) != usesPictures()) {
        // The scale changed unannounced: paint once more with the ancestors
        // painting beneath as the new mode needs.
        updatePaintMode();
        update();
        QLineEdit::paintEvent(event);
        return;
    }
    if (usesPictures()) {
        // Brought up to date first: the panel picture and the looks are
        // painted over it.
        parentBackground();
    }
    if (!usesPictures() || !isIdle()) {
        // An opaque box's panel picture holds the parent's background too.
        QLineEdit::paintEvent(event);
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
    const QString shown = text();
    const QString key = cursorPosition() == shown.size()
                            ? shown
                            : QString::number(cursorPosition()) + QLatin1Char(':') + shown;
    const auto found = looks_.constFind(key);
    if (found != looks_.constEnd()) {
        QPainter(this).drawImage(QPointF(0, 0), *found);
        return;
    }
    QLineEdit::paintEvent(event);
    QImage look = capturedLook(event);
    if (!look.isNull()) {
        looks_.insert(key, look);
    }
}

void TextBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        ++fontGeneration_;
    }
    QLineEdit::changeEvent(event);
}

void TextBox::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    // Qt moves an opaque widget's pixels along; the background under the
    // corners is another at the new place.
    if (usesPictures()) {
        update();
    }
}

bool TextBox::event(QEvent* event) {
    // A window moved to a screen of another scale tells its widgets so.
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show) {
        updatePaintMode();
    }
    return QLineEdit::event(event);
}

void TextBox::dragEnterEvent(QDragEnterEvent* event) {
    dragOver_ = true;
    QLineEdit::dragEnterEvent(event);
}

void TextBox::dragLeaveEvent(QDragLeaveEvent* event) {
    dragOver_ = false;
    QLineEdit::dragLeaveEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
    dragOver_ = false;
    QLineEdit::dropEvent(event);
}

} // namespace tinctora
