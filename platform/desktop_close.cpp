#include "platform/desktop_close.h"

#include "platform/x11_close_keeper.h"

#include <QVariant>
#include <QWidget>

namespace zp {

namespace {
constexpr char kAtOnce[] = "zpGetsDesktopClosesAtOnce";
} // namespace

void deliverDesktopClosesAtOnce(QWidget* window)
{
    window->setProperty(kAtOnce, true);
    keepX11WindowManagerCloses();
}

bool getsDesktopClosesAtOnce(const QObject* window)
{
    return window && window->property(kAtOnce).toBool();
}

} // namespace zp
