#pragma once
// The cover `careta`: the first thing the program shows, a 404 x 188 picture centred on the screen for one
// and a half seconds, before the settings and the table are ready.
#include "engine/estado.h"
#include "platform/picture_box.h"

namespace zp {

class Pausa;

class careta : public PictureBox
{
    Q_OBJECT
public:
    explicit careta(QWidget* padre = nullptr);

    // Shows the cover centred on the screen, sets `Velocidad` to 50 (the settings are read later) and
    // holds it 1500 ms with nothing else running; then the cover closes.
    void Form_Load(Entero& Velocidad, Pausa& pausa);
};

// The start-up's call: shows the cover and returns when it has closed.
void MostrarCareta(Entero& Velocidad);
void MostrarCareta(Entero& Velocidad, Pausa& pausa);

} // namespace zp
