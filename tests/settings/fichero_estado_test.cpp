#include "engine/contexto.h"
#include "engine/fin_mano.h"
#include "engine/partida.h"
#include "settings/core/almacen_ficheros.h"
#include "settings/core/fichero_estado.h"
#include "settings/estados_prueba.h"
#include "tests/soporte/banco.h"
#include "tests/soporte/carpeta_temporal.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tests/soporte/usuario_sin_privilegios.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

using namespace zp;
using namespace ::prueba;
namespace fs = std::filesystem;

class FicheroEstado : public ::testing::Test, protected zp::prueba::CarpetaTemporal
{
protected:
    // What lies in the folder under a temporary file's name.
    std::vector<std::string> Temporales() const
    {
        std::vector<std::string> t;
        for (const auto& f : fs::directory_iterator(carpeta))
            if (f.path().extension() == ".tmp") t.push_back(f.path().filename().string());
        return t;
    }
    // A test that acts as the ordinary user starts again in a folder that user can enter. Empty, or why there
    // is none.
    std::string AlAlcanceDeNadie()
    {
        std::string motivo;
        if (const std::string dentro = zp::prueba::CarpetaAlAlcanceDeNadie(motivo); !dentro.empty())
            Mudar(dentro);
        return motivo;
    }
    // The game read taken up as the program's start does, up to the first turn of the hand it goes on with.
    static void Reanudar(MotorSinVentana& otra, const EstadoJuego& juego, const Ajustes& datos)
    {
        otra.e = juego;
        otra.a = datos;
        otra.usuario.AbandonarEn = "Eventos";
        Contexto d = otra.Ctx();
        EXPECT_EQ(ReanudarPartida(d).Fin, FinPartida::Abandonada);
    }
};

const std::string kFicheroPrimeraEjecucion = "\"" + SituacionPrimeraEjecucion() + "\"\r\n\"\"\r\n\"\"\r\n";

TEST_F(FicheroEstado, primera_ejecucion_avisa_y_crea_el_fichero_exacto)
{
    Estado s;
    s.datos.PuntosPartida = 500; // whatever start-up held, the defaults win
    s.juego.PartidaEnCurso = true;
    const ResultadoAjustes r = CargarAjustes(carpeta, s.juego, s.datos);
    EXPECT_EQ(r.ErrorFichero, 53);
    ASSERT_EQ(r.Mensajes.size(), 1u);
    EXPECT_EQ(r.Mensajes[0].Titulo, "Error en la carga de datos iniciales");
    EXPECT_NE(r.Mensajes[0].Texto.find("ZARPE33.INI"), std::string::npos);
    EXPECT_EQ(r.Mensajes[0].Lineas, 3);
    EXPECT_EQ(Leer("ZARPE33.INI"), kFicheroPrimeraEjecucion);
    EXPECT_EQ(s.datos.PuntosPartida, 30);
    EXPECT_FALSE(s.juego.PartidaEnCurso);
    EXPECT_TRUE(Temporales().empty());

    // The next start reads it without a word.
    Estado segundo;
    const ResultadoAjustes otra = CargarAjustes(carpeta, segundo.juego, segundo.datos);
    EXPECT_EQ(otra.ErrorFichero, 0);
    EXPECT_TRUE(otra.Mensajes.empty());
    EXPECT_EQ(segundo.Cadenas(), s.Cadenas());
}

