// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A one-line text box with a tag, a key filter and a typing limit that never
// cuts the text.
#pragma once

#include <QLineEdit>

#include <functional>

namespace tinctora {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    // A free text the program marks the box with ("noRefresh" while the
    // refresh writes it).
    QString Tag;

    // Decides over each typed character: returns the code to insert, 0 to drop it.
    std::function<int(int code)> keyFilter;

    // The typing limit; unlike QLineEdit's, setting it never cuts the text.
    void setTypingLimit(int length);

signals:
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void insertTyped(const QString& text);

    int typingLimit_ = 32767;
    // A click that brings the focus would otherwise drop the selection again.
    bool selectAfterPress_ = false;
};

} // namespace tinctora
