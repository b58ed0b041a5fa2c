// The small control kinds of Tinctora's windows: text boxes with a tag and a
// key filter, labels and option buttons that hold packed colours, arrow
// buttons, and etched separator lines.
#pragma once

#include "colour.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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
    int typingLimit() const { return typingLimit_; }

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

// A label whose text colour is a packed colour, on a transparent background.
class ColourLabel : public QLabel {
    Q_OBJECT
public:
    ColourLabel(const QString& text, QWidget* parent);
    PackedColor foreColor() const { return foreColor_; }
    void setForeColor(PackedColor color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    PackedColor foreColor_ = kBlack;
};

// An option button that shows its own background and text colours.
class ColourRadioButton : public QRadioButton {
    Q_OBJECT
public:
    ColourRadioButton(const QString& text, QWidget* parent);
    PackedColor backColor() const { return backColor_; }
    void setBackColor(PackedColor color);
    void setForeColor(PackedColor color);

protected:
    // Long captions wrap onto a second line where the button is tall enough.
    void paintEvent(QPaintEvent* event) override;

private:
    PackedColor backColor_ = kWhite;
    PackedColor foreColor_ = kBlack;
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