TEST_F(FicheroEstado, cargar_una_partida_guardada_limpia_la_mano_actual_y_pide_redibujar)
{
    Estado guardado = PartidaEnJuego();
    guardado.juego.Anotaciones[3].Sale = "Pepe";
    guardado.juego.Anotaciones[3].PuntosPareja2 = 40;
    guardado.juego.Anotaciones[3].PuntosJugador[1] = 40;
    ASSERT_FALSE(GrabarEstado(carpeta, "tarde.man", guardado.juego, guardado.datos));

    Estado s = PrimeraEjecucion();
    s.juego.Anotaciones[3] = guardado.juego.Anotaciones[3];
    s.juego.RepetirSalida = true; // a tie's replay pending in the game left on the table
    const ResultadoCargaEstado r = CargarEstado(carpeta, "tarde.man", s.juego, s.datos);
    EXPECT_TRUE(r.FicheroEncontrado);
    EXPECT_TRUE(s.juego.RedibujoPendiente);
    EXPECT_FALSE(s.juego.RepetirSalida);
    EXPECT_EQ(s.Cadenas(), guardado.Cadenas());
    EXPECT_EQ(s.juego.Anotaciones[3].Sale, "");
    EXPECT_EQ(s.juego.Anotaciones[3].PuntosPareja2, 0);
    EXPECT_EQ(s.juego.Anotaciones[2], guardado.juego.Anotaciones[2]);
}

// What other versions and other systems write: the format's own first-run file (this computer never on
// the network, empty slots 0), lines ending in LF or in CR alone, no end mark, no second and third line.
TEST_F(FicheroEstado, ficheros_que_el_formato_admite_se_cargan_sin_aviso)
{
    std::string primera = SituacionPrimeraEjecucion();
    primera.replace(194, 1, "0");  // PuestoLocal
    primera.replace(172, 2, "0 "); // PasoTurno, not yet worked out
    for (std::size_t c : {208u, 236u}) primera[c - 1] = '0';
    for (int p = 0; p < 4; ++p) primera.replace(335 + 105 * P(p), 63, std::string(63, '0'));
    primera.replace(740, 28, std::string(28, '0'));
    std::string leida = SituacionPrimeraEjecucion(); // read back: no game, and never on the network
    leida[194] = '0';
    const CadenasEstado sinPartida{leida, "", ""}, enJuego = PartidaEnJuego().Cadenas();
    const std::string guardado = ComponerFicheroEstado(enJuego);
    auto cambiar = [](std::string s, const std::string& de, const std::string& a) {
        for (std::size_t i = 0; (i = s.find(de, i)) != std::string::npos; i += a.size())
            s.replace(i, de.size(), a);
        return s;
    };
    const std::tuple<const char*, std::string, const CadenasEstado&> casos[] = {
        {"primera ejecución del formato", "\"" + primera + "\"\r\n\"\"\r\n\"\"\r\n", sinPartida},
        {"solo la primera línea", "\"" + primera + "\"", sinPartida},
        {"sin marca final", "\"" + primera.substr(0, 768) + "\"\r\n\"\"\r\n\"\"\r\n", sinPartida},
        {"líneas en LF", cambiar(guardado, "\r\n", "\n"), enJuego},
        {"líneas en CR", cambiar(guardado, "\r\n", "\r"), enJuego},
        {"líneas en blanco de más", cambiar(guardado, "\r\n", "\r\n\r\n"), enJuego},
        {"una cuarta línea", guardado + "\"" + primera + "\"\r\n", enJuego},
    };
    for (const auto& [que, bytes, leidas] : casos) {
        Escribir("ZARPE33.INI", bytes);
        Estado s;
        const ResultadoAjustes r = CargarAjustes(carpeta, s.juego, s.datos);
        EXPECT_EQ(r.ErrorFichero, 0) << que;
        EXPECT_TRUE(r.Mensajes.empty()) << que << ": " << (r.Mensajes.empty() ? "" : r.Mensajes[0].Texto);
        EXPECT_FALSE(Existe("ZARPE33.INI.bak")) << que;
        EXPECT_EQ(s.Cadenas(), leidas) << que;
    }
}

