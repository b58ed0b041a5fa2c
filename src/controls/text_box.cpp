// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A text box with a tag, a key filter and a typing limit.
#include "text_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

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

} // namespace tinctora
