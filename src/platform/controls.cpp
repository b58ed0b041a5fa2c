// The small control kinds of Tinctora's windows.
#include "controls.h"

#include "packed_qcolor.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tinctora {

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
    selectAfterPress_ = event->reason() == Qt::MouseFocusReason;
    emit gotFocus();
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    const bool select = selectAfterPress_;
    selectAfterPress_ = false;
    QLineEdit::mousePressEvent(event);
    if (select) {
        emit gotFocus();
    }
}

ColourLabel::ColourLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ColourLabel::setForeColor(PackedColor color) {
    // Painted by the label itself: a palette change would re-polish it on
    // every refresh.
    if (foreColor_ != color) {
        foreColor_ = color;
        update();
    }
}

void ColourLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(ToQColor(foreColor_));
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

void ColourLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

ColourRadioButton::ColourRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    setAutoFillBackground(true);
}

void ColourRadioButton::setBackColor(PackedColor color) {
    if (hasBackColor_ && backColor_ == color) {
        return;
    }
    hasBackColor_ = true;
    backColor_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    pal.setColor(QPalette::Button, ToQColor(color));
    setPalette(pal);
}

void ColourRadioButton::setForeColor(PackedColor color) {
    if (hasForeColor_ && foreColor_ == color) {
        return;
    }
    hasForeColor_ = true;
    foreColor_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(color));
    pal.setColor(QPalette::ButtonText, ToQColor(color));
    setPalette(pal);
}

void ColourRadioButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);
    const QRect textRect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect,
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                     text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
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