TEST_F(FicheroEstado, fichero_danado_se_rechaza_con_su_motivo_y_el_estado_sigue_igual)
{
    const std::string bueno = ComponerFicheroEstado(PartidaEnJuego().Cadenas());
    Estado roto = PartidaEnJuego();
    roto.juego.Manos[2][5] = roto.juego.Manos[1][5];
    CadenasEstado corta = PartidaEnJuego().Cadenas();
    corta.CadenaMarcador.pop_back();
    const std::pair<const char*, std::string> casos[] = {
        {"vacío", ""},
        {"cortado en la primera línea", bueno.substr(0, 400)},
        {"sin comillas", "abc\r\ndef\r\nghi\r\n"},
        {"comilla dentro de un nombre", "\"Pe\"pe" + bueno.substr(6)},
        {"basura binaria", std::string("\0\x01\x02\"\"\r\n", 7)},
        {"sin la tercera línea", bueno.substr(0, bueno.find("\r\n", 790) + 2)},
        {"una ficha en dos manos", ComponerFicheroEstado(roto.Cadenas())},
        {"hoja de tanteo a la que le falta una columna", ComponerFicheroEstado(corta)},
    };
    Estado s = PartidaLarga(); // and a file that is not there: nothing is said and nothing changes
    const ResultadoCargaEstado nada = CargarEstado(carpeta, "NADA.man", s.juego, s.datos);
    EXPECT_FALSE(nada.FicheroEncontrado || nada.Mensaje || s.juego.RedibujoPendiente);
    EXPECT_EQ(s.Cadenas(), PartidaLarga().Cadenas());
    for (const auto& [que, bytes] : casos) {
        Escribir("roto.man", bytes);
        s = PartidaLarga();
        const CadenasEstado antes = s.Cadenas();
        const ResultadoCargaEstado r = CargarEstado(carpeta, "roto.man", s.juego, s.datos);
        EXPECT_FALSE(r.FicheroEncontrado) << que;
        ASSERT_TRUE(r.Mensaje) << que;
        EXPECT_EQ(r.Mensaje->Titulo, "Error en la carga de datos") << que;
        EXPECT_NE(r.Mensaje->Texto.find("roto.man"), std::string::npos) << que;
        EXPECT_FALSE(s.juego.RedibujoPendiente) << que;
        EXPECT_EQ(s.Cadenas(), antes) << que;
    }
}

TEST_F(FicheroEstado, ajustes_danados_se_apartan_y_se_crean_de_nuevo)
{
    const std::string roto = "\"Jugador1 050" + std::string(100, '?') + "\"\r\n";
    Escribir("ZARPE33.INI", roto);
    Estado s;
    const ResultadoAjustes r = CargarAjustes(carpeta, s.juego, s.datos);
    EXPECT_EQ(r.ErrorFichero, kErrorFicheroDanado);
    ASSERT_EQ(r.Mensajes.size(), 1u);
    EXPECT_EQ(r.Mensajes[0].Titulo, "Error en la carga de datos iniciales");
    EXPECT_NE(r.Mensajes[0].Texto.find("ZARPE33.INI.bak"), std::string::npos);
    EXPECT_EQ(Leer("ZARPE33.INI.bak"), roto);
    EXPECT_EQ(Leer("ZARPE33.INI"), kFicheroPrimeraEjecucion);
}

