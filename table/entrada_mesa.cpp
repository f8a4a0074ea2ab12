#include "table/entrada_mesa.h"

#include "engine/indices.h"
#include "engine/jugada.h"
#include "engine/reparto_manual.h"
#include "engine/sonidos.h"
#include "kit/cursores.h"
#include "platform/wait.h"
#include "table/dibujo_mano.h"
#include "table/linea_mesa.h"
#include "table/mesa.h"
#include "table/opciones_mesa.h"
#include "table/ritmo_mesa.h"
#include "table/zona_puntero.h"

#include <QEvent>

#include <algorithm>
#include <utility>

namespace zp {

namespace {

constexpr Entero kPausaFlechasSin = 180;
constexpr Entero kPausaFlechasCon = 360;
constexpr int kParpadeosFlechas = 2;

HuecoMano& Hueco(EstadoJuego& e, Entero mano, Entero hueco)
{
    return e.Manos[I(mano)][I(hueco)];
}

// A pip picture of Pic_Puntitos (16 x 16, in its row); no pip draws nothing.
void CopiarPunto(Surface& s, const HojasMesa& h, Entero n, int x, int y, int fila)
{
    if (n >= 1 && n <= 6) s.blit(x, y, 16, 16, h.Pic_Puntitos, (n - 1) * 16, fila);
}

void MostrarMover(mesa& v, int x, int y)
{
    v.Pic_Mover->moveLogical(QPoint(x, y));
    if (!v.Pic_Mover->isVisible()) v.Pic_Mover->show();
}

// The dragged hand tile follows the pointer along its own hand's strip.
void SeguirArrastreOrden(mesa& v, int x, int y)
{
    const EstadoJuego& e = v.Juego();
    const Entero mano = v.Estado().ManoArrastrada;
    const DisposicionManos& d = e.Disposicion;
    const Pantalla& pa = v.Medidas();
    switch (mano) {
    case 1:
    case 3:
        x = mano == 1 ? 9 : pa.AnchoMesa - 33;
        y = std::max(y, d.InicioMano[I(mano)] + 14);
        y = std::min(y, d.FinMano[I(mano)] - 26);
        MostrarMover(v, x - 9, y - 14);
        return;
    case 2:
        x = std::max(std::min(x, d.FinMano[2] - 31), d.InicioMano[2] + 9);
        MostrarMover(v, x - 9, 0); // along the top edge
        return;
    case 4:
        if (e.ManoHolgada[4]) {
            x = std::min(std::max(x, d.InicioMano[4] + 13), d.FinMano[4] - 16);
            y = std::min(std::max(y, d.EjeMano[4] + 36), pa.AltoPantalla - 6);
        } else {
            x = std::max(std::min(x, d.FinMano[4] - 31), d.InicioMano[4] + 9);
            y = pa.AltoPantalla - 6;
        }
        MostrarMover(v, x - 9, y - 36);
        return;
    default:
        return;
    }
}

void PonerZona(mesa& v, Entero zona)
{
    if (zona == kZonaNormal)
        PonerPuntero(&v, kPunteroNormal);
    else
        PonerCursor(&v, CursorDeZona(zona));
    v.Estado().ZonaPuntero = zona;
}

// A box or window that opens over the table takes the pointer, and with it the release of a drag: the drag
// ends as the box opens, and the tile is not left in the air.
class FinDeArrastres : public QObject
{
public:
    explicit FinDeArrastres(mesa& v) : QObject(&v), v_(v)
    {
        setObjectName(kNombre);
        v.installEventFilter(this);
    }
    static constexpr const char* kNombre = "FinDeArrastres";

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (objeto == &v_ && evento->type() == QEvent::WindowBlocked) TerminarArrastres(v_);
        return false;
    }

private:
    mesa& v_;
};

void VigilarCajas(mesa& v)
{
    if (!v.findChild<QObject*>(QLatin1String(FinDeArrastres::kNombre), Qt::FindDirectChildrenOnly))
        new FinDeArrastres(v);
}

// Lifts the tile under the pointer off its hand to put it elsewhere in the same hand.
void AlzarFichaMano(mesa& v, const PointerEvent& p)
{
    EstadoJuego& e = v.Juego();
    EstadoMesa& m = v.Estado();
    const Entero mano = v.Entrada.ManoApuntada, hueco = v.Entrada.HuecoApuntado;
    if (!HuecoValido(e, mano, hueco)) return;
    HuecoMano& h = Hueco(e, mano, hueco);
    m.ArrastreOrden = true;
    m.ManoArrastrada = mano;
    m.HuecoArrastrado = hueco;
    const HojasMesa& hojas = v.Hojas();
    const bool tumbada = mano == 1 || mano == 3;
    Surface dibujo(tumbada ? 42 : 20, tumbada ? 21 : 42);
    if (mano == 1) {
        dibujo.blit(0, 0, 42, 21, hojas.Pic_Puntitos, 97, 22);
        CopiarPunto(dibujo, hojas, h.PuntoA, 2, 2, 0);
        CopiarPunto(dibujo, hojas, h.PuntoB, 23, 2, 0);
    } else if (mano == 3) {
        dibujo.blit(0, 0, 42, 21, hojas.Pic_Puntitos, 97, 0);
        CopiarPunto(dibujo, hojas, h.PuntoA, 3, 2, 0);
        CopiarPunto(dibujo, hojas, h.PuntoB, 24, 2, 0);
    } else {
        dibujo.blit(0, 0, 21, 42, hojas.Pic_Puntitos, 140, 0);
        CopiarPunto(dibujo, hojas, h.PuntoA, 2, 2, 17);
        CopiarPunto(dibujo, hojas, h.PuntoB, 2, 23, 17);
    }
    if (h.Estado == kPuesta) dibujo.invert(0, 0, dibujo.width(), dibujo.height()); // laid tiles show so
    v.Pic_Mover->setAttribute(Qt::WA_TransparentForMouseEvents);
    v.Pic_Mover->setSurface(dibujo);
    v.Pic_Mover->moveLogical(QPoint(p.position.x() - 9, p.position.y() - 36));
    v.Entrada.EstadoArrastrado = h.Estado;
    h.Estado = kPuesta;
    m.HuecoAlzado = h;
    m.NumeroManoArrastre = e.NumeroMano;
    VigilarCajas(v);
    v.DibujarMano(mano); // shows the slot empty
    RitmoMesaPrograma().ReproducirSonido(ritmo_mesa::kSinEsperar, sonido::Alzar, v.Datos().Sonido);
    Form_MouseMove(v, p);
}

// Puts the dragged tile down in its own hand, before the tile under the drop or last past the last tile's
// face; off the hand's strip, back where it was lifted from.
void SoltarFichaMano(mesa& v)
{
    EstadoJuego& e = v.Juego();
    EstadoMesa& m = v.Estado();
    EntradaMesa& en = v.Entrada;
    v.Pic_Mover->hide();
    const QRect r = v.Pic_Mover->logicalGeometry();
    const Entero l = Entero(r.left()), t = Entero(r.top());
    const Entero mano = m.ManoArrastrada;
    QPoint sonda(l, t + 29);
    if (mano == 2) sonda = QPoint(l + 29, t);
    if (mano == 4) sonda = e.ManoHolgada[4] ? QPoint(l + 25, t + 29) : QPoint(l + 29, t + 29);
    HallaManoYFicha(e, v.Datos(), en, Entero(sonda.x()), Entero(sonda.y()), false);
    m.ArrastreOrden = false;
    if (!EsAsiento(mano)) return;
    const Entero desde = m.HuecoArrastrado, ultimo = e.HuecosMano[I(mano)];
    Entero destino = en.ManoApuntada == mano ? en.HuecoApuntado : Entero{0};
    if (HuecoValido(e, mano, desde) && HuecoValido(e, mano, destino)) {
        auto& h = e.Manos[I(mano)];
        if (destino != desde) {
            const HuecoMano llevada = h[I(desde)];
            for (Entero k = desde; k < ultimo; ++k) h[I(k)] = h[I(k + 1)];
            if (destino > desde && !en.TrasUltimaFicha) --destino;
            for (Entero k = Entero(ultimo - 1); k >= destino; --k) h[I(k + 1)] = h[I(k)];
            h[I(destino)].PuntoA = llevada.PuntoA;
            h[I(destino)].PuntoB = llevada.PuntoB;
        }
        h[I(destino)].Estado = en.EstadoArrastrado;
    } else if (HuecoValido(e, mano, desde)) {
        Hueco(e, mano, desde).Estado = en.EstadoArrastrado;
    }
    v.DibujarMano(mano);
    RitmoMesaPrograma().ReproducirSonido(ritmo_mesa::kSinEsperar, sonido::Ficha, v.Datos().Sonido);
}

// 1 the arrow of end 1, 2 that of end 2, 0 none: only shown arrows take the pointer.
Entero FlechaBajo(mesa& v, QPoint punto)
{
    if (v.Ima_FlechaDer.Visible() && v.Ima_FlechaDer.Rectangulo().contains(punto)) return 1;
    if (v.Ima_FlechaIzq.Visible() && v.Ima_FlechaIzq.Rectangulo().contains(punto)) return 2;
    return 0;
}

Entero Boton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// Lifts the grid tile under the pointer in the manual deal; its cell stays taken while it travels.
void AlzarFichaRejilla(mesa& v, const PointerEvent& p)
{
    EstadoJuego& e = v.Juego();
    EntradaMesa& en = v.Entrada;
    HallaFilyCol(e, en, en.PunteroX, en.PunteroY);
    const Entero f = en.FilaRejilla, c = en.ColumnaRejilla;
    if (f < 0 || f > 6 || c < 0 || c > f || !e.RejillaReparto[I(f)][I(c)]) return;
    RitmoMesaPrograma().ReproducirSonido(ritmo_mesa::kSinEsperar, sonido::Alzar, v.Datos().Sonido);
    en.ArrastreReparto = true;
    en.AnimXOrigen = Entero(e.OrigenRejillaX + 39 * c);
    en.AnimYOrigen = Entero(e.OrigenRejillaY + 50 * f);
    const HojasMesa& hojas = v.Hojas();
    Surface dibujo(20, 42);
    dibujo.blit(0, 0, 20, 42, hojas.Pic_Puntitos, 140, 0);
    CopiarPunto(dibujo, hojas, f, 2, 2, 17);
    CopiarPunto(dibujo, hojas, c, 2, 23, 17);
    v.Pic_Mover->setAttribute(Qt::WA_TransparentForMouseEvents);
    v.Pic_Mover->setSurface(dibujo);
    v.Pic_Mover->moveLogical(QPoint(p.position.x() - 15, p.position.y() - 36));
    v.surface().blit(en.AnimXOrigen, en.AnimYOrigen, 21, 42, v.Marmol(), en.AnimXOrigen, en.AnimYOrigen);
    v.Pic_Mover->show();
    v.refresh();
    VigilarCajas(v);
}

// The dragged grid tile goes into the first hand with room it passes over, without waiting for the release.
void SeguirArrastreReparto(mesa& v, const PointerEvent& p)
{
    EstadoJuego& e = v.Juego();
    EntradaMesa& en = v.Entrada;
    v.Pic_Mover->moveLogical(QPoint(p.position.x() - 15, p.position.y() - 36));
    HallaManoYFicha(e, v.Datos(), en, Entero(p.position.x()), Entero(p.position.y()), false);
    const Entero mano = en.ManoApuntada;
    if (mano == 0 || !ColocarFichaReparto(e, mano, en.FilaRejilla, en.ColumnaRejilla)) return;
    en.ArrastreReparto = false;
    v.DibujarMano(mano);
    v.Pic_Mover->hide();
    RitmoMesaPrograma().ReproducirSonido(ritmo_mesa::kSinEsperar, sonido::Ficha, v.Datos().Sonido);
    PonerZona(v, kZonaNormal);
    notifyStateChanged();
}

void ElegirExtremo(mesa& v, Entero extremo)
{
    EstadoJuego& e = v.Juego();
    if (!e.EsperaExtremo) return;
    e.ExtremoElegido = extremo;
    e.EsperaExtremo = false;
    notifyStateChanged();
}

} // namespace

