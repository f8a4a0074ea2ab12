#pragma once
// A wait for sockets in tests: handles events until the condition holds. Only something broken runs into its
// limit, and the test then fails where it waited instead of hanging the run.
#include "platform/wait.h"

#include <QTimer>
#include <functional>

namespace zp::prueba {

inline bool EsperarA(const std::function<bool()>& condicion, int limiteMs = 30000)
{
    WaitOptions o;
    o.belongsToMatch = false;
    o.tickMs = 10;
    QTimer limite;
    bool vencido = false;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, [&] { vencido = true; });
    limite.start(limiteMs);
    waitUntil([&] { return vencido || condicion(); }, o);
    return !vencido;
}

} // namespace zp::prueba
