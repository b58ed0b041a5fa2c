// A one-line text box with a tag, a key filter and a typing limit that never
// cuts the text. An opaque box paints from pictures: the refresh rewrites
// several boxes on every step of a drag.
#pragma once

#include <QHash>
#include <QLineEdit>
#include <QPixmap>
#include <QStyleOption>

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

    // The box paints its parent's background under itself first, so that a
    // parent as costly to paint as a group box need not repaint behind the
    // rounded corners of the frame; the background and the style's panel
    // are then kept ready in one picture, and while nobody works in the box
    // each text it showed is kept as it looked. Only for a parent whose
    // background under the box changes with nothing but its palette, style
    // or size. At a fractional scale the box paints as any line edit.
    void makeOpaqueOverParent();

signals:
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Everything but the text and cursor that an idle box's pixels depend on.
    struct LookState {
        const QStyle* style = nullptr;
        qint64 palette = 0;
        quint64 fontGeneration = 0;
        quint64 backgroundGeneration = 0;
        QSize size;
        qreal ratio = 0;
        int flags = 0;
        int alignment = 0;
        int echoMode = 0;
        int direction = 0;
        QMargins margins;
        QString placeholder;
        bool operator==(const LookState&) const = default;
    };
    // What the widgets painting under the box depend on.
    struct BackgroundState {
        size_t ancestors = 0;
        QRect geometry;
        qreal ratio = 0;
        bool operator==(const BackgroundState&) const = default;
    };

    friend class PanelPictureStyle;
    // What the style's panel under the text depends on.
    struct PanelState {
        int state = 0;
        QRect rect;
        qint64 palette = 0;
        int lineWidth = 0;
        int features = 0;
        qreal ratio = 0;
        quint64 backgroundGeneration = 0;
        bool operator==(const PanelState&) const = default;
    };

    void insertTyped(const QString& text);
    // Whether the box paints from pictures: opaque, at a whole scale.
    bool usesPictures() const;
    void updatePaintMode();
    // Draws the parent's background and the base style's panel from their
    // picture, painting it first where anything it depends on has changed.
    void drawPanel(const QStyleOption* option, QPainter* painter, const QStyle* base);
    // False while the box shows a cursor, a selection or a drop position.
    bool isIdle() const;
    LookState lookState() const;
    // The box's pixels as this paint left them in the backing store; null
    // where they cannot be read back whole.
    QImage capturedLook(const QPaintEvent* event);
    // The box's parent and its ancestors up to the first that paints its
    // whole area itself, outermost first: together they paint under the box.
    QList<QWidget*> backgroundPainters() const;
    const QPixmap& parentBackground();

    int typingLimit_ = 32767;
    // A click that brings the focus would otherwise drop the selection again.
    bool selectAfterPress_ = false;
    bool opaqueOverParent_ = false;
    bool dragOver_ = false;
    quint64 fontGeneration_ = 0;

    QPixmap panel_;
    PanelState panelState_;
    QPixmap parentBackground_;
    BackgroundState backgroundState_;
    quint64 backgroundGeneration_ = 0;

    // The looks of the texts shown since the state last changed; a text
    // whose cursor is not at its end is kept under a key of its own.
    LookState cachedState_;
    QHash<QString, QImage> looks_;
};

} // namespace tinctora