// A settings file that is there but cannot be read (not this user's to read, or far too big for one) may
// still hold the person's settings: it is kept as ZARPE33.INI.bak and the box says so; one that cannot even
// be moved is left as it was and play goes on with the defaults, nothing written over it.
TEST_F(FicheroEstado, ajustes_que_no_se_pueden_leer_se_apartan_o_se_dejan_como_estaban)
{
    if (const std::string motivo = AlAlcanceDeNadie(); !motivo.empty()) GTEST_SKIP() << motivo;
    const std::string propios = ComponerFicheroEstado(PartidaEnJuego().Cadenas());
    const std::string apartados =
        " Se ha creado de nuevo con los valores establecidos por defecto. El fichero "
        "anterior se ha guardado como ZARPE33.INI.bak.";
    const struct
    {
        const char* que;
        std::string bytes;
        fs::perms fichero, carpeta;
        std::string texto; // after "El fichero de inicialización ZARPE33.INI no se puede leer "
        bool apartado;
    } casos[] = {
        {"sin permiso de lectura", propios, fs::perms::none, fs::perms::all, "(CID ERROR 75)." + apartados,
         true},
        {"demasiado grande", propios + std::string(1 << 20, ' '), fs::perms(0644), fs::perms::all,
         "(CID ERROR 27)." + apartados, true},
        {"ni se puede leer ni apartar", propios, fs::perms::none, fs::perms(0555),
         "(CID ERROR 75). Se usan los valores establecidos por defecto y el fichero queda como estaba.",
         false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.que);
        fs::permissions(carpeta, fs::perms::all);
        fs::remove(carpeta + "ZARPE33.INI.bak");
        Escribir("ZARPE33.INI", c.bytes);
        fs::permissions(carpeta + "ZARPE33.INI", c.fichero);
        fs::permissions(carpeta, c.carpeta);
        Estado s;
        s.datos.PuntosPartida = 500; // whatever start-up held, the defaults win
        ResultadoAjustes r;
        {
            zp::prueba::UsuarioSinPrivilegios corriente;
            r = CargarAjustes(carpeta, s.juego, s.datos);
        }
        fs::permissions(carpeta, fs::perms::all);
        ASSERT_EQ(r.Mensajes.size(), 1u);
        EXPECT_EQ(r.Mensajes[0].Titulo, "Error en la carga de datos iniciales");
        EXPECT_EQ(r.Mensajes[0].Texto,
                  "El fichero de inicialización ZARPE33.INI no se puede leer " + c.texto);
        EXPECT_GE(r.Mensajes[0].Lineas, 3);
        EXPECT_EQ(s.datos.PuntosPartida, 30);
        const std::string guardado = c.apartado ? "ZARPE33.INI.bak" : "ZARPE33.INI";
        fs::permissions(carpeta + guardado, fs::perms(0644));
        EXPECT_EQ(Leer(guardado), c.bytes);
        EXPECT_EQ(Existe("ZARPE33.INI.bak"), c.apartado);
        if (c.apartado) {
            EXPECT_EQ(Leer("ZARPE33.INI"), kFicheroPrimeraEjecucion);
        }
        EXPECT_TRUE(Temporales().empty());
    }
}

// The rename of a save would replace a file whatever its permissions. One the person made read-only (the
// administrator included), or that is not this user's to write, is refused as a write into it would be: it
// keeps its contents and its mode, and the caller learns why.
TEST_F(FicheroEstado, un_fichero_que_no_se_puede_escribir_no_se_reemplaza)
{
    if (const std::string motivo = AlAlcanceDeNadie(); !motivo.empty()) GTEST_SKIP() << motivo;
    const std::string viejos = ComponerFicheroEstado(PartidaEnJuego().Cadenas());
    const Estado nuevo = PrimeraEjecucion();
    fs::permissions(carpeta, fs::perms::all);
    for (const auto& [que, modo] :
         {std::pair{"de solo lectura", fs::perms(0444)}, {"de otro", fs::perms(0644)}}) {
        SCOPED_TRACE(que);
        if (modo == fs::perms(0644) && ::geteuid() != 0) continue; // the test's user owns all it makes
        Escribir("ZARPE33.INI", viejos);
        fs::permissions(carpeta + "ZARPE33.INI", modo);
        std::optional<FalloFichero> fallo;
        {
            std::optional<zp::prueba::UsuarioSinPrivilegios> corriente;
            if (modo == fs::perms(0644)) corriente.emplace();
            fallo = GuardarAjustes(carpeta, nuevo.juego, nuevo.datos);
        }
        ASSERT_TRUE(fallo);
        EXPECT_EQ(fallo->Numero, 75);
        EXPECT_EQ(Leer("ZARPE33.INI"), viejos);
        EXPECT_EQ(fs::status(carpeta + "ZARPE33.INI").permissions(), modo);
        EXPECT_TRUE(Temporales().empty());
    }
    // Made writable again, it is saved as ever.
    fs::permissions(carpeta + "ZARPE33.INI", fs::perms(0644));
    EXPECT_FALSE(GuardarAjustes(carpeta, nuevo.juego, nuevo.datos));
    EXPECT_EQ(Leer("ZARPE33.INI"), kFicheroPrimeraEjecucion);
}

