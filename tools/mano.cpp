// Plays one hand with random legal moves for a seed, prints its move list, then takes every move back to the
// first one and replays them all, checking that the game data come back exactly. Exit status 1 when they
// do not (or a move was refused), 2 for bad options.
//
//   mano [--semilla N] [--asientos 1234] [--fichas F] [--remanentes R] [--modo 1|2] [--sentido 1|2]
//        [--primera-mano 1|2] [--pantalla 800x600]
#include <cstdio>
#include <string>

#include "engine/contexto.h"
#include "engine/grabadora.h"
#include "engine/reglas.h"
#include "engine/reparto.h"
#include "engine/turno.h"
#include "tests/soporte/mano_al_azar.h"
#include "tests/soporte/mesa_que_anota.h"
#include "tests/soporte/motor_sin_ventana.h"
#include "tools/comun/opciones.h"

namespace {

using namespace zp;

const Programa programa{
    "mano", "uso: mano [--semilla N] [--asientos 1234] [--fichas F] [--remanentes R] [--modo 1|2]\n"
            "            [--sentido 1|2] [--primera-mano 1|2] [--pantalla 800x600]\n"};

OpcionesReglas LeerOpciones(int argc, char** argv)
{
    OpcionesReglas r;
    std::vector<Opcion> opciones = OpcionesDeReglas(programa, r, 4294967295LL, 1000);
    opciones.push_back(programa.Entera("--remanentes", r.Remanentes, 0, 1000));
    programa.Leer(argc, argv, opciones);
    return r;
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
    const OpcionesReglas o = LeerOpciones(argc, argv);
    MotorSinVentana motor(o.Semilla, MedirPantalla(o.Ancho, o.Alto));
    Ajustes& a = motor.a;
    EstadoJuego& e = motor.e;
    AplicarReglas(o, a, e);
    if (ValidarReglas(a) != FalloReglas::Ninguno) {
        std::fprintf(stderr, "mano: estas reglas no permiten repartir\n");
        return 2;
    }

    MesaQueAnota ventana; // it keeps the move list's lines
    Contexto c{e,           a,         motor.pantalla, ventana,   motor.usuario,
               motor.ritmo, motor.red, motor.almacen,  motor.azar};
    e.NumeroMano = 0;
    if (IniciarMano(c) != ResultadoReparto::Listo) {
        std::fprintf(stderr, "mano: el reparto no terminó\n");
        return 1;
    }
    // The state the first move starts from: the turn already on the leader.
    EstadoJuego antes = e;
    AvanzarTurno(antes, a);
    const FotoMano inicio = TomarFoto(antes);

    std::printf("Semilla %u, %d jugadores, %d fichas, %d en el montón (reserva %d)\n", o.Semilla,
                a.NumeroJugadores, o.Fichas, e.FichasMonton, a.RemanentesMonton);
    const ResultadoManoAlAzar resultado = JugarManoAlAzar(c);
    for (const std::string& linea : ventana.Lineas) std::printf("%s\n", linea.c_str());
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
