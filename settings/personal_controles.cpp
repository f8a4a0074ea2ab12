// The player settings' controls and their rules: each changes its setting at once, keeps the seats
// consistent with each other and refuses what a network client may not change.
#include "settings/personal.h"

#include "engine/sonidos.h"
#include "engine/turno.h"
#include "kit/ayuda.h"
#include "kit/controles_potenciometro.h"
#include "kit/controles_selector.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "settings/core/cadenas_estado.h"
#include "settings/core/columnas_estado.h"
#include "settings/core/etiquetas_opciones.h"
#include "settings/selector_ajuste.h"

#include <QLineEdit>

namespace zp {

namespace {

constexpr Entero kAyudaCandadoInterruptor = 2136;
constexpr Entero kAyudaCandadoSelector = kAyudaRed;
constexpr QPoint kClicSeguido{5, 18}; // where a follow-up click lands: on the selector's key

const char* const kTituloRed = "Juego en Red";
const char* const kTituloIncompatibles = "Selecciones incompatibles";

} // namespace

bool personal::CandadoCliente() const
{
    return c_.a.JuegoEnRed && c_.a.ModoRed == PapelRed::Cliente;
}

void personal::MensajeCandado(Entero ayuda)
{
    MostrarMensaje(
        kTituloRed,
        "Si va a jugar en red, este selector solo puede modificarlo el Administrador  de  la partida  y  "
        "Usted tiene seleccionado el modo Cliente.",
        3, 1, ayuda);
}

namespace {

// The setting selector `indice` shows, and the seat it belongs to (0 for a setting of the game).
std::pair<const DefinicionAjuste&, int> AjusteDeSelector(Entero indice)
{
    switch (indice) {
    case 1:
        return {ajuste::ModoRed, 0};
    case 2:
        return {ajuste::FichasVisiblesPuestas, 0};
    case 3:
        return {ajuste::SentidoJuego, 0};
    case 5:
        return {ajuste::ListaJugadas, 0};
    default:
        break;
    }
    if (indice <= 14) return {ajuste::EstadoJugador, indice - 10};
    if (indice <= 24) return {ajuste::FichasJugador, indice - 20};
    if (indice <= 28) return {ajuste::ControlJugador, indice - 24};
    return {ajuste::CaracterJugador, indice - 30};
}

} // namespace

Entero personal::ValorSelector(Entero indice) const
{
    const auto [ajuste, asiento] = AjusteDeSelector(indice);
    return Entero(ajuste.Leer(c_.a, asiento));
}

void personal::PonerSelector(Entero indice, Entero valor)
{
    const auto [ajuste, asiento] = AjusteDeSelector(indice);
    ajuste.Poner(c_.a, asiento, valor);
}

Entero& personal::ValorPotenciometro(Entero indice)
{
    return indice == 1 ? c_.a.Velocidad : c_.a.Jugador[std::size_t(indice - 10)].NivelJugador;
}

void personal::Dibujar(Entero indice)
{
    DibujarSelector(*Pic_Selector[std::size_t(indice)], indice, ValorSelector(indice), TituloSelector(indice),
                    FilaOpciones(opciones_, indice));
}

void personal::Avanzar(Entero indice)
{
    Entero valor = ValorSelector(indice);
    AvanzarSelector(*Pic_Selector[std::size_t(indice)], indice, valor, TituloSelector(indice),
                    FilaOpciones(opciones_, indice));
    PonerSelector(indice, valor);
}

void personal::Pic_Buleano_MouseDown(Entero Index)
{
    // Before the change: switching the sound off still clicks, switching it on is silent.
    SonarKit(1, sonido::Pulsar);
    Ajustes& a = c_.a;
    switch (Index) {
    case 1:
        a.Sonido = !a.Sonido;
        DibujarBuleano(1);
        break;
    case 2:
        if (CandadoCliente()) {
            MensajeCandado(kAyudaCandadoInterruptor);
            return;
        }
        a.PausaEntreJugadas = !a.PausaEntreJugadas;
        DibujarBuleano(2);
        break;
    case 3:
        a.JuegoEnRed = !a.JuegoEnRed;
        DibujarBuleano(3);
        DibujaPersonal();
        break;
    default:
        break;
    }
}

// The slider's pointer is its drag state: default when idle, the open hand over the knob, the west-east
// arrows while the knob is dragged.
void personal::Pic_Potenciometro_MouseDown(Entero Index, const PointerEvent& p)
{
    if (Index != 1 && CandadoCliente()) {
        MensajeCandado(kAyudaCandadoInterruptor);
        return;
    }
    PictureBox* slider = Pic_Potenciometro[std::size_t(Index)];
    if (PunteroDe(slider) == kPunteroNormal) return;
    XInicial = p.position.x();
    PonerPuntero(slider, kPunteroArrastre);
}

void personal::Pic_Potenciometro_MouseMove(Entero Index, const PointerEvent& p)
{
    PictureBox* slider = Pic_Potenciometro[std::size_t(Index)];
    Entero& valor = ValorPotenciometro(Index);
    ValorSlider = valor;
    const bool pulsado = p.buttons != Qt::NoButton && !(Index != 1 && CandadoCliente());
    const int x = p.position.x();
    if (pulsado && PunteroDe(slider) != kPunteroNormal) {
        Desplazamiento = x - XInicial;
        const DefinicionAjuste& rango = Index == 1 ? ajuste::Velocidad : ajuste::NivelJugador;
        if (ValorSlider + Desplazamiento < rango.Minimo) Desplazamiento = rango.Minimo - ValorSlider;
        if (ValorSlider + Desplazamiento > rango.Maximo) Desplazamiento = rango.Maximo - ValorSlider;
        BorrarMandoPotenciometro(slider->surface(), ValorSlider);
        ValorSlider = Entero(ValorSlider + Desplazamiento);
        DibujarMandoPotenciometro(slider->surface(), XMando(ValorSlider), kYMando);
        slider->refresh();
        XInicial = x;
        valor = ValorSlider;
    }
    const bool sobreMando = EnMandoPotenciometro(p.position, ValorSlider);
    if (sobreMando && !pulsado && PunteroDe(slider) != kPunteroPropio)
        PonerCursor(slider, "Ordenar");
    else if (!sobreMando && PunteroDe(slider) != kPunteroNormal)
        PonerPuntero(slider, kPunteroNormal); // also ends a drag that left the knob
}

void personal::Pic_Potenciometro_MouseUp(Entero Index)
{
    PonerPuntero(Pic_Potenciometro[std::size_t(Index)], kPunteroNormal);
}

void personal::Pic_Selector_MouseMove(Entero Index, QPoint punto)
{
    ManoSiEncima(Pic_Selector[std::size_t(Index)], EnFlechaSelector(punto));
}

void personal::Pic_Selector_MouseDown(Entero Index, QPoint punto)
{
    if (!EnFlechaSelector(punto)) return;
    if (Index >= 11 && Index <= 14) return ClicSelectorEstado(Entero(Index - 10));
    if (Index >= 21 && Index <= 24) return ClicSelectorFichas(Entero(Index - 20));
    if (Index >= 25 && Index <= 28) return ClicSelectorControl(Entero(Index - 24));
    if (Index >= 31 && Index <= 34) {
        if (CandadoCliente()) return MensajeCandado(kAyudaCandadoSelector);
        return Avanzar(Index);
    }
    switch (Index) {
    case 1: // how a client becomes the host: never locked
        Avanzar(1);
        DibujaPersonal();
        break;
    case 3:
        ClicSelectorSentido();
        break;
    case 2:
        Avanzar(2);
        if (c_.e.PartidaEnCurso)
            for (Entero s = 1; s <= 4; ++s) c_.servicios.DibujarMano(s);
        break;
    case 5:
        if (CandadoCliente()) return MensajeCandado(kAyudaCandadoSelector);
        Avanzar(5);
        break;
    default:
        break;
    }
}

void personal::ClicSelectorEstado(Entero s)
{
    if (CandadoCliente()) return MensajeCandado(kAyudaCandadoSelector);
    Avanzar(Entero(10 + s));
    AjustesJugador& j = c_.a.Jugador[std::size_t(s)];
    if (j.EstadoJugador == EstadoAsiento::Desactivado && c_.a.JuegoEnRed &&
        c_.a.ModoRed == PapelRed::Administrador && s == 4) {
        MostrarMensaje(kTituloRed,
                       "Si va a jugar en red como  Administrador  de la partida, este jugador no puede estar "
                       "desactivado, ya que es el que está asignado al Administrador de la partida.",
                       3, 1, 2123);
        j.EstadoJugador = EstadoAsiento::Activado;
    }
    DibujaPersonal();
}

void personal::ClicSelectorFichas(Entero s)
{
    if (JuegoEnRedAntes) {
        MostrarMensaje(
            kTituloRed,
            "Si está jugando en red, este selector no se puede modificar ya que  sólo  estarán   Visibles   "
            "las  fichas  del  jugador  Sur   y permanecerán Ocultas las de los restantes jugadores.",
            3, 1, 2125);
        return;
    }
    const Entero indice = Entero(20 + s);
    Avanzar(indice);
    const AjustesJugador& j = c_.a.Jugador[std::size_t(s)];
    if (EstadoAntes[std::size_t(s)] == EstadoAsiento::Activado && c_.e.PartidaEnCurso)
        c_.servicios.DibujarMano(s);
    if (j.FichasJugador != VistaFichas::Ocultas || j.ControlJugador != Control::Manual) return;
    const bool aceptar = MostrarMensaje(
        kTituloIncompatibles,
        "Si elige 'Ocultas' en 'Fichas del jugador' no podrá seguir con el  'Tipo de juego'  de este jugador "
        "seleccionado a 'Manual'. Si pulsa el botón Aceptar se actualizará el  'Tipo de juego' a "
        "'Automático'. Si  pulsa  el  botón  Cancelar  no  se  modificará ningún valor.",
        5, 2, 2125);
    // Aceptar steps the seat on from Manual; Cancelar steps the tiles back to Visibles.
    Pic_Selector_MouseDown(aceptar ? Entero(24 + s) : indice, kClicSeguido);
}

void personal::ClicSelectorControl(Entero s)
{
    if (CandadoCliente()) return MensajeCandado(kAyudaCandadoSelector);
    Ajustes& a = c_.a;
    AjustesJugador& j = a.Jugador[std::size_t(s)];
    // Without network play Remoto is skipped: the cycle is Manual, Automático, Manual.
    if (!a.JuegoEnRed && j.ControlJugador == Control::Automatico) j.ControlJugador = Control::Remoto;
    const Entero indice = Entero(24 + s);
    Avanzar(indice);
    if (a.JuegoEnRed && a.ModoRed == PapelRed::Administrador) {
        // On the host the other seats are automatic or remote, and its own seat stays Manual.
        if (s <= 3 && j.ControlJugador == Control::Manual) j.ControlJugador = Control::Automatico;
        if (s == 4 && j.ControlJugador == Control::Automatico) j.ControlJugador = Control::Manual;
    }
    if (j.ControlJugador == Control::Manual && j.FichasJugador == VistaFichas::Ocultas) {
        const bool aceptar = MostrarMensaje(
            kTituloIncompatibles,
            "Para que pueda pasar a  'Manual'  el 'Tipo de juego' de este jugador, las  'Fichas  del  "
            "jugador'  "
            "deben estar  'Visibles'.  Si pulsa el botón Aceptar se seleccionará dicho valor de forma "
            "automática.   Si  pulsa  el  botón  Cancelar  no  se  modificará ningún valor.",
            5, 2, 2124);
        if (!aceptar)
            Pic_Selector_MouseDown(indice, kClicSeguido);
        else if (j.FichasJugador == VistaFichas::Ocultas)
            Pic_Selector_MouseDown(Entero(20 + s), kClicSeguido);
    }
    DibujaPersonal();
}

void personal::ClicSelectorSentido()
{
    if (CandadoCliente()) return MensajeCandado(kAyudaCandadoSelector);
    if (c_.e.NumeroJugada >= 2) {
        MostrarMensaje(
            "Selección improcedente",
            "No puede cambiar el Sentido del juego durante el desarrollo de una mano.   Cuando finalice la "
            "mano actual podrá realizar dicho cambio.",
            3, 1, 2129);
        return;
    }
    Avanzar(3);
    c_.e.PasoTurno = PasoDeSentido(c_.a.SentidoJuego);
    DibujarFigura();
    fondo_->refresh();
}

void personal::Txt_Nombre_Change(Entero Index)
{
    QLineEdit& caja = *Txt_Nombre[std::size_t(Index)];
    const QString texto = caja.text();
    int cursor = caja.cursorPosition();
    // A character the state files cannot carry as it is (a double quote, a control, one outside
    // Windows-1252) is dropped as it is typed.
    QString limpio;
    for (qsizetype k = 0; k < texto.size(); ++k) {
        const QChar c = texto[k];
        if (!c.isSurrogate() && TextoGuardableTalCual(QString(c).toStdString()))
            limpio += c;
        else if (k < cursor)
            --cursor;
    }
    qsizetype blancos = 0;
    while (blancos < limpio.size() && limpio[blancos] == QLatin1Char(' ')) ++blancos;
    const std::string nombre = CapitalizarNombre(limpio.mid(blancos).toStdString());
    c_.a.Jugador[std::size_t(Index)].NombreJugador = nombre;
    const QString resultado = QString::fromStdString(nombre);
    if (resultado == texto) return;
    caja.setText(resultado); // the nested change finds nothing more to alter
    caja.setCursorPosition(std::clamp<int>(cursor - int(blancos), 0, int(resultado.size())));
}

void personal::Txt_IPCliente_Change(Entero Index)
{
    c_.a.Jugador[std::size_t(Index)].DireccionIP =
        Txt_IPCliente[std::size_t(Index)]->text().trimmed().toStdString();
}

void personal::Txt_IPAdmin_Change()
{
    c_.a.Jugador[4].DireccionIP = Txt_IPAdmin->text().trimmed().toStdString();
}

} // namespace zp