TEST_F(FicheroEstado, partida_que_no_se_puede_seguir_se_descarta_y_quedan_los_ajustes)
{
    Estado roto = PartidaEnJuego();
    roto.juego.Manos[2][5].PuntoA = kNinguna; // a held tile with no pip
    const std::string bytes = ComponerFicheroEstado(roto.Cadenas());
    Escribir("ZARPE33.INI", bytes);
    Estado s;
    const ResultadoAjustes r = CargarAjustes(carpeta, s.juego, s.datos);
    EXPECT_EQ(r.ErrorFichero, 0);
    ASSERT_EQ(r.Mensajes.size(), 1u);
    EXPECT_EQ(r.Mensajes[0].Titulo, "Error en la carga de datos iniciales");
    EXPECT_NE(r.Mensajes[0].Texto.find("no se puede continuar"), std::string::npos) << r.Mensajes[0].Texto;
    EXPECT_GE(r.Mensajes[0].Lineas, 4);
    EXPECT_FALSE(s.juego.PartidaEnCurso);
    EXPECT_EQ(s.datos.Jugador[1].NombreJugador, "Ana");
    EXPECT_EQ(Leer("ZARPE33.INI.bak"), bytes);

    // Written again at once without the game: the next start says nothing.
    Estado otra;
    const ResultadoAjustes despues = CargarAjustes(carpeta, otra.juego, otra.datos);
    EXPECT_TRUE(despues.Mensajes.empty());
    EXPECT_EQ(otra.Cadenas(), s.Cadenas());
}

// No work folder, a folder where nothing can be created (not even by the administrator), a settings file that
// is a folder: every failure is shown and play goes on with the defaults in memory.
TEST_F(FicheroEstado, un_fallo_al_leer_o_escribir_los_ajustes_se_muestra_y_se_sigue_en_memoria)
{
    fs::create_directory(carpeta + "ZARPE33.INI");
    const std::string e76 = "CID ERROR 76: No existe el fichero de inicialización ZARPE33.INI",
                      e75 = "CID ERROR 75";
    const std::tuple<std::string, std::string, std::string, int> casos[] = {
        {carpeta + "no/existe/", e76, e76, 76},
        {"/sys/", TextoErrorAjustes(53), e75, 75},
        {carpeta, e75, e75, 75}};
    for (const auto& [donde, primero, segundo, error] : casos) {
        Estado s;
        s.datos.Jugador[4].DireccionIP = "10.0.0.4"; // this run's, not a setting of the file
        const ResultadoAjustes r = CargarAjustes(donde, s.juego, s.datos);
        ASSERT_EQ(r.Mensajes.size(), 2u) << donde;
        EXPECT_EQ(r.Mensajes[0].Texto, primero);
        EXPECT_EQ(r.Mensajes[1].Texto, segundo);
        EXPECT_EQ(r.Mensajes[1].Titulo, "Error en la carga de datos iniciales");
        EXPECT_EQ(r.ErrorFichero, error);
        EXPECT_EQ(s.datos.PuntosPartida, 30);
        EXPECT_EQ(s.datos.Jugador[4].DireccionIP, "10.0.0.4");
    }
}