void TerminarArrastres(mesa& v)
{
    EstadoJuego& e = v.Juego();
    EstadoMesa& m = v.Estado();
    EntradaMesa& en = v.Entrada;
    if (!en.ArrastreReparto && !m.ArrastreOrden) return;
    v.Pic_Mover->hide();
    if (en.ArrastreReparto) {
        en.ArrastreReparto = false;
        if (e.RepartoEnCurso) v.DibujarFichaDescubierta(en.FilaRejilla, en.ColumnaRejilla);
    }
    if (m.ArrastreOrden) {
        const bool vigente = ArrastreOrdenVigente(e, m);
        m.ArrastreOrden = false;
        if (vigente) {
            Hueco(e, m.ManoArrastrada, m.HuecoArrastrado).Estado = en.EstadoArrastrado;
            v.DibujarMano(m.ManoArrastrada);
        }
    }
    PonerZona(v, kZonaNormal);
    notifyStateChanged();
}

void Form_MouseMove(mesa& v, const PointerEvent& p)
{
    EstadoMesa& m = v.Estado();
    EntradaMesa& en = v.Entrada;
    // Off the pop-up no row of it stays highlighted.
    if (v.Menu.FilaMenuResaltada >= 1 && v.Pic_SelOpciones->isVisible()) {
        v.Menu.FilaMenuResaltada = 0;
        MuestraOpciones(v);
    }
    // An arrow has its own cursor, and the table's zone does not change under it.
    if (const Entero flecha = FlechaBajo(v, p.position)) {
        if (!en.SobreFlecha) {
            en.SobreFlecha = true;
            PonerCursor(&v, (flecha == 1 ? v.Ima_FlechaDer : v.Ima_FlechaIzq).Cursor.toStdString());
        }
        return;
    }
    if (en.SobreFlecha) {
        en.SobreFlecha = false;
        m.ZonaPuntero = -1; // off the arrow the zone's cursor is put back
    }
    // The hand the tile was lifted from was dealt anew: the tile has nowhere to go back to.
    if (m.ArrastreOrden && !ArrastreOrdenVigente(v.Juego(), m)) TerminarArrastres(v);
    const Entero zona = CalcularZonaPuntero(v.Juego(), v.Datos(), en, m.ArrastreOrden, Entero(p.position.x()),
                                            Entero(p.position.y()));
    if (zona != m.ZonaPuntero) PonerZona(v, zona);
    if (en.ArrastreReparto) SeguirArrastreReparto(v, p);
    if (m.ArrastreOrden) SeguirArrastreOrden(v, p.position.x(), p.position.y());
}

