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

QRectF PictureBox::mapped(const QRect& logical) const
{
    // One factor for the whole box, its real size over its logical size: the picture fills the box to its
    // last pixel, and every repaint, of any part, puts each surface pixel on the same real pixels.
    const double fx = logical_.width() > 0 ? width() / double(logical_.width()) : 1.0;
    const double fy = logical_.height() > 0 ? height() / double(logical_.height()) : 1.0;
    return QRectF(logical.x() * fx, logical.y() * fy, logical.width() * fx, logical.height() * fy);
}

QRect PictureBox::touched(const QRect& logical) const
{
    if (virtualScreen().scale() == 1.0) return logical;
    // Every real pixel a scaled drawing of the rectangle reaches, partly covered ones included, and one
    // more around for the smoothing that blends each real pixel with its neighbours.
    const QRectF r = mapped(logical);
    const int left = int(std::floor(r.left())) - 1, top = int(std::floor(r.top())) - 1;
    const int right = int(std::ceil(r.right())) + 1, bottom = int(std::ceil(r.bottom())) + 1;
    return QRect(left, top, right - left, bottom - top).intersected(rect());
}

void PictureBox::refresh()
{
    repaint();
}

void PictureBox::refresh(const QRect& logical)
{
    repaint(touched(logical));
}

void PictureBox::invalidate()
{
    update();
}

void PictureBox::invalidate(const QRect& logical)
{
    update(touched(logical));
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
    painter.drawImage(mapped(source), surface_.image(), source);
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