TEST_F(FicheroEstado, grabacion_interrumpida_deja_el_fichero_anterior_legible)
{
    const Estado viejo = PartidaEnJuego();
    ASSERT_FALSE(GrabarEstado(carpeta, "ZARPE33.DRE", viejo.juego, viejo.datos));
    const std::string bytesViejos = Leer("ZARPE33.DRE");

    // A disk that fills up halfway through the save: it fails and leaves nothing behind.
    Estado nuevo = PartidaLarga();
    const auto senalAntes = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit lleno{300, limite.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &lleno);
    const auto fallo = GrabarEstado(carpeta, "ZARPE33.DRE", nuevo.juego, nuevo.datos);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    ::signal(SIGXFSZ, senalAntes);
    EXPECT_TRUE(fallo);
    EXPECT_EQ(Leer("ZARPE33.DRE"), bytesViejos);
    EXPECT_TRUE(Temporales().empty());

    // A crash before the rename: the new state only reached a temporary file of its own.
    ASSERT_FALSE(
        EscribirFicheroSeguro(carpeta + "ZARPE33.DRE", ComponerFicheroEstado(nuevo.Cadenas()), true));
    EXPECT_EQ(Temporales().size(), 1u);
    EXPECT_EQ(Leer("ZARPE33.DRE"), bytesViejos);
    Estado s;
    ASSERT_TRUE(CargarEstado(carpeta, "ZARPE33.DRE", s.juego, s.datos).FicheroEncontrado);
    EXPECT_EQ(s.Cadenas(), viejo.Cadenas());

    // The next save goes through whatever was left behind.
    ASSERT_FALSE(GrabarEstado(carpeta, "ZARPE33.DRE", nuevo.juego, nuevo.datos));
    ASSERT_TRUE(CargarEstado(carpeta, "ZARPE33.DRE", s.juego, s.datos).FicheroEncontrado);
    EXPECT_EQ(s.Cadenas(), nuevo.Cadenas());
}

// The temporary file is always a new one: a file or a link already at any name beside the target is never
// opened, so a link planted there cannot send a save into another file.
TEST_F(FicheroEstado, el_temporal_es_nuevo_y_nunca_sigue_un_enlace)
{
    Escribir("victima", "intacta");
    for (const char* nombre : {"ZARPE33.INI.tmp", "ZARPE33.INI.XXXXXX.tmp"})
        fs::create_symlink(carpeta + "victima", carpeta + nombre);
    const Estado s = PartidaEnJuego();
    ASSERT_FALSE(GuardarAjustes(carpeta, s.juego, s.datos));
    ASSERT_FALSE(GuardarAjustes(carpeta, s.juego, s.datos));
    EXPECT_EQ(Leer("victima"), "intacta");
    EXPECT_EQ(Leer("ZARPE33.INI"), ComponerFicheroEstado(s.Cadenas()));
    EXPECT_EQ(Temporales().size(), 2u) << "solo los dos enlaces";
    EXPECT_EQ(fs::status(carpeta + "ZARPE33.INI").permissions() & fs::perms::others_read,
              fs::perms::others_read);
}

TEST_F(FicheroEstado, partida_dejada_entre_dos_manos_sigue_con_la_mano_siguiente_y_todas_sus_anotaciones)
{
    MotorSinVentana m(11);
    m.a.PuntosPartida = 200;
    m.usuario.AlContinuar = [&m] { // the person leaves at the button once hand 2 has been scored
        return !m.e.ManoEnCurso && m.e.NumeroMano == 2 ? Respuesta<Continuacion>::Abandono()
                                                       : Respuesta<Continuacion>::De(Continuacion::Continuar);
    };
    Contexto c = m.Ctx();
    ASSERT_EQ(ComenzarPartida(c).Fin, FinPartida::Abandonada);
    ASSERT_FALSE(m.e.ManoEnCurso);
    ASSERT_NE(m.e.Anotaciones[2], RegistroMano{}) << "la mano 2 se anotó";
    ASSERT_FALSE(GuardarAjustes(carpeta, m.e, m.a));

    Estado s;
    const ResultadoAjustes r = CargarAjustes(carpeta, s.juego, s.datos);
    EXPECT_TRUE(r.Mensajes.empty());
    EXPECT_EQ(s.juego.NumeroMano, 2);
    for (std::size_t i = 1; i <= 2; ++i) EXPECT_EQ(s.juego.Anotaciones[i], m.e.Anotaciones[i]) << i;

    // Taken up as the program's start does: the next hand is dealt and its first turn comes.
    MotorSinVentana otra(12);
    Reanudar(otra, s.juego, s.datos);
    EXPECT_EQ(otra.e.NumeroMano, 3);
    EXPECT_TRUE(otra.e.ManoEnCurso);
    EXPECT_EQ(otra.e.NumeroJugada, 1);
    for (std::size_t i = 1; i <= 2; ++i) EXPECT_EQ(otra.e.Anotaciones[i], m.e.Anotaciones[i]) << i;
}

