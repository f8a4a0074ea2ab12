#include "engine/arranque.h"

#include <fstream>
#include <system_error>

#include "engine/turno.h"

namespace zp {

namespace fs = std::filesystem;

namespace {

constexpr int kAnchoMinimo = 800;
constexpr int kAyudaResolucion = 1040;
constexpr int kAyudaGeneral = 1020;
constexpr const char* kSonda = "CSCD.WRK";
constexpr const char* kFicheroAjustes = "ZARPE33.INI";
constexpr const char* kFicheroHistorico = "ZARPE33.HIS";
constexpr const char* kTextoResolucionAntes =
    "Este  programa  se  ha  diseñado  para  funcionar  con  una resolución mínima de pantalla de 800x600 "
    "con profundidad de color de 16 bits o superior.  La resolución seleccionada actualmente es de (";
constexpr const char* kTextoResolucionDespues =
    ").  Pulse  Aceptar  para cambiar  la  resolución  de  la  pantalla  a  800x600  o  Cancelar  para "
    "abandonar el programa.";
constexpr const char* kTextoResolucionCambiada =
    "Se ha cambiado con éxito la resolución de la pantalla a 800x600.";
constexpr const char* kTextoAyuda =
    "Si   desea   consultar   una   descripción   general   de   este programa  para  conocer  rápidamente  "
    "su  funcionamiento, pulse el botón de Ayuda.";
constexpr const char* kTextoLetraGrande =
    "ZARPELON está preparado para funcionar con el tamaño de letra normal, es decir de 96 puntos por "
    "pulgada. Su ordenador está utilizando actualmente un tamaño de letra grande que va a producir un "
    "deficiente funcionamiento de este programa. Para obtener un perfecto rendimiento de ZARPELON debe "
    "modificar la configuración de su pantalla y cambiarla a tamaño de letra pequeño.";
constexpr const char* kTextoContinuar =
    "Continua el desarrollo de la partida que no finalizó en la sesión anterior.";

std::string ConBarra(const fs::path& carpeta)
{
    std::string s = carpeta.string();
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

bool Escribible(const fs::path& carpeta)
{
    const fs::path sonda = carpeta / kSonda;
    bool creada = false;
    {
        std::ofstream f(sonda, std::ios::binary | std::ios::trunc);
        creada = f.is_open();
    }
    if (creada) {
        std::error_code ec;
        fs::remove(sonda, ec);
    }
    return creada;
}

} // namespace

std::string PrepararCarpetaTrabajo(const fs::path& programa, const fs::path& usuario)
{
    if (Escribible(programa)) return ConBarra(programa);
    // Failures here are not the program's end: the settings load then sets the defaults.
    std::error_code ec;
    fs::create_directories(usuario, ec);
    if (!fs::exists(usuario / kFicheroAjustes, ec)) {
        for (const char* nombre : {kFicheroAjustes, kFicheroHistorico}) {
            std::error_code copia;
            fs::copy_file(programa / nombre, usuario / nombre, fs::copy_options::skip_existing, copia);
        }
    }
    return ConBarra(usuario);
}

ResultadoPantalla ComprobarPantalla(Usuario& usuario, int ancho, int alto)
{
    if (ancho >= kAnchoMinimo) return {false, ancho, alto};
    const std::string texto =
        std::string(kTextoResolucionAntes) + Arrobas(ancho) + "x" + Arrobas(alto) + kTextoResolucionDespues;
    const Respuesta<bool> r = usuario.MostrarMensaje("Resolución de pantalla", texto, 6, 2, kAyudaResolucion);
    if (r.abandonada || !r.valor) return {true, ancho, alto};
    // The table is laid out for 800 x 600 and scaled to the screen; the display keeps its mode.
    const auto aviso =
        usuario.MostrarMensaje("Cambio de resolución de pantalla", kTextoResolucionCambiada, 2, 1);
    if (aviso.abandonada) return {true, ancho, alto};
    return {false, 800, 600};
}

Preparacion PrepararArranque(ArranqueMesa& mesa, Usuario& usuario, const EntradaArranque& entrada)
{
    Preparacion p;
    mesa.MostrarCareta();
    p.CarpetaDatos = PrepararCarpetaTrabajo(entrada.CarpetaPrograma, entrada.CarpetaUsuario);
    const ResultadoPantalla pantalla =
        ComprobarPantalla(usuario, entrada.AnchoPantalla, entrada.AltoPantalla);
    p.Salir = pantalla.Salir;
    p.AnchoPantalla = pantalla.Ancho;
    p.AltoPantalla = pantalla.Alto;
    return p;
}

void InicializarTablas(Contexto& c)
{
    c.arranque.PintarGrabadora();
    c.e.PasoTurno = PasoDeSentido(c.a.SentidoJuego);
    c.almacen.CargarEtiquetasOpciones();
    c.a.JuegoEnRed = false; // network play is never on at start
    c.e.RedibujoPendiente = false;
    c.e.GrabadoraActiva = false;
}

ResultadoPartida Main(Contexto& c)
{
    EstadoJuego& e = c.e;
    e.PartidaEnCurso = false;
    for (const AvisoAlmacen& aviso : c.almacen.CargarAjustes()) {
        if (c.usuario.MostrarMensaje(aviso.Titulo, aviso.Texto, aviso.Lineas, 1).abandonada)
            return {FinPartida::SinPartida, Peticion::Salir};
    }

    c.arranque.DisponerMesa(c.pantalla);
    InicializarTablas(c);
    c.arranque.PintarFondo();
    c.dibujo.DibujarMarcadorMesa();
    c.arranque.CerrarCareta();
    c.arranque.MostrarMesa();

    const auto ayuda = c.usuario.MostrarMensaje("ZARPELON", kTextoAyuda, 3, 1, kAyudaGeneral);
    if (ayuda.abandonada) return {FinPartida::SinPartida, Peticion::Salir};
    c.mandos.AnularZonaPuntero();
    if (c.arranque.LetraGrande()) {
        const auto aviso = c.usuario.MostrarMensaje("Tamaño de letra", kTextoLetraGrande, 12, 1);
        if (aviso.abandonada) return {FinPartida::SinPartida, Peticion::Salir};
    }

    // A match left during a hand, or between two hands, goes on.
    if (!e.PartidaEnCurso || (!e.ManoEnCurso && e.NumeroMano < 1))
        return {FinPartida::SinPartida, Peticion::Ninguna};
    c.dibujo.RedibujarMesa();
    c.azar.SembrarDelReloj();
    const auto aviso = c.usuario.MostrarMensaje("Continuar la partida anterior", kTextoContinuar, 2, 1);
    if (aviso.abandonada) return {FinPartida::SinPartida, Peticion::Salir};
    return ReanudarPartida(c);
}

} // namespace zp
