#include "settings/normas.h"

#include "assets/recursos.h"
#include "engine/mensajes_red.h"
#include "engine/redondeo.h"
#include "engine/sonidos.h"
#include "kit/ayuda.h"
#include "kit/controles_selector.h"
#include "kit/controles_spin.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "platform/picture_box.h"
#include "settings/selector_ajuste.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <span>

namespace zp {

namespace {

constexpr int kAncho = 705;
constexpr int kAlto = 378;
constexpr int kAnchoMarco = 205;
constexpr QSize kTamanoSpin{198, 30};
constexpr QSize kTamanoTexSpin{35, 19};
constexpr Entero kAyudaNormas = 2141;

struct Selector
{
    Entero indice;
    QPoint lugar;
};
struct Marco
{
    const char* titulo;
    QPoint origen;
    int alto; // 16 + 55 per selector
    std::array<Selector, 3> selectores;
    std::size_t cuantos;
    std::span<const Selector> Selectores() const { return {selectores.data(), cuantos}; }
};

const Marco kMarcos[] = {
    {" Modalidad de juego  ", {22, 25}, 71, {{{15, {37, 45}}}}, 1},
    {" Reparto de fichas  ", {22, 118}, 126, {{{7, {37, 138}}, {6, {37, 193}}}}, 2},
    {" Salidas  ", {249, 25}, 126, {{{8, {264, 45}}, {19, {264, 100}}}}, 2},
    {" Anotación de puntos  ", {249, 173}, 181, {{{9, {264, 193}}, {10, {264, 248}}, {16, {264, 303}}}}, 3},
    {" Cierres  ", {476, 25}, 126, {{{17, {491, 45}}, {18, {491, 100}}}}, 2},
};

struct Spin
{
    Entero indice;
    int arriba;
    const char* titulo;
    int largo; // characters the box takes
};
const Spin kSpins[] = {
    {24, 173, "Puntos de la partida........:", 3},
    {25, 211, "Fichas por jugador...........:", 3},
    {26, 251, "Remanentes en montón..:", 2},
};

const char* const kTextoRed =
    "Si va a jugar en red, este selector solo puede modificarlo el Administrador  de  la "
    "partida  y  Usted tiene seleccionado el modo Cliente.";
const char* const kTextoIntrascendenteEmpate =
    "La  opción  que  se  selecciona  en  este  selector  solo  tiene trascendencia si  el  selector  "
    "'Ganador si hay empate'  tiene activada la opción 'Se repite el juego'.";
const char* const kTextoAnotacion =
    "No  se  puede  modificar  el  valor  del  selector   'Sistema de anotación'  si ya se han anotado los "
    "puntos  de  algún  juego. Cuando finalice la partida actual podrá realizar dicho cambio.";
const char* const kTextoPartidaEnJuego =
    "Si modifica el valor de este selector cuando hay una partida en juego,  se recomienda comenzar una "
    "nueva "
    "partida para que este cambio se aplique de forma homogénea en todos los juegos de la misma.";
const char* const kTextoIntrascendenteParejas =
    "La  opción  que  se  selecciona  en  este  selector  solo  tiene trascendencia si el selector  'Modo de "
    "juego'  tiene activada la opción 'Parejas'.";
const char* const kTextoSoloParejas = "Sólo se puede seleccionar el modo Parejas cuando estan activados los "
                                      "cuatro jugadores.  Actualmente sólo tiene en juego a ";
const char* const kTextoFichas =
    "Ha modificado las fichas que se reparten  a  cada jugador, por lo que finalizará la partida actual  y  "
    "dará comienzo una nueva partida  con  la cantidad  actualmente seleccionada. Pulse el botón Aceptar "
    "para comenzar la nueva partida. Si pulsa  el  botón  Cancelar  no se modificarán las fichas por "
    "jugador y continuará la partida en juego.";

// Message C, whose title and help belong to the selector.
void AvisarPartidaEnJuego(const char* selector, Entero ayuda)
{
    MostrarMensaje(QStringLiteral("Selector '") + QString::fromUtf8(selector) + QLatin1Char('\''),
                   QString::fromUtf8(kTextoPartidaEnJuego), 4, 1, ayuda);
}

} // namespace

normas::normas(Contexto& c, QWidget* padre)
    : DialogoFondo(padre, QStringLiteral("normas"), QStringLiteral("Normas de juego")), c_(c)
{
    for (const Marco& m : kMarcos)
        for (const Selector& s : m.Selectores()) {
            const Entero i = s.indice;
            PictureBox* caja = CrearCajaDialogo(fondo_, QStringLiteral("Pic_Selector%1").arg(i),
                                                QSize(AnchoSelector(i) + 2, 38));
            Pic_Selector[std::size_t(i)] = caja;
            connect(caja, &PictureBox::pressed, this,
                    [this, i](const PointerEvent& p) { Pic_Selector_MouseDown(i, p.position); });
            connect(caja, &PictureBox::moved, this,
                    [this, i](const PointerEvent& p) { Pic_Selector_MouseMove(i, p.position); });
        }
    for (const Spin& s : kSpins) {
        const Entero i = s.indice;
        PictureBox* caja = CrearCajaDialogo(fondo_, QStringLiteral("Pic_Spin%1").arg(i), kTamanoSpin);
        auto* texto = new QLineEdit(caja);
        texto->setObjectName(QStringLiteral("Tex_Spin%1").arg(i));
        texto->setMaxLength(s.largo);
        texto->setFont(FuenteCaja(FuenteControles(true)));
        Pic_Spin[std::size_t(i)] = caja;
        Tex_Spin[std::size_t(i)] = texto;
        connect(caja, &PictureBox::pressed, this,
                [this, i](const PointerEvent& p) { Pic_Spin_MouseDown(i, p.position); });
        connect(caja, &PictureBox::moved, this,
                [this, i](const PointerEvent& p) { Pic_Spin_MouseMove(i, p.position); });
        connect(caja, &PictureBox::released, this, [this, i](const PointerEvent&) { Pic_Spin_MouseUp(i); });
        connect(texto, &QLineEdit::textChanged, this, [this, i] { Tex_Spin_Change(i); });
    }
    soltarFlecha_ = new QTimer(this);
    siguientePaso_ = new QTimer(this);
    soltarFlecha_->setSingleShot(true);
    siguientePaso_->setSingleShot(true);
    connect(soltarFlecha_, &QTimer::timeout, this, [this] { SoltarFlechaSpin(); });
    connect(siguientePaso_, &QTimer::timeout, this, [this] { RepetirSpin(spinRepetido_, subiendo_); });
    Pic_BotAyuda = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotAyuda"),
                                     QStringLiteral("Ayuda sobre Normas de juego"));
    Pic_BotAyuda->setFocusPolicy(Qt::StrongFocus);
    Pic_BotSalir =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotSalir"), QStringLiteral("Salir de Normas de juego"));
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [] { PulsarAyudaDialogo(kAyudaNormas); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { Pic_BotSalir_MouseDown(); });
    Form_Load();
}

