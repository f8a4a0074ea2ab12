#include "platform/picture_box.h"

#include "platform/virtual_screen.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace zp {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    // The surface covers every pixel: Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureBox::setSurface(Surface surface)
{
    surface_ = std::move(surface);
    logical_.setSize(QSize(surface_.width(), surface_.height()));
    applyGeometry();
    update();
}

void PictureBox::setLogicalGeometry(const QRect& logical)
{
    if (logical.size() != QSize(surface_.width(), surface_.height()))
        surface_.resize(logical.width(), logical.height());
    logical_ = logical;
    applyGeometry();
}

void PictureBox::moveLogical(QPoint logical)
{
    setLogicalGeometry(QRect(logical, logical_.size()));
}

void PictureBox::resizeLogical(QSize logical)
{
    setLogicalGeometry(QRect(logical_.topLeft(), logical));
}

void PictureBox::applyGeometry()
{
    const VirtualScreen& screen = virtualScreen();
    setGeometry(isWindow() ? screen.toRealOnScreen(logical_) : screen.toReal(logical_));
}

QRect PictureBox::realRect(const QRect& logical) const
{
    return virtualScreen().toReal(logical);
}

void PictureBox::refresh()
{
    repaint();
}

void PictureBox::refresh(const QRect& logical)
{
    repaint(realRect(logical));
}

void PictureBox::invalidate()
{
    update();
}

void PictureBox::invalidate(const QRect& logical)
{
    update(realRect(logical));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const double scale = virtualScreen().scale();
    const QRect exposed = event->rect();
    // Outside the drawing (a box larger than its surface, or the part of a last pixel that a scaled drawing
    // covers only in part) shows the background, never stale memory.
    if (scale != 1.0 || !realRect(surface_.rect()).contains(exposed))
        painter.fillRect(exposed, QColor::fromRgb(surface_.background()));
    if (scale == 1.0) {
        painter.drawImage(exposed.topLeft(), surface_.image(), exposed);
        return;
    }
    // Draw the surface pixels behind the exposed area, with a margin so that smoothing has neighbours.
    painter.setClipRect(exposed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1.0 || scale != std::floor(scale));
    const QPoint a = virtualScreen().toLogical(exposed.topLeft()) - QPoint(2, 2);
    const QPoint b = virtualScreen().toLogical(exposed.bottomRight()) + QPoint(3, 3);
    const QRect source = QRect(a, b).intersected(surface_.rect());
    // The target's edges are the ones the box itself was given, so the picture covers it to its last row.
    painter.drawImage(QRectF(realRect(source)), surface_.image(), source);
}

PointerEvent PictureBox::toPointer(const QMouseEvent* event) const
{
    return PointerEvent{virtualScreen().toLogical(event->position()), event->button(), event->buttons(),
                        event->modifiers()};
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressedButton_ = event->button();
    emit pressed(toPointer(event));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(toPointer(event));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const PointerEvent pointer = toPointer(event);
    const bool click = event->button() == pressedButton_ && rect().contains(event->position().toPoint());
    pressedButton_ = Qt::NoButton;
    emit released(pointer);
    if (click) emit clicked(pointer);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked(toPointer(event));
}

} // namespace zp
