#include "platform/virtual_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zp {

namespace {

// Guards the floor of an exact quotient against rounding (1024 / 1.024 must give 1000).
int floorDiv(int real, double scale)
{
    return int(std::floor(real / scale + 1e-9));
}

std::optional<VirtualScreen>& current()
{
    static std::optional<VirtualScreen> screen;
    return screen;
}

} // namespace

VirtualScreen::VirtualScreen(QSize real, double scale, QSize logical)
    : real_(real), scale_(scale), logical_(logical)
{
    const int usedW = int(std::lround(logical.width() * scale));
    const int usedH = int(std::lround(logical.height() * scale));
    origin_ = QPoint(std::max(0, (real.width() - usedW) / 2), std::max(0, (real.height() - usedH) / 2));
}

VirtualScreen VirtualScreen::fit(QSize real)
{
    if (real.width() <= 0 || real.height() <= 0) return switched(QSize(kMinWidth, kMinHeight));
    if (real.width() < kMinWidth) return switched(real);
    // Reduce as little as possible so that no side passes 1000.
    double scale = std::max({1.0, real.width() / double(kMaxSide), real.height() / double(kMaxSide)});
    if (floorDiv(real.width(), scale) < kMinWidth || floorDiv(real.height(), scale) < kMinHeight) {
        // A screen too wide or too short for that: keep at least 800x600, let the long side stop at 1000.
        scale = std::min(real.width() / double(kMinWidth), real.height() / double(kMinHeight));
    }
    const QSize logical(std::clamp(floorDiv(real.width(), scale), kMinWidth, kMaxSide),
                        std::clamp(floorDiv(real.height(), scale), kMinHeight, kMaxSide));
    return VirtualScreen(real, scale, logical);
}

VirtualScreen VirtualScreen::switched(QSize real)
{
    if (real.width() <= 0 || real.height() <= 0) real = QSize(kMinWidth, kMinHeight);
    const double scale = std::min(real.width() / double(kMinWidth), real.height() / double(kMinHeight));
    return VirtualScreen(real, scale, QSize(kMinWidth, kMinHeight));
}

int VirtualScreen::toReal(int logical) const
{
    return int(std::ceil(logical * scale_ - 1e-9));
}

QRect VirtualScreen::toReal(const QRect& logical) const
{
    const int left = toReal(logical.x()), top = toReal(logical.y());
    const int right = toReal(logical.x() + logical.width()), bottom = toReal(logical.y() + logical.height());
    return QRect(left, top, right - left, bottom - top);
}

QRect VirtualScreen::toRealOnScreen(const QRect& logical) const
{
    return toReal(logical).translated(origin_);
}

QPoint VirtualScreen::toLogical(QPointF real) const
{
    return QPoint(int(std::floor(real.x() / scale_ + 1e-9)), int(std::floor(real.y() / scale_ + 1e-9)));
}

QPoint VirtualScreen::toLogicalOnScreen(QPointF realGlobal) const
{
    return toLogical(realGlobal - QPointF(origin_));
}

QSize realScreenSize()
{
    if (!qGuiApp) return QSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QRect screenArea()
{
    return QRect(QPoint(0, 0), virtualScreen().realSize());
}

QRect fitWithin(QRect window, const QRect& area)
{
    window.setSize(window.size().boundedTo(area.size()));
    window.moveLeft(std::clamp(window.left(), area.left(), area.left() + area.width() - window.width()));
    window.moveTop(std::clamp(window.top(), area.top(), area.top() + area.height() - window.height()));
    return window;
}

const VirtualScreen& virtualScreen()
{
    if (!current()) current() = VirtualScreen::fit(realScreenSize());
    return *current();
}

void setVirtualScreen(const VirtualScreen& screen)
{
    current() = screen;
}

} // namespace zp