const DefinicionAjuste& ReglaDeNormas(Entero indice)
{
    switch (indice) {
    case 6:
        return ajuste::JugadorCincoDobles;
    case 7:
        return ajuste::SistemaReparto;
    case 8:
        return ajuste::PrimeraMano;
    case 9:
        return ajuste::SistemaAnotacion;
    case 10:
        return ajuste::PuntosQueSeAnotan;
    case 15:
        return ajuste::ModoJuego;
    case 16:
        return ajuste::ParejaQueSeAnota;
    case 17:
        return ajuste::GanadorSiEmpate;
    case 18:
        return ajuste::SalidaSiEmpate;
    case 19:
        return ajuste::TurnoSalida;
    case 24:
        return ajuste::PuntosPartida;
    case 25:
        return ajuste::FichasPorJugador;
    default:
        return ajuste::RemanentesMonton;
    }
}

Entero normas::Regla(Entero indice) const
{
    return static_cast<Entero>(ReglaDeNormas(indice).Leer(c_.a, 0));
}

void normas::PonerRegla(Entero indice, Entero valor)
{
    ReglaDeNormas(indice).Poner(c_.a, 0, valor);
}

std::array<Entero, 13> normas::Reglas() const
{
    std::array<Entero, 13> r{};
    std::size_t i = 0;
    for (const int indice : {7, 15, 6, 8, 9, 10, 16, 17, 18, 19, 24, 25, 26})
        r[i++] = Regla(static_cast<Entero>(indice));
    return r;
}

bool normas::BloqueoCliente() const
{
    return c_.a.JuegoEnRed && c_.a.ModoRed == PapelRed::Cliente;
}

bool normas::RechazarCliente() const
{
    if (!BloqueoCliente()) return false;
    MostrarMensaje("Juego en Red", kTextoRed, 3, 1, kAyudaRed);
    return true;
}

