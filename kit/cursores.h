#pragma once
// The program's cursors (hands on a transparent ground, 32x32) and the pointer code each control keeps.
// Press handlers read the code to know whether a button can be used: 99 custom cursor, 0 default,
// 9 west-east arrows (a slider's knob being dragged), 11 hourglass, 12 no-drop.
#include "engine/estado.h"

#include <QCursor>
#include <QString>
#include <map>
#include <string_view>

class QWidget;

namespace zp {

constexpr Entero kPunteroNormal = 0;
constexpr Entero kPunteroArrastre = 9;
constexpr Entero kPunteroEspera = 11;
constexpr Entero kPunteroProhibido = 12;
constexpr Entero kPunteroPropio = 99;

class Cursores
{
public:
    // The named cursor ("ManoIndice", "ManoVerde", "ManoRoja", "ManoCerrada", "Ordenar", "Girar"; any
    // letter case) with its hot spot, made once; null for any other name.
    const QCursor* Cursor(std::string_view nombre);

    // Gives `control` that cursor with pointer code 99. An unknown name leaves the control as it was.
    bool PonerCursor(QWidget* control, std::string_view nombre);

private:
    std::map<QString, QCursor> hechos_;
};

// The program's cursors from its resources.
Cursores& CursoresPrograma();

inline bool PonerCursor(QWidget* control, std::string_view nombre)
{
    return CursoresPrograma().PonerCursor(control, nombre);
}

// One of the standard pointers (0, 9, 11, 12) on `control`; other codes give the default arrow.
void PonerPuntero(QWidget* control, Entero codigo);
// The pointing hand on `control` while `encima` (the pointer over its live part), the normal pointer
// otherwise; a pointer already right is not set again.
void ManoSiEncima(QWidget* control, bool encima);
// The control's pointer code (0 until one is set) and the name of its custom cursor, in lower case.
Entero PunteroDe(const QWidget* control);
QString CursorDe(const QWidget* control);

} // namespace zp
