#pragma once
// The waiting panel `Pic_Info` of the table: while this computer waits for the network it shows a title,
// a text and, under it, the time waited so far, refreshed once per whole second. The table embeds it (a
// child of its window, hidden until a wait shows it) and hides it when the wait ends.
#include "engine/estado.h"
#include "platform/clock.h"
#include "platform/picture_box.h"

#include <cstdint>

namespace zp {

// The line added under the text: "            Tiempo de espera: " and the minutes and seconds.
QString LineaTiempoEspera(int segundos);

class PanelEspera : public PictureBox
{
    Q_OBJECT
public:
    explicit PanelEspera(QWidget* padre = nullptr, Clock& reloj = systemClock());

    // A wait begins: the clock starts and the next call draws.
    void IniciarEspera();

    // Called on every pass of a wait loop. Only when the whole seconds waited have changed: appends the
    // time line to `texto` and shows the panel with `titulo` and that text (placed and framed the first
    // time, `lineas` lines high). Otherwise nothing at all is done.
    void MostrarEspera(const QString& titulo, QString& texto, Entero lineas);

    // What the labels show.
    QString TextoTitulo() const { return titulo_; }
    QString TextoMensaje() const { return mensaje_; }

    // Start of the wait on the program's clock (ms); the turn panel times the wait from it too.
    std::uint32_t InicioEspera = 0;
    // The whole seconds last shown; -1 at the start of a wait, so that the first call draws.
    int SegundosEspera = -1;

private:
    void Colocar(Entero lineas);
    void DibujarEtiquetas();

    Clock* reloj_;
    QString titulo_, mensaje_;
    Entero lineas_ = 0;
};

} // namespace zp