void normas::Form_Load()
{
    Centrar(QSize(kAncho, kAlto));
    CargarEtiquetasOpciones(opciones_, c_.a.ModoJuego);

    Cargando = true;
    ReglasAntes = Reglas();
    DibujaNormas();
    ArribaPulsado = AbajoPulsado = false;
    FichasAntes = c_.a.FichasPorJugador;
    if (BloqueoCliente())
        for (const Spin& s : kSpins) Tex_Spin[std::size_t(s.indice)]->setEnabled(false);
    Cargando = false;
    PunteroMesa(kPunteroNormal);
}

void normas::DibujaNormas()
{
    BordeElevado(fondo_->surface());
    for (const Marco& m : kMarcos) {
        DibujarMarco(m.origen, QString::fromUtf8(m.titulo), m.alto);
        for (const Selector& sel : m.Selectores()) {
            Pic_Selector[std::size_t(sel.indice)]->moveLogical(sel.lugar);
            Pic_Selector[std::size_t(sel.indice)]->show();
            DibujarSelectorNormas(sel.indice);
        }
    }
    for (const Spin& sp : kSpins) {
        PictureBox* spin = Pic_Spin[std::size_t(sp.indice)];
        spin->moveLogical(QPoint(484, sp.arriba));
        spin->show();
        DibujarSpinNormas(sp.indice);
    }

    MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, 315));
    MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(642, 315));
    fondo_->invalidate();
}

void normas::DibujarMarco(QPoint origen, const QString& titulo, int alto)
{
    Surface& s = fondo_->surface();
    const int x = origen.x(), y = origen.y();
    s.box(x, y, x + kAnchoMarco, y + alto, kBlanco);
    s.box(x + 1, y + 1, x + 1 + kAnchoMarco, y + 1 + alto, kGris);
    const FontSpec fuente = FuenteControles();
    const int cx = RedondearAPar(x + kAnchoMarco / 2.0 - textWidth(titulo, fuente) / 2.0);
    // The caption's opaque ground breaks the frame's top edge.
    s.text(cx, y - 8, titulo, fuente, kBlanco, true);
    s.text(cx + 1, y - 7, titulo, fuente, kPurpura, false);
}

void normas::DibujarSelectorNormas(Entero indice)
{
    const auto fila = FilaOpciones(opciones_, indice);
    DibujarSelector(*Pic_Selector[std::size_t(indice)], indice, Regla(indice), TituloSelector(indice), fila);
}

void normas::AvanzarSelectorNormas(Entero indice)
{
    const auto fila = FilaOpciones(opciones_, indice);
    Entero valor = Regla(indice);
    AvanzarSelector(*Pic_Selector[std::size_t(indice)], indice, valor, TituloSelector(indice), fila);
    PonerRegla(indice, valor);
}

void normas::DibujarSpinNormas(Entero indice)
{
    const auto* sp = std::find_if(std::begin(kSpins), std::end(kSpins),
                                  [indice](const Spin& s) { return s.indice == indice; });
    DibujarSpin(*Pic_Spin[std::size_t(indice)], *Tex_Spin[std::size_t(indice)], kTamanoTexSpin, Regla(indice),
                QString::fromUtf8(sp->titulo));
}

void normas::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    Form_Activate();
}

void normas::Form_Activate()
{
    // No spin box holds the caret when the window shows.
    Pic_BotAyuda->setFocus();
}

void normas::keyPressEvent(QKeyEvent* evento)
{
    // Escape leaves through the exit button, which settles the changes; Enter does nothing here.
    if (evento->key() == Qt::Key_Escape) Pic_BotSalir_MouseDown();
    evento->accept();
}

void normas::reject()
{
    Pic_BotSalir_MouseDown();
}

void normas::Pic_Selector_MouseMove(Entero Index, QPoint punto)
{
    ManoSiEncima(Pic_Selector[std::size_t(Index)], EnFlechaSelector(punto));
}

