#include "tools/comun/opciones.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/reglas.h"
#include "engine/turno.h"
#include "tests/soporte/motor_sin_ventana.h"

namespace zp {

void Programa::Uso(const char* motivo) const
{
    std::fprintf(stderr, "%s: %s\n", nombre_, motivo);
    std::fprintf(stderr, "%s", uso_);
    std::exit(2);
}

void Programa::Leer(int argc, char** argv, const std::vector<Opcion>& opciones) const
{
    // Asked for, the usage lines are the answer rather than an error.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("%s", uso_);
            std::exit(0);
        }
    }
    for (int i = 1; i < argc; ++i) {
        const Opcion* opcion = nullptr;
        for (const Opcion& o : opciones)
            if (std::strcmp(o.Nombre, argv[i]) == 0) opcion = &o;
        if (opcion != nullptr && opcion->Interruptor) {
            opcion->Leer(nullptr);
            continue;
        }
        if (i + 1 >= argc) Uso("falta el valor de una opción");
        const char* valor = argv[++i];
        if (opcion == nullptr) Uso("opción desconocida");
        opcion->Leer(valor);
    }
}

long long Programa::Numero(const char* texto, long long minimo, long long maximo) const
{
    char* fin = nullptr;
    const long long n = std::strtoll(texto, &fin, 10);
    if (fin == texto || *fin != '\0' || n < minimo || n > maximo) Uso(numeroNoValido_);
    return n;
}

std::vector<int> Programa::Cuatro(const char* texto, const std::function<int(const char*)>& leer) const
{
    std::vector<int> v;
    const std::string s = texto;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t coma = s.find(',', inicio);
        v.push_back(
            leer(s.substr(inicio, coma == std::string::npos ? std::string::npos : coma - inicio).c_str()));
        if (coma == std::string::npos) break;
        inicio = coma + 1;
    }
    if (v.size() != 4) Uso("hacen falta cuatro valores, uno por asiento");
    return v;
}

Opcion Programa::Texto(const char* nombre, std::string& destino) const
{
    return {nombre, [&destino](const char* v) { destino = v; }};
}

Opcion Programa::Interruptor(const char* nombre, bool& destino) const
{
    return {nombre, [&destino](const char*) { destino = true; }, true};
}

Opcion Programa::Pantalla(int& ancho, int& alto) const
{
    return {"--pantalla", [this, &ancho, &alto](const char* v) {
                if (std::sscanf(v, "%dx%d", &ancho, &alto) != 2) Uso("pantalla no válida");
            }};
}

std::vector<Opcion> OpcionesDeReglas(const Programa& p, OpcionesReglas& r, long long maximoSemilla,
                                     long long maximo)
{
    return {p.Entera("--semilla", r.Semilla, 0, maximoSemilla),
            p.Texto("--asientos", r.Asientos),
            p.Entera("--fichas", r.Fichas, 0, maximo),
            p.Entera("--modo", r.Modo, 0, maximo),
            p.Entera("--sentido", r.Sentido, 0, maximo),
            p.Entera("--primera-mano", r.PrimeraMano, 0, maximo),
            p.Pantalla(r.Ancho, r.Alto)};
}

void AplicarReglas(const OpcionesReglas& r, Ajustes& a, EstadoJuego& e)
{
    const int enJuego = MarcarAsientos(r.Asientos, a);
    a.FichasPorJugador = static_cast<Entero>(r.Fichas);
    a.ModoJuego = static_cast<Modalidad>(r.Modo != 0 ? r.Modo : (enJuego == 4 ? 1 : 2));
    a.SentidoJuego = static_cast<Sentido>(r.Sentido);
    a.PrimeraMano = static_cast<Apertura>(r.PrimeraMano);
    if (r.TurnoSalida >= 0) a.TurnoSalida = static_cast<ReglaSalida>(r.TurnoSalida);
    if (r.CincoDobles >= 0) a.JugadorCincoDobles = static_cast<CincoDobles>(r.CincoDobles);
    if (r.Remanentes >= 0) a.RemanentesMonton = static_cast<Entero>(r.Remanentes);
    a.SistemaReparto = FormaReparto::Aleatorio;
    a.JuegoEnRed = false;
    e.PasoTurno = PasoDeSentido(a.SentidoJuego);
}

void ImprimirMensajes(const UsuarioAutomatico& usuario)
{
    for (const auto& m : usuario.Mensajes) std::printf("[%s] %s\n", m.titulo.c_str(), m.texto.c_str());
}

} // namespace zp
