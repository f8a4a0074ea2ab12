#pragma once
// The virtual screen: the logical pixels every layout formula works in. It is the real screen reduced
// uniformly so that it stays between 800x600 and 1000x1000 (state files keep positions in three digits);
// every window is scaled by the same factor and the pointer mapped back. The real display mode is never
// changed.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zp {

class VirtualScreen
{
public:
    static constexpr int kMinWidth = 800, kMinHeight = 600, kMaxSide = 1000;

    // The screen as the program lays out for a real screen of `real` pixels.
    static VirtualScreen fit(QSize real);
    // The 800x600 mode offered when the real screen is narrower than 800: 800x600 scaled to fit.
    static VirtualScreen switched(QSize real);

    QSize logicalSize() const { return logical_; }
    int width() const { return logical_.width(); }
    int height() const { return logical_.height(); }
    QSize realSize() const { return real_; }
    double scale() const { return scale_; }   // real pixels per logical pixel
    QPoint origin() const { return origin_; } // real position of the logical (0, 0): the picture is centred
    // A real screen narrower than 800: the program offers the 800x600 mode.
    bool narrowerThanMinimum() const { return real_.width() < kMinWidth; }

    // Logical lengths and rectangles in real pixels, relative to a parent (no origin): edges map so that
    // neighbouring rectangles meet without gaps.
    int toReal(int logical) const;
    QRect toReal(const QRect& logical) const;
    // The same for a top-level window placed on the screen.
    QRect toRealOnScreen(const QRect& logical) const;
    // A real point (relative to a window) in logical pixels: the logical pixel that holds it.
    QPoint toLogical(QPointF real) const;
    QPoint toLogicalOnScreen(QPointF realGlobal) const;

private:
    VirtualScreen(QSize real, double scale, QSize logical);
    QSize real_;
    double scale_ = 1.0;
    QSize logical_;
    QPoint origin_;
};

// The virtual screen in use. Until set it is the one fitted to the primary screen (800x600 without one).
const VirtualScreen& virtualScreen();
void setVirtualScreen(const VirtualScreen& screen);
// Size of the primary screen in real pixels.
QSize realScreenSize();

// Where a window of the program may stand, in real pixels: the real screen the virtual one was made for,
// which the table covers whole.
QRect screenArea();
// `window` moved, and shrunk where it is larger, so that it lies wholly within `area`.
QRect fitWithin(QRect window, const QRect& area);

} // namespace zp
