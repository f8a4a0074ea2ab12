// The spins of the rules window: their bounds, the held arrows and the typed values.
#include "settings/normas.h"

#include "assets/recursos.h"
#include "engine/redondeo.h"
#include "engine/sonidos.h"
#include "kit/controles_spin.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "kit/pausa.h"
#include "platform/picture_box.h"

#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace zp {

LimitesSpinNormas LimitesDeSpin(Entero indice, const Ajustes& a)
{
    // A count of players no table can hold is read as the nearest one that can.
    const int jugadores = std::clamp<int>(a.NumeroJugadores, 2, kAsientos);
    // The tiles dealt and kept must fit in the set: the upper bounds follow the players and the tiles.
    auto limites = [](const DefinicionAjuste& d, int maximo) {
        return LimitesSpinNormas{Entero(d.Minimo), Entero(std::clamp(maximo, d.Minimo, d.Maximo))};
    };
    switch (indice) {
    case 24:
        return limites(ajuste::PuntosPartida, ajuste::PuntosPartida.Maximo);
    case 25:
        return limites(ajuste::FichasPorJugador, RedondearAPar(double(kFichasJuego) / jugadores));
    case 26:
        return limites(ajuste::RemanentesMonton, kFichasJuego - jugadores * a.FichasPorJugador);
    default:
        return {};
    }
}

Entero ValorTecleado(const QString& texto)
{
    const QString t = texto.trimmed();
    int fin = 0;
    if (fin < t.size() && (t[fin] == QLatin1Char('+') || t[fin] == QLatin1Char('-'))) ++fin;
    const int cifras = fin;
    while (fin < t.size() && t[fin].isDigit()) ++fin;
    if (fin < t.size() && t[fin] == QLatin1Char('.'))
        for (++fin; fin < t.size() && t[fin].isDigit(); ++fin) {
        }
    if (fin < t.size() && (t[fin] == QLatin1Char('e') || t[fin] == QLatin1Char('E'))) {
        int exponente = fin + 1;
        if (exponente < t.size() && (t[exponente] == QLatin1Char('+') || t[exponente] == QLatin1Char('-')))
            ++exponente;
        if (exponente < t.size() && t[exponente].isDigit()) {
            fin = exponente;
            while (fin < t.size() && t[fin].isDigit()) ++fin;
        }
    }
    if (fin == cifras) return 0;
    bool bien = false;
    const double valor = t.left(fin).toDouble(&bien);
    if (!bien || std::isnan(valor)) return 0;
    return RedondearAPar(std::clamp(valor, -32768.0, 32767.0));
}

void normas::LimitesSpin(Entero Index)
{
    if (Index < 24 || Index > 26) return;
    ValorSpin = Regla(Index);
    const LimitesSpinNormas l = LimitesDeSpin(Index, c_.a);
    MinimoSpin = l.Minimo;
    MaximoSpin = l.Maximo;
}

void normas::ActualizaSpin(Entero Index)
{
    if (Index < 24 || Index > 26) return;
    PonerRegla(Index, ValorSpin);
}

void normas::Pic_Spin_MouseMove(Entero Index, QPoint punto)
{
    PictureBox* spin = Pic_Spin[std::size_t(Index)];
    ManoSiEncima(spin, EnFlechasSpin(punto));
    // Leaving the arrows, or sliding from the held one onto the other, stops the repeat.
    if (PunteroDe(spin) == kPunteroNormal || (ArribaPulsado && !EnFlechaArriba(punto)) ||
        (AbajoPulsado && !EnFlechaAbajo(punto)))
        ArribaPulsado = AbajoPulsado = false;
}

void normas::Pic_Spin_MouseDown(Entero Index, QPoint punto)
{
    if (RechazarCliente()) return;
    LimitesSpin(Index);
    // The press counts only on the arrows, which the spin's pointer shows.
    if (PunteroDe(Pic_Spin[std::size_t(Index)]) == kPunteroNormal) return;
    DetenerRepeticion();
    if (EnFlechaArriba(punto)) {
        ArribaPulsado = true;
        RepetirSpin(Index, true);
    } else if (EnFlechaAbajo(punto)) {
        AbajoPulsado = true;
        RepetirSpin(Index, false);
    }
}

// A held arrow steps the value once at the press and then once a round: the arrow pressed and the sound,
// the arrow released after a pause, the next step after another. The rounds run from the event loop, so the
// release and the pointer's moves are seen between them and end the repeat.
void normas::RepetirSpin(Entero Index, bool arriba)
{
    LimitesSpin(Index);
    const bool pulsado = arriba ? ArribaPulsado : AbajoPulsado;
    if (!pulsado || (arriba ? ValorSpin >= MaximoSpin : ValorSpin <= MinimoSpin)) return;
    spinRepetido_ = Index;
    subiendo_ = arriba;
    PictureBox* spin = Pic_Spin[std::size_t(Index)];
    DibujarFlechaSpin(spin->surface(), arriba, true);
    spin->refresh();
    ValorSpin = Entero(ValorSpin + (arriba ? 1 : -1));
    Tex_Spin[std::size_t(Index)]->setText(TextoSpin(ValorSpin)); // stores it
    const Ajustes* a = Entorno().ajustes;
    const Entero velocidad = a ? a->Velocidad : Entero(50);
    int sonando = 0;
    if (!a || a->Sonido) {
        SonarKit(1, sonido::Extremo);
        if (const auto* s = recursos::sonidos::Buscar(sonido::Extremo)) sonando = s->milisegundos;
    }
    soltarFlecha_->start(sonando + int(DuracionPausa(60, velocidad)));
}

void normas::SoltarFlechaSpin()
{
    PictureBox* spin = Pic_Spin[std::size_t(spinRepetido_)];
    DibujarFlechaSpin(spin->surface(), subiendo_, false);
    spin->refresh();
    const Ajustes* a = Entorno().ajustes;
    siguientePaso_->start(int(DuracionPausa(60, a ? a->Velocidad : Entero(50))));
}

void normas::DetenerRepeticion()
{
    if (soltarFlecha_->isActive()) {
        soltarFlecha_->stop();
        SoltarFlechaSpin();
    }
    siguientePaso_->stop();
}

void normas::Pic_Spin_MouseUp(Entero Index)
{

    if (BloqueoCliente()) return;
    ArribaPulsado = AbajoPulsado = false;
    LimitesSpin(Index);
    ActualizaSpin(Index);
}

void normas::Tex_Spin_Change(Entero Index)
{
    if (Cargando) return;
    LimitesSpin(Index);
    QLineEdit* texto = Tex_Spin[std::size_t(Index)];
    ValorSpin = ValorTecleado(texto->text());
    if (ValorSpin > MaximoSpin) {
        ValorSpin = MaximoSpin;
        texto->setText(TextoSpin(ValorSpin));
        return; // the rewritten text has stored it
    }
    // A value on its way to a bigger one ("1" of "12") is shown as typed, but the rule never leaves its
    // range: nothing out of it may reach a network client or the deal.
    ValorSpin = std::max(ValorSpin, MinimoSpin);
    ActualizaSpin(Index);
}

} // namespace zp