void normas::Pic_Selector_MouseDown(Entero Index, QPoint punto)
{
    if (!EnFlechaSelector(punto) || RechazarCliente()) return;
    const EstadoJuego& e = c_.e;
    Ajustes& a = c_.a;
    const bool enJuego = e.PartidaEnCurso && e.NumeroMano > 1;
    switch (Index) {
    case 18:
        if (a.GanadorSiEmpate != Empate::SeRepite)
            MostrarMensaje("Selección intrascendente", kTextoIntrascendenteEmpate, 3, 1, 2148);
        AvanzarSelectorNormas(Index);
        break;
    case 9:
        // Points may already have been scored once the first hand has ended.
        if (e.PartidaEnCurso && e.NumeroMano != 0 && !(e.NumeroMano == 1 && e.ManoEnCurso)) {
            MostrarMensaje("Selección improcedente", kTextoAnotacion, 3, 1, 2149);
            return;
        }
        AvanzarSelectorNormas(Index);
        c_.dibujo.DibujarMarcadorMesa();
        break;
    case 10:
    case 16: {
        const bool puntos = Index == 10;
        const Entero ayuda = puntos ? 2150 : 2151;
        if (enJuego && EnParejas(a))
            AvisarPartidaEnJuego(puntos ? "Puntos que se anotan" : "Pareja que se anota los puntos", ayuda);
        if (!EnParejas(a))
            MostrarMensaje("Selección intrascendente", kTextoIntrascendenteParejas, 3, 1, ayuda);
        AvanzarSelectorNormas(Index);
        break;
    }
    case 15:
        if (!EnParejas(a) && a.NumeroJugadores != 4) {
            MostrarMensaje(QStringLiteral("Selección improcedente"),
                           QString::fromUtf8(kTextoSoloParejas) + QString::number(a.NumeroJugadores) +
                               QStringLiteral(" jugadores ."),
                           3, 1, 2142);
            return;
        }
        if (enJuego) AvisarPartidaEnJuego("Modo de juego", 2142);
        AvanzarSelectorNormas(15);
        c_.dibujo.DibujarMarcadorMesa();
        // The tie and lead selectors name pairs or players: their texts follow the mode, their values stay
        // unless the new mode has no such option.
        CargarEtiquetasOpciones(opciones_, a.ModoJuego);
        c_.almacen.CargarEtiquetasOpciones();
        PonerRegla(17, static_cast<Entero>(Regla(17) - 1));
        AvanzarSelectorNormas(17);
        PonerRegla(19, static_cast<Entero>(Regla(19) - 1));
        AvanzarSelectorNormas(19);
        break;
    default: // 6, 7, 8, 17, 19
        AvanzarSelectorNormas(Index);
        break;
    }
}

void normas::Pic_BotSalir_MouseDown()
{
    if (saliendo_) return;
    saliendo_ = true;
    PunteroMesa(kPunteroEspera);
    SonarKit(0, sonido::Clic);
    ArribaPulsado = AbajoPulsado = false;
    DetenerRepeticion();

    // Typed values within bounds. The stock's bound follows the tiles per player once their change has been
    // confirmed or cancelled, so that a cancelled change leaves the stock as it was.
    auto ajustar = [this](Entero indice) {
        if (BloqueoCliente()) return;
        LimitesSpin(indice);
        ValorSpin = std::clamp(ValorTecleado(Tex_Spin[std::size_t(indice)]->text()), MinimoSpin, MaximoSpin);
        ActualizaSpin(indice);
    };
    ajustar(24);
    ajustar(25);
    Ajustes& a = c_.a;
    if (a.FichasPorJugador != FichasAntes) {
        bool respuesta = true;
        if (c_.e.PartidaEnCurso && c_.e.NumeroJugada > 1)
            respuesta = MostrarMensaje(QStringLiteral("Fichas por jugador"), QString::fromUtf8(kTextoFichas),
                                       6, 2, 2153);
        if (respuesta)
            NuevaPartida_ = true;
        else
            a.FichasPorJugador = FichasAntes;
    }
    ajustar(26);

    if (a.JuegoEnRed && a.ModoRed == PapelRed::Administrador) {
        if (Reglas() != ReglasAntes) EnviarEstadoRed(c_.red, c_.almacen);
        if (NuevaPartida_) c_.red.EnviarATodosRed(CrearMensajeNuevaPartida());
    }
    done(QDialog::Accepted);
    PunteroMesa(kPunteroNormal);
}

bool MostrarNormas(Contexto& c, QWidget* padre)
{
    if (!padre) padre = Entorno().mesa;
    EntornoKit& entorno = Entorno();
    entorno.AjustesAbiertos = true;
    const bool nueva = EjecutarDialogo(new normas(c, padre), [](normas& v) { return v.NuevaPartida(); });
    entorno.AjustesAbiertos = false;
    return nueva;
}

} // namespace zp