void Form_MouseDown(mesa& v, const PointerEvent& p)
{
    EstadoJuego& e = v.Juego();
    EntradaMesa& en = v.Entrada;
    en.PulsadoEnFlecha = FlechaBajo(v, p.position) != 0;
    if (en.PulsadoEnFlecha) return;
    en.PunteroX = Entero(p.position.x());
    en.PunteroY = Entero(p.position.y());
    en.BotonPulsado = Boton(p.button);
    v.Pic_SelOpciones->hide();
    if (en.BotonPulsado != 1) return;
    const Entero zona = v.Estado().ZonaPuntero;
    CaducarModosMano(e, en);

    if (e.RepartoEnCurso) {
        if (zona == kZonaOrdenar) AlzarFichaRejilla(v, p);
        if (zona == kZonaJugable) {
            if (const auto h = DevolverFichaReparto(e, en.ManoApuntada, en.HuecoApuntado)) {
                v.DibujarMano(en.ManoApuntada);
                v.DibujarFichaDescubierta(h->PuntoA, h->PuntoB);
                notifyStateChanged();
            }
        }
        return; // the hand modes wait for the deal to end
    }
    if (zona == kZonaOrdenar && en.OrdenarFichas) AlzarFichaMano(v, p);
    if (zona == kZonaGirar && en.GirarFichas && HuecoValido(e, en.ManoApuntada, en.HuecoApuntado)) {
        HuecoMano& h = Hueco(e, en.ManoApuntada, en.HuecoApuntado);
        std::swap(h.PuntoA, h.PuntoB);
        v.DibujarMano(en.ManoApuntada);
        RitmoMesaPrograma().ReproducirSonido(ritmo_mesa::kSinEsperar, sonido::Ficha, v.Datos().Sonido);
    }
    if (zona == kZonaSalida && e.EligiendoSalida) {
        // The seat is taken now: later moves change `ManoApuntada` before the wait looks at it.
        en.SalidaElegida = en.ManoApuntada;
        RitmoMesaPrograma().ReproducirSonido(ritmo_mesa::kEsperando, sonido::Salida, v.Datos().Sonido);
        e.EligiendoSalida = false;
        notifyStateChanged();
    }
}

