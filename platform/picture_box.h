#pragma once
// The picture box every window draws on: a widget that shows a Surface, scaled by the virtual screen's
// factor, and reports the mouse in surface pixels.
#include "platform/surface.h"

#include <QWidget>

namespace zp {

struct PointerEvent
{
    QPoint position;                       // surface pixels
    Qt::MouseButton button = Qt::NoButton; // the button that changed (none for a move)
    Qt::MouseButtons buttons;              // the buttons held
    Qt::KeyboardModifiers modifiers;
};

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // A new picture; the box takes its size.
    void setSurface(Surface surface);

    // Place and size in logical pixels of the parent (the virtual screen for a top-level window). A new
    // size keeps what fits of the drawing.
    void setLogicalGeometry(const QRect& logical);
    void moveLogical(QPoint logical);
    void resizeLogical(QSize logical);
    QRect logicalGeometry() const { return logical_; }

    // Shows the surface now (before a pause) or at the next pass of the event loop.
    void refresh();
    void refresh(const QRect& logical);
    void invalidate();
    void invalidate(const QRect& logical);

signals:
    void pressed(const zp::PointerEvent& event);
    void moved(const zp::PointerEvent& event);
    void released(const zp::PointerEvent& event);
    void clicked(const zp::PointerEvent& event); // a release over the box of the button pressed on it
    void doubleClicked(const zp::PointerEvent& event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    PointerEvent toPointer(const QMouseEvent* event) const;
    QRect realRect(const QRect& logical) const;
    QRectF mapped(const QRect& logical) const; // where a scaled paint puts surface pixels
    QRect touched(const QRect& logical) const; // the real pixels a change of those surface pixels repaints
    void applyGeometry();

    Surface surface_;
    QRect logical_;
    Qt::MouseButton pressedButton_ = Qt::NoButton;
};

} // namespace zp