// A game saved while the end of its hand was being told ("Final de este juego" on the screen), whose hand has
// its winner but not yet its entry: the file holds that entry, and so does a game read from a file an
// earlier version wrote without it. The game goes on at the next hand with the hand scored.
TEST_F(FicheroEstado, una_mano_guardada_mientras_se_anuncia_su_final_queda_anotada)
{
    // The entry the engine writes once the box is answered: the same match, left at the button after it.
    MotorSinVentana anotada(11);
    anotada.usuario.AlContinuar = [&anotada] {
        return !anotada.e.ManoEnCurso ? Respuesta<Continuacion>::Abandono()
                                      : Respuesta<Continuacion>::De(Continuacion::Continuar);
    };
    Contexto ca = anotada.Ctx();
    ASSERT_EQ(ComenzarPartida(ca).Fin, FinPartida::Abandonada);
    const RegistroMano entrada = anotada.e.Anotaciones[1];
    ASSERT_NE(entrada, RegistroMano{});

    MotorSinVentana m(11);
    m.usuario.AbandonarEn = "Mensaje Final de este juego";
    Contexto c = m.Ctx();
    ASSERT_EQ(ComenzarPartida(c).Fin, FinPartida::Abandonada);
    ASSERT_EQ(m.e.NumeroMano, 1);
    ASSERT_FALSE(m.e.ManoEnCurso);
    ASSERT_EQ(m.e.GanadorMano, anotada.e.GanadorMano);
    ASSERT_EQ(m.e.Anotaciones[1], RegistroMano{}) << "left before its entry";

    const std::string sinEntrada = ComponerFicheroEstado(GenerarCadenasEstado(m.e, m.a));
    for (const bool antigua : {false, true}) {
        SCOPED_TRACE(antigua ? "escrito sin la entrada" : "guardado ahora");
        if (antigua)
            ASSERT_FALSE(EscribirFicheroSeguro(carpeta + "ZARPE33.INI", sinEntrada));
        else
            ASSERT_FALSE(GuardarAjustes(carpeta, m.e, m.a));
        EXPECT_EQ(Leer("ZARPE33.INI") == sinEntrada, antigua);
        Estado s;
        EXPECT_TRUE(CargarAjustes(carpeta, s.juego, s.datos).Mensajes.empty());
        EXPECT_EQ(s.juego.NumeroMano, 1);
        EXPECT_EQ(s.juego.Anotaciones[1], entrada);

        MotorSinVentana otra(12);
        Reanudar(otra, s.juego, s.datos);
        EXPECT_EQ(otra.e.NumeroMano, 2);
        const bool decenas = otra.a.SistemaAnotacion == Anotacion::Decenas;
        EXPECT_EQ(otra.e.TotalPareja1, decenas ? entrada.DecenasPareja1 : entrada.PuntosPareja1);
        EXPECT_EQ(otra.e.TotalPareja2, decenas ? entrada.DecenasPareja2 : entrada.PuntosPareja2);
    }
    // What is in memory is not touched: the box's answer writes the entry.
    EXPECT_EQ(m.e.Anotaciones[1], RegistroMano{});
}