void Form_MouseUp(mesa& v, const PointerEvent&)
{
    EntradaMesa& en = v.Entrada;
    if (en.ArrastreReparto) {
        // The tile reached no hand with room: back on its cell.
        en.ArrastreReparto = false;
        v.Pic_Mover->hide();
        v.DibujarFichaDescubierta(en.FilaRejilla, en.ColumnaRejilla);
    }
    if (!v.Estado().ArrastreOrden) return;
    if (ArrastreOrdenVigente(v.Juego(), v.Estado()))
        SoltarFichaMano(v);
    else
        TerminarArrastres(v);
}

void Form_Click(mesa& v, const PointerEvent& p)
{
    EstadoJuego& e = v.Juego();
    EntradaMesa& en = v.Entrada;
    if (en.PulsadoEnFlecha) {
        en.PulsadoEnFlecha = false;
        const Entero flecha = FlechaBajo(v, p.position);
        if (flecha == 1) Ima_FlechaDer_Click(v);
        if (flecha == 2) Ima_FlechaIzq_Click(v);
        return;
    }
    // A dealt tile sent back shares the zone of a playable one: the deal is no time to play.
    if (en.BotonPulsado == 1 && v.Estado().ZonaPuntero == kZonaJugable && !e.RepartoEnCurso &&
        en.ManoApuntada == e.JugadorTurno && en.HuecoApuntado >= 1 &&
        en.HuecoApuntado <= e.HuecosMano[static_cast<std::size_t>(e.JugadorTurno)] &&
        ComprobarFichaJugable(e, v.Datos(), en.HuecoApuntado)) {
        e.HuecoElegido = en.HuecoApuntado;
        v.OcultarBotonContinuar();
        e.JugadaElegida = true;
        notifyStateChanged();
    }
    if (en.BotonPulsado == 2 && (e.EsperaContinuar || !e.PartidaEnCurso)) AbrirOpciones(v);
}

