// Plays one hand with random legal moves for a seed, prints its move list, then takes every move back to the
// first one and replays them all, checking that the game data come back exactly. Exit status 1 when they
// do not (or a move was refused), 2 for bad options.
//
//   mano [--semilla N] [--asientos 1234] [--fichas F] [--remanentes R] [--modo 1|2] [--sentido 1|2]
//        [--primera-mano 1|2] [--pantalla 800x600]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/contexto.h"
#include "engine/grabadora.h"
#include "engine/mano_al_azar.h"
#include "engine/reglas.h"
#include "engine/reparto.h"
#include "engine/turno.h"

namespace {

using namespace zp;

struct Opciones
{
    std::uint32_t semilla = 1;
    std::string asientos = "1234";
    int fichas = 7, remanentes = -1, modo = 0, sentido = 1, primera = 1;
    int ancho = 800, alto = 600;
};

[[noreturn]] void Uso(const char* motivo)
{
    std::fprintf(stderr, "mano: %s\n", motivo);
    std::fprintf(stderr,
                 "uso: mano [--semilla N] [--asientos 1234] [--fichas F] [--remanentes R] [--modo 1|2]\n"
                 "            [--sentido 1|2] [--primera-mano 1|2] [--pantalla 800x600]\n");
    std::exit(2);
}

long long Leer(const char* texto, long long maximo)
{
    char* fin = nullptr;
    const long long n = std::strtoll(texto, &fin, 10);
    if (fin == texto || *fin != '\0' || n < 0 || n > maximo) Uso("número no válido");
    return n;
}

int Numero(const char* texto)
{
    return static_cast<int>(Leer(texto, 1000));
}

Opciones LeerOpciones(int argc, char** argv)
{
    Opciones o;
    for (int i = 1; i < argc; ++i) {
        const std::string nombre = argv[i];
        if (i + 1 >= argc) Uso("falta el valor de una opción");
        const char* valor = argv[++i];
        if (nombre == "--semilla")
            o.semilla = static_cast<std::uint32_t>(Leer(valor, 4294967295LL));
        else if (nombre == "--asientos")
            o.asientos = valor;
        else if (nombre == "--fichas")
            o.fichas = Numero(valor);
        else if (nombre == "--remanentes")
            o.remanentes = Numero(valor);
        else if (nombre == "--modo")
            o.modo = Numero(valor);
        else if (nombre == "--sentido")
            o.sentido = Numero(valor);
        else if (nombre == "--primera-mano")
            o.primera = Numero(valor);
        else if (nombre == "--pantalla") {
            if (std::sscanf(valor, "%dx%d", &o.ancho, &o.alto) != 2) Uso("pantalla no válida");
        } else {
            Uso("opción desconocida");
        }
    }
    return o;
}

const char* TextoFallo(FalloJugada f)
{
    switch (f) {
    case FalloJugada::Ninguno:
        return "ninguno";
    case FalloJugada::FichaAusente:
        return "la ficha no está en la mano";
    case FalloJugada::FichaYaPuesta:
        return "la ficha ya está puesta";
    case FalloJugada::NoEncaja:
        return "la ficha no encaja en el extremo";
    case FalloJugada::ExtremoNoValido:
        return "extremo no válido";
    case FalloJugada::JugadorNoValido:
        return "jugador no válido";
    case FalloJugada::ListaLlena:
        return "número de jugada fuera de límites";
    case FalloJugada::MontonAgotado:
        return "no se puede robar";
    case FalloJugada::ManoLlena:
        return "la mano no tiene hueco libre";
    }
    return "?";
}

bool Comparar(const char* momento, const FotoMano& esperada, const FotoMano& obtenida)
{
    const std::string diferencia = DiferenciaFotos(esperada, obtenida);
    if (diferencia.empty()) {
        std::printf("%s: estado idéntico\n", momento);
        return true;
    }
    std::printf("%s: el estado difiere en %s\n", momento, diferencia.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const Opciones o = LeerOpciones(argc, argv);
    MotorSinVentana motor(o.semilla, MedirPantalla(o.ancho, o.alto));
    Ajustes& a = motor.a;
    EstadoJuego& e = motor.e;
    int enJuego = 0;
    for (std::size_t p = 1; p <= 4; ++p) {
        const bool esta = o.asientos.find(static_cast<char>('0' + p)) != std::string::npos;
        a.Jugador[p].EstadoJugador = esta ? 1 : 2;
        enJuego += esta ? 1 : 0;
    }
    a.NumeroJugadores = static_cast<Entero>(enJuego);
    a.FichasPorJugador = static_cast<Entero>(o.fichas);
    a.ModoJuego = static_cast<Entero>(o.modo != 0 ? o.modo : (enJuego == 4 ? 1 : 2));
    a.SentidoJuego = static_cast<Entero>(o.sentido);
    a.PrimeraMano = static_cast<Entero>(o.primera);
    if (o.remanentes >= 0) a.RemanentesMonton = static_cast<Entero>(o.remanentes);
    a.SistemaReparto = 2;
    a.JuegoEnRed = false;
    e.PasoTurno = o.sentido == 2 ? -1 : 1;
    if (ValidarReglas(a) != FalloReglas::Ninguno) {
        std::fprintf(stderr, "mano: estas reglas no permiten repartir\n");
        return 2;
    }

    Contexto c = motor.Ctx();
    e.NumeroMano = 0;
    if (IniciarMano(c) != ResultadoReparto::Listo) {
        std::fprintf(stderr, "mano: el reparto no terminó\n");
        return 1;
    }
    // The state the first move starts from: the turn already on the leader.
    EstadoJuego antes = e;
    AvanzarTurno(antes, a);
    const FotoMano inicio = TomarFoto(antes);

    std::printf("Semilla %u, %d jugadores, %d fichas, %d en el montón (reserva %d)\n", o.semilla, enJuego,
                o.fichas, e.FichasMonton, a.RemanentesMonton);
    const ResultadoManoAlAzar resultado = JugarManoAlAzar(c);
    for (const std::string& linea : e.LineasListaJugadas) std::printf("%s\n", linea.c_str());
    if (resultado.Fallo != FalloJugada::Ninguno) {
        std::printf("Jugada %d rechazada: %s\n", e.NumeroJugada, TextoFallo(resultado.Fallo));
        return 1;
    }
    std::printf("%s tras %d jugadas; extremos %d y %d\n", resultado.Domino ? "Dominó" : "Mano cerrada",
                e.NumeroJugada, e.Linea.Extremos[1], e.Linea.Extremos[2]);

    // As at the end of a hand taken back for review: the turn moves on and the recorder goes on there.
    AvanzarTurno(e, a);
    e.PosicionGrabadora = e.NumeroJugada;
    e.GrabadoraActiva = true;
    const FotoMano fin = TomarFoto(e);
    const std::vector<RegistroJugada> jugadas = e.Jugadas;

    bool bien = true;
    while (e.NumeroJugada >= 2) {
        const FalloJugada f = RetrocederGrabadora(c);
        if (f != FalloJugada::Ninguno) {
            std::printf("Retroceso rechazado en la jugada %d: %s\n", e.NumeroJugada, TextoFallo(f));
            return 1;
        }
    }
    bien = Comparar("Atrás hasta la jugada 1", inicio, TomarFoto(e)) && bien;
    const FalloJugada f = IrAlFinalGrabadora(c);
    if (f != FalloJugada::Ninguno) {
        std::printf("Avance rechazado en la jugada %d: %s\n", e.NumeroJugada, TextoFallo(f));
        return 1;
    }
    bien = Comparar("Adelante hasta el final", fin, TomarFoto(e)) && bien;
    if (e.Jugadas != jugadas) {
        std::printf("Los registros de jugada cambiaron al recorrerlos\n");
        bien = false;
    }
    return bien ? 0 : 1;
}