// A hand of 0 points led by a player with no name (the player settings take an empty name) has a blank entry,
// and it is an entry all the same: saved while its end is told, the game goes out with it once and goes on
// at the next hand.
TEST_F(FicheroEstado, una_mano_de_cero_puntos_que_saco_un_jugador_sin_nombre_se_guarda_anotada)
{
    Banco b;
    b.e.PartidaEnCurso = b.e.ManoEnCurso = true;
    b.e.NumeroMano = 1;
    b.e.NumeroJugada = 20;
    b.e.JugadorSalida = b.e.JugadorTurno = 4; // who dominoes, with only the 0-0 left on the table
    DarFichas(b.e, 1, "00");
    for (std::size_t p = 1; p <= 4; ++p) b.a.Jugador[p].ControlJugador = Control::Automatico;
    b.a.Jugador[4].NombreJugador = "";
    b.usuario.AbandonarEn = "Mensaje Final de este juego";
    ASSERT_EQ(TerminarMano(b.c), FinMano::Abandonada);
    ASSERT_TRUE(FaltaAnotacion(b.e, b.a)) << "won, and its end still told";

    ASSERT_FALSE(GuardarAjustes(carpeta, b.e, b.a));
    EstadoJuego anotada = b.e;
    ASSERT_TRUE(AnotarManoTerminada(anotada, b.a));
    EXPECT_FALSE(FaltaAnotacion(anotada, b.a)) << "its blank entry is its entry";
    EXPECT_EQ(Leer("ZARPE33.INI"), ComponerFicheroEstado(GenerarCadenasEstado(anotada, b.a)));

    Estado s;
    EXPECT_TRUE(CargarAjustes(carpeta, s.juego, s.datos).Mensajes.empty());
    EXPECT_EQ(s.datos.Jugador[4].NombreJugador, "");
    EXPECT_EQ(s.juego.NumeroMano, 1);
    EXPECT_EQ(s.juego.Anotaciones[1], anotada.Anotaciones[1]);
    MotorSinVentana otra(12);
    Reanudar(otra, s.juego, s.datos);
    EXPECT_EQ(otra.e.NumeroMano, 2);
    EXPECT_EQ((std::pair{otra.e.TotalPareja1, otra.e.TotalPareja2}), (std::pair<Entero, Entero>{0, 0}));
}

// A blocked hand tied and dealt again has no winner and an empty entry: saved and read so, it is played
// again.
TEST_F(FicheroEstado, un_empate_que_se_repite_se_guarda_y_se_lee_sin_anotacion)
{
    Estado s = PartidaEnJuego();
    s.juego.ManoEnCurso = false;
    s.juego.GanadorMano = 0;
    ASSERT_FALSE(GuardarAjustes(carpeta, s.juego, s.datos));
    EXPECT_EQ(Leer("ZARPE33.INI"), ComponerFicheroEstado(s.Cadenas()));
    Estado leido;
    EXPECT_TRUE(CargarAjustes(carpeta, leido.juego, leido.datos).Mensajes.empty());
    EXPECT_EQ(leido.juego.NumeroMano, 3);
    EXPECT_EQ(leido.juego.GanadorMano, 0);
    EXPECT_EQ(leido.juego.Anotaciones[3], RegistroMano{});
}

TEST_F(FicheroEstado, el_almacen_del_motor_graba_y_borra_en_la_carpeta)
{
    Estado s = PartidaEnJuego();
    AlmacenFicheros almacen(s.juego, s.datos, carpeta);
    EXPECT_TRUE(almacen.GrabarEstado("ZARPE33.DRE"));
    EXPECT_EQ(Leer("ZARPE33.DRE"), ComponerFicheroEstado(s.Cadenas()));
    almacen.BorrarFichero("ZARPE33.DRE");
    EXPECT_FALSE(Existe("ZARPE33.DRE"));
    EXPECT_FALSE(AlmacenFicheros(s.juego, s.datos, carpeta + "falta/").GrabarEstado("ZARPE33.DRE"));
}

} // namespace