void Pic_Botonera_MouseMove(mesa& v)
{
    v.Estado().ZonaPuntero = kZonaNormal;
    PonerPuntero(&v, kPunteroNormal);
}

void Ima_FlechaDer_Click(mesa& v)
{
    ElegirExtremo(v, 1);
}

void Ima_FlechaIzq_Click(mesa& v)
{
    ElegirExtremo(v, 2);
}

void MostrarFlechasExtremos(mesa& v)
{
    EstadoJuego& e = v.Juego();
    const Ajustes& a = v.Datos();
    RitmoMesa& ritmo = RitmoMesaPrograma();
    PonerPuntero(&v, kPunteroNormal);
    e.EsperaExtremo = true;
    DibujarMarcasExtremos(e, v.Ima_FlechaDer, v.Ima_FlechaIzq, v.Ima_Flechas);
    // The blink takes no input: a click lands only once the arrows stay.
    for (int i = 0; i < kParpadeosFlechas; ++i) {
        v.Ima_FlechaIzq.Hide();
        v.Ima_FlechaDer.Hide();
        v.refresh();
        ritmo.HacerPausa(kPausaFlechasSin, a.Velocidad);
        v.Ima_FlechaIzq.Show();
        v.Ima_FlechaDer.Show();
        v.refresh();
        ritmo.ReproducirSonido(ritmo_mesa::kEsperando, sonido::Extremo, a.Sonido);
        ritmo.HacerPausa(kPausaFlechasCon, a.Velocidad);
    }
}

} // namespace zp
