#pragma once
// The table's background picture: a picture file of the user's whose name begins "zpbg1" is painted once
// in the centre of the table, one beginning "zpbg4" four times, over the background as it stands; the
// result is the table's background until the program ends. It is never stored.
#include "engine/pantalla.h"
#include "platform/surface.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace zp {

// What the option needs of the table window.
class MesaConFondo
{
public:
    virtual ~MesaConFondo() = default;
    // The clean background every erase of the table copies from.
    virtual const Surface& Marmol() const = 0;
    virtual const Pantalla& Medidas() const = 0;
    // Makes `fondo` the clean background and the window's own picture.
    virtual void PonerFondo(const Surface& fondo) = 0;
    virtual void RedibujarMesa() = 0;
};

enum class CopiasFondo
{
    Ninguna, // not a name of the option: ignored
    Una,     // "zpbg1..."
    Cuatro   // "zpbg4..."
};

// The copies a typed name asks for, by its first five characters without regard to case, blanks at either
// end not counted.
CopiasFondo CopiasDeNombre(const QString& texto);

// Where each copy of a picture of `tamano` goes on the table (its top-left corner), in painting order.
std::vector<QPoint> LugaresFondo(CopiasFondo copias, QSize tamano, const Pantalla& p);

// The background `fondo` with the copies of `dibujo` painted over it; parts off the table are cut.
Surface PintarFondo(const Surface& fondo, const Surface& dibujo, CopiasFondo copias, const Pantalla& p);

// The option at work on `mesa`: the file named as typed (a name without a folder is looked for in the
// work folder `carpetaDatos`), painted and made the table's background, the table redrawn on it. A name of
// another kind does nothing; a file that cannot be read as a picture leaves the table as it was and says
// so once. True when the background changed.
bool AplicarFondoMesa(MesaConFondo& mesa, const QString& texto, const std::string& carpetaDatos);
// The same on the program's table window.
bool AplicarFondoMesa(const QString& texto, const std::string& carpetaDatos);

} // namespace zp
