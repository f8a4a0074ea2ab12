#include "table/opciones_mesa.h"

#include "engine/indices.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "table/arranque_mesa.h"
#include "table/botonera.h"
#include "table/mesa.h"

#include <cmath>

namespace zp {

namespace {

constexpr int kAltoFila = 18;
constexpr int kArribaFilas = 4;
constexpr int kAltoDibujando = 190;

FontSpec FuenteMenu(bool negrita)
{
    return FontSpec{QStringLiteral("Arial"), kPixeles825, negrita};
}

bool ModoActivo(const EntradaMesa& en, Entero opcion)
{
    return (opcion == kOrdenarFichas && en.OrdenarFichas) || (opcion == kGirarFichas && en.GirarFichas);
}

// The offered item drawn at `fila` (from 1), or 0.
Entero OpcionEnFila(const MenuOpciones& m, Entero fila)
{
    Entero filas = 0;
    for (Entero i = 1; i < static_cast<Entero>(m.OpcionMenuActiva.size()); ++i)
        if (m.OpcionMenuActiva[I(i)] && ++filas == fila) return i;
    return 0;
}

} // namespace

void AbrirOpciones(mesa& v)
{
    EstadoJuego& e = v.Juego();
    const Ajustes& a = v.Datos();
    EntradaMesa& en = v.Entrada;
    MenuOpciones& m = v.Menu;
    HallaManoYFicha(e, a, en, en.PunteroX, en.PunteroY, false);
    m.OpcionMenuActiva.fill(false);
    if (en.ManoApuntada == 0) {
        // Stored games are no business of a network game.
        if (a.JuegoEnRed) return;
        m.OpcionMenuActiva[kGuardarJuego] = e.ManoEnCurso;
        m.OpcionMenuActiva[kCargarJuego] = e.ManoEnCurso || !e.PartidaEnCurso;
        m.OpcionMenuActiva[kBorrarJuego] = true;
    } else if (e.ManoEnCurso) {
        m.OpcionMenuActiva[kOrdenarFichas] = true;
        m.OpcionMenuActiva[kGirarFichas] = true;
    }
    // A row left highlighted by the last use would run with a click that never passed over it.
    m.FilaMenuResaltada = 0;
    MuestraOpciones(v);
}

void MuestraOpciones(mesa& v)
{
    MenuOpciones& m = v.Menu;
    EntradaMesa& en = v.Entrada;
    CaducarModosMano(v.Juego(), en);
    PictureBox& caja = *v.Pic_SelOpciones;
    const int w = kAnchoMenuOpciones;
    caja.resizeLogical(QSize(w, kAltoDibujando));
    Surface& s = caja.surface();
    s.setBackground(kGrisClaro);
    s.clear();
    m.FilasMenuOpciones = 0;
    for (Entero i = 1; i < static_cast<Entero>(m.OpcionMenuActiva.size()); ++i) {
        if (!m.OpcionMenuActiva[I(i)]) continue;
        const int y = m.FilasMenuOpciones * kAltoFila + kArribaFilas;
        QRgb tinta = kNegro;
        if (m.FilasMenuOpciones + 1 == m.FilaMenuResaltada) {
            s.fillBox(2, y - 2, w - 3, y + 15, kAzul);
            tinta = kBlanco;
        }
        if (ModoActivo(en, i)) s.text(5, y, QStringLiteral("X"), FuenteMenu(true), tinta);
        if (I(i) < kTextoMenuOpciones.size())
            s.text(14, y, kTextoMenuOpciones[I(i)], FuenteMenu(false), tinta);
        ++m.FilasMenuOpciones;
    }
    const int h = m.FilasMenuOpciones * kAltoFila + kArribaFilas;
    caja.resizeLogical(QSize(w, h));
    s.box(0, 0, w - 1, h - 1, kGris);
    s.box(1, 1, w - 2, h - 2, kGris);
    s.line(0, 0, w, 0, kBlanco);
    s.line(0, 1, w - 1, 1, kBlanco);
    s.line(0, 0, 0, h, kBlanco);
    s.line(1, 0, 1, h - 1, kBlanco);

    // Its top left at the point pressed, pushed back inside the table.
    const Pantalla& p = v.Medidas();
    int x = en.PunteroX, y = en.PunteroY;
    if (x + w > p.AnchoMesa) x = p.AnchoMesa - w;
    if (y + h > p.AltoPantalla) y = p.AltoPantalla - h;
    caja.moveLogical(QPoint(x, y));
    caja.invalidate();
    if (m.FilasMenuOpciones > 0) {
        caja.show();
        caja.raise();
    }
}

void Pic_SelOpciones_MouseMove(mesa& v, int y)
{
    MenuOpciones& m = v.Menu;
    const auto fila = static_cast<Entero>(std::floor((y + 16) / double(kAltoFila)));
    v.Estado().ZonaPuntero = 0;
    PonerPuntero(&v, kPunteroNormal);
    if (fila == m.FilaMenuResaltada) return;
    m.FilaMenuResaltada = fila;
    MuestraOpciones(v);
}

void Pic_SelOpciones_MouseUp(Programa& pr)
{
    mesa& v = *pr.Mesa;
    EstadoJuego& e = pr.e;
    MenuOpciones& m = v.Menu;
    e.RedibujoPendiente = false;
    // On the top edge no row is highlighted: the pop-up stays and nothing is chosen.
    if (m.FilaMenuResaltada == 0) return;
    v.Pic_SelOpciones->hide();
    m.OpcionMenuElegida = OpcionEnFila(m, m.FilaMenuResaltada);
    const bool guardarOCargar = m.OpcionMenuElegida == kGuardarJuego || m.OpcionMenuElegida == kCargarJuego;
    if (guardarOCargar && e.GrabadoraActiva) {
        MostrarMensaje(std::string("Grabadora encendida"),
                       std::string("Tiene que apagar la Grabadora de jugadas antes de poder cargar o guardar "
                                   "una mano."),
                       2, 1);
        m.OpcionMenuElegida = 0;
    }
    switch (m.OpcionMenuElegida) {
    case kGuardarJuego:
        AbrirCargua(pr, kCarguaGuardar);
        break;
    case kCargarJuego:
        AbrirCargua(pr, kCarguaCargar);
        break;
    case kBorrarJuego:
        AbrirCargua(pr, kCarguaBorrar);
        break;
    case kOrdenarFichas:
        CambiarModoMano(e, v.Entrada, true);
        break;
    case kGirarFichas:
        CambiarModoMano(e, v.Entrada, false);
        break;
    default:
        break;
    }
}

void PrepararOpciones(Programa& pr)
{
    Programa* p = &pr;
    PictureBox* caja = pr.Mesa->Pic_SelOpciones;
    QObject::connect(caja, &PictureBox::moved, caja,
                     [p](const PointerEvent& e) { Pic_SelOpciones_MouseMove(*p->Mesa, e.position.y()); });
    QObject::connect(caja, &PictureBox::released, caja,
                     [p](const PointerEvent&) { Pic_SelOpciones_MouseUp(*p); });
}

void AbrirCargua(Programa& pr, ModoCargua modo)
{
    if (MostrarCargua(*pr.Ctx, pr.CarpetaDatos, modo, pr.Mesa.get())) ReanudarJuegoCargado(pr);
}

} // namespace zp
