// These tests are about what reaches a real window system: with an X display they run on it, before the
// shared main would choose the offscreen platform.
#include <QByteArray>
#include <QtGlobal>

namespace {
const bool kEnX = [] {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("xcb"));
    return true;
}();
} // namespace
