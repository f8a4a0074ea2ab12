#pragma once
// What every dialog window of the program does: it stands in the middle of the screen on a light grey
// picture of its own size, has its picture buttons (help and exit at its foot) cut from the sprite sheet,
// and is shown modally until it closes.
#include "assets/recursos.h"
#include "engine/ajustes.h"
#include "platform/outside_pause.h"

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <type_traits>

class QWidget;

namespace zp {

class PictureBox;
class Surface;

// A modal dialog window drawn on one light grey picture, `fondo_`, that fills it.
class DialogoFondo : public QDialog
{
public:
    // Place and size on the virtual screen.
    QRect GeometriaLogica() const { return geometria_; }
    const Surface& Superficie() const;

protected:
    // Named `nombre`, titled `titulo`; no frame unless `marco`.
    DialogoFondo(QWidget* padre, const QString& nombre, const QString& titulo, bool marco = false);
    // Places the window at `lugar` of the virtual screen, on a new light grey picture of its size.
    void Colocar(QRect lugar);
    // The same, `tamano` logical pixels centred on the virtual screen, halves rounded down.
    void Centrar(QSize tamano);

    PictureBox* const fondo_;
    QRect geometria_;
};

// A picture box of a dialog, hidden until it is drawn: a light grey box of `tamano` on `padre` with its name
// and tool tip (none when empty).
PictureBox* CrearCajaDialogo(QWidget* padre, const QString& nombre, QSize tamano, const QString& aviso = {});

// A picture button of a dialog: a 50 x 50 box (CrearCajaDialogo).
PictureBox* CrearBotonDialogo(QWidget* padre, const QString& nombre, const QString& aviso);

// Gives `boton` the picture `dibujo` of the sprite sheet (the box takes its size), puts it at `lugar` of its
// parent and shows it with the pointing hand.
void MostrarBotonDialogo(PictureBox& boton, const recursos::Rect& dibujo, QPoint lugar);

// The help button pressed: the click, then the help page `contexto`.
void PulsarAyudaDialogo(Entero contexto);

// The exit button pressed where there is nothing to check: the click, and the window closes with `resultado`.
void PulsarSalirDialogo(QDialog& ventana, int resultado = QDialog::Accepted);

// Shows `ventana` modally and deletes it once it closes; gives what `alCerrar` reads of it then. A window
// already gone by then (its parent went first) gives the result's default value.
template <class Ventana, class AlCerrar> auto EjecutarDialogo(Ventana* ventana, AlCerrar alCerrar)
{
    using Resultado = std::invoke_result_t<AlCerrar, Ventana&>;
    QPointer<Ventana> v(ventana);
    {
        OpenBox abierta;
        v->exec();
    }
    if constexpr (std::is_void_v<Resultado>) {
        if (v) delete v.data();
    } else {
        Resultado r{};
        if (v) {
            r = alCerrar(*v);
            delete v.data();
        }
        return r;
    }
}

template <class Ventana> void EjecutarDialogo(Ventana* ventana)
{
    EjecutarDialogo(ventana, [](Ventana&) {});
}

} // namespace zp
