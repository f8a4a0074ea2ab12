#include "settings/core/columnas_estado.h"

#include "engine/ficha.h"
#include "engine/indices.h"
#include "platform/text/cp1252.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstdlib>

namespace zp {
namespace {

std::string Indice(const char* nombre, int i)
{
    return std::string(nombre) + "(" + std::to_string(i) + ")";
}

std::string Indice(const char* nombre, int i, int j)
{
    return std::string(nombre) + "(" + std::to_string(i) + ", " + std::to_string(j) + ")";
}

// Shorthands for the tables below, so each row reads like the column map it comes from.
template <class R>
Campo<R> Num(std::size_t columna, std::size_t ancho, int digitos, std::string nombre,
             std::function<RefCampo(R&)> valor, Validez valida = Validez::Libre, int minimo = 0,
             int maximo = 0)
{
    return {columna, ancho,  Formato::Numero,   digitos,         valida,
            minimo,  maximo, std::move(nombre), std::move(valor)};
}

template <class R> Campo<R> Ban(std::size_t columna, std::string nombre, std::function<RefCampo(R&)> valor)
{
    return {columna, 2, Formato::Bandera, 1, Validez::Libre, 0, 0, std::move(nombre), std::move(valor)};
}

template <class R>
Campo<R> Tex(std::size_t columna, std::size_t ancho, std::string nombre, std::function<RefCampo(R&)> valor)
{
    return {columna, ancho, Formato::Texto, 0, Validez::Libre, 0, 0, std::move(nombre), std::move(valor)};
}

template <class R> Campo<R> Fijo(std::size_t columna, std::string_view texto)
{
    return {columna, texto.size(), Formato::Constante, 0, Validez::Libre, 0, 0, {}, nullptr, texto};
}

using Vista = VistaEstado;
using S = CampoSituacion;

// A setting of the table, by its code.
S Ajuste(std::size_t columna, std::size_t ancho, int digitos, std::string nombre, const DefinicionAjuste& d,
         int asiento = 0, Formato forma = Formato::Numero)
{
    S campo = Num<Vista>(columna, ancho, digitos, std::move(nombre), [&d, asiento](Vista& v) {
        return RefCampo{RefAjuste{&v.Datos, &d, asiento}};
    });
    campo.Forma = forma;
    return campo;
}

int LeerNumero(const RefCampo& r)
{
    if (const auto* a = std::get_if<RefAjuste>(&r)) return a->Definicion->Leer(*a->Datos, a->Asiento);
    return *std::get<Entero*>(r);
}

void PonerNumero(const RefCampo& r, int valor)
{
    if (const auto* a = std::get_if<RefAjuste>(&r))
        a->Definicion->Poner(*a->Datos, a->Asiento, valor);
    else
        *std::get<Entero*>(r) = static_cast<Entero>(valor);
}

std::vector<S> ConstruirSituacion()
{
    std::vector<S> t;
    auto aj = [](Vista& v) -> Ajustes& { return v.Datos; };
    auto ju = [](Vista& v) -> EstadoJuego& { return v.Juego; };

    // Player blocks: 31 columns per seat.
    for (int p = 1; p <= kAsientos; ++p) {
        const std::size_t b = 31 * I(p - 1) + 1;
        auto jug = [p, aj](Vista& v) -> AjustesJugador& { return aj(v).Jugador[I(p)]; };
        t.push_back(
            Tex<Vista>(b, 9, Indice("NombreJugador", p), [jug](Vista& v) { return &jug(v).NombreJugador; }));
        // Numbers of a player block are taken by their leading number, as every version has read them.
        struct Numero
        {
            std::size_t desplazamiento, ancho;
            int digitos;
            const DefinicionAjuste& ajuste;
        };
        static const Numero kNumeros[] = {
            {9, 3, 3, ajuste::NivelJugador},     {12, 1, 1, ajuste::EstadoJugador},
            {13, 1, 1, ajuste::FichasJugador},   {14, 1, 1, ajuste::ControlJugador},
            {15, 1, 1, ajuste::CaracterJugador},
        };
        for (const Numero& n : kNumeros)
            t.push_back(Ajuste(b + n.desplazamiento, n.ancho, n.digitos,
                               Indice(std::string(n.ajuste.Nombre).c_str(), p), n.ajuste, p, Formato::Valor));
        t.push_back(Tex<Vista>(b + 16, 15, Indice("DireccionIP", p),
                               [jug](Vista& v) { return &jug(v).DireccionIP; }));
    }

    // Settings, rules and progress.
    t.push_back(Ban<Vista>(125, "PausaEntreJugadas", [aj](Vista& v) { return &aj(v).PausaEntreJugadas; }));
    t.push_back(Ban<Vista>(127, "Sonido", [aj](Vista& v) { return &aj(v).Sonido; }));
    // Columns 129..141, one digit each.
    static const DefinicionAjuste* const kReglas[] = {
        &ajuste::SentidoJuego,       &ajuste::SistemaReparto,
        &ajuste::JugadorCincoDobles, &ajuste::FichasVisiblesPuestas,
        &ajuste::PrimeraMano,        &ajuste::SistemaAnotacion,
        &ajuste::PuntosQueSeAnotan,  &ajuste::ParejaQueSeAnota,
        &ajuste::GanadorSiEmpate,    &ajuste::SalidaSiEmpate,
        &ajuste::TurnoSalida,        &ajuste::ListaJugadas,
        &ajuste::ModoJuego,
    };
    std::size_t columna = 129;
    for (const DefinicionAjuste* d : kReglas)
        t.push_back(Ajuste(columna++, 1, 1, std::string(d->Nombre), *d));
    // A turn one seat before the leader, not yet wrapped, is 0 or 5 between hands.
    t.push_back(Num<Vista>(
        142, 1, 1, "JugadorTurno", [ju](Vista& v) { return &ju(v).JugadorTurno; }, Validez::Rango, 0, 5));
    t.push_back(Num<Vista>(
        143, 1, 1, "JugadorSalida", [ju](Vista& v) { return &ju(v).JugadorSalida; }, Validez::Rango, 0, 4));
    t.push_back(Num<Vista>(
        144, 1, 1, "GanadorMano", [ju](Vista& v) { return &ju(v).GanadorMano; }, Validez::Rango, 0, 4));
    t.push_back(Ban<Vista>(145, "EsperaContinuar", [ju](Vista& v) { return &ju(v).EsperaContinuar; }));
    t.push_back(Ajuste(147, 1, 1, "NumeroJugadores", ajuste::NumeroJugadores));
    t.push_back(Ajuste(150, 1, 1, "ModoRed", ajuste::ModoRed));
    t.push_back(Ban<Vista>(160, "PartidaEnCurso", [ju](Vista& v) { return &ju(v).PartidaEnCurso; }));
    t.push_back(Ban<Vista>(162, "ManoEnCurso", [ju](Vista& v) { return &ju(v).ManoEnCurso; }));
    t.push_back(Num<Vista>(
        164, 3, 3, "NumeroJugada", [ju](Vista& v) { return &ju(v).NumeroJugada; }, Validez::Rango, 0, 999));
    t.push_back(Ajuste(167, 3, 3, "Velocidad", ajuste::Velocidad));
    t.push_back(Fijo<Vista>(170, "0"));
    t.push_back(Num<Vista>(173, 2, 1, "PasoTurno", [ju](Vista& v) { return &ju(v).PasoTurno; }));
    t.push_back(Ajuste(175, 3, 3, "PuntosPartida", ajuste::PuntosPartida));
    t.push_back(Ajuste(178, 2, 2, "FichasPorJugador", ajuste::FichasPorJugador));
    t.push_back(Num<Vista>(
        182, 2, 2, "FichasMonton", [ju](Vista& v) { return &ju(v).FichasMonton; }, Validez::Rango, 0,
        kHuecosMonton));
    t.push_back(Num<Vista>(
        184, 3, 3, "NumeroMano", [ju](Vista& v) { return &ju(v).NumeroMano; }, Validez::Rango, 0, 999));
    t.push_back(Ajuste(187, 2, 2, "RemanentesMonton", ajuste::RemanentesMonton));
    t.push_back(Num<Vista>(
        189, 1, 1, "SalidaA", [ju](Vista& v) { return &ju(v).SalidaA; }, Validez::Punto));
    t.push_back(Num<Vista>(
        190, 1, 1, "SalidaB", [ju](Vista& v) { return &ju(v).SalidaB; }, Validez::Punto));
    t.push_back({kColumnaIdPartida, 4, Formato::Identificador, 0, Validez::Libre, 0, 0, "IdPartida",
                 [ju](Vista& v) { return &ju(v).IdPartida; }});
    // 0: this computer has never played on the network.
    t.push_back(
        Num<Vista>(kColumnaPuestoLocal, 1, 1, "PuestoLocal", [ju](Vista& v) { return &ju(v).PuestoLocal; }));

    for (int n = 0; n <= 6; ++n)
        t.push_back(Num<Vista>(
            201 + I(n), 1, 1, Indice("PoseedorDoble", n),
            [ju, n](Vista& v) { return &ju(v).PoseedorDoble[I(n)]; }, Validez::Rango, 0, 4));

    // Line ends: 28 columns per end.
    for (int e = 1; e <= 2; ++e) {
        const std::size_t b = 208 + 28 * I(e - 1);
        auto li = [ju](Vista& v) -> ExtremosLinea& { return ju(v).Linea; };
        const auto E = I(e);
        t.push_back(Num<Vista>(
            b, 1, 1, Indice("Extremos", e), [li, E](Vista& v) { return &li(v).Extremos[E]; },
            Validez::Punto));
        t.push_back(Num<Vista>(
            b + 1, 1, 1, Indice("DireccionExtremo", e),
            [li, E](Vista& v) { return &li(v).DireccionExtremo[E]; }, Validez::Rango, 0, 4));
        t.push_back(Num<Vista>(
            b + 2, 2, 2, Indice("FichasEnExtremo", e),
            [li, E](Vista& v) { return &li(v).FichasEnExtremo[E]; }, Validez::Rango, 0, kFichasJuego));
        t.push_back(
            Num<Vista>(b + 4, 4, 4, Indice("XExtremo", e), [li, E](Vista& v) { return &li(v).XExtremo[E]; }));
        t.push_back(
            Num<Vista>(b + 8, 4, 4, Indice("YExtremo", e), [li, E](Vista& v) { return &li(v).YExtremo[E]; }));
        for (int d = 1; d <= 4; ++d)
            t.push_back(Num<Vista>(b + 12 + 4 * I(d - 1), 4, 4, Indice("LimiteGiro", e, d),
                                   [li, E, d](Vista& v) { return &li(v).LimiteGiro[E][I(d)]; }));
    }

    // Seat blocks: 105 columns per seat.
    for (int p = 1; p <= kAsientos; ++p) {
        const std::size_t b = 294 + 105 * I(p - 1);
        const auto P = I(p);
        t.push_back(Num<Vista>(
            b, 2, 2, Indice("FichasEnMano", p), [ju, P](Vista& v) { return &ju(v).FichasEnMano[P]; },
            Validez::Rango, 0, kHuecos));
        t.push_back(Num<Vista>(
            b + 2, 2, 2, Indice("HuecosMano", p), [ju, P](Vista& v) { return &ju(v).HuecosMano[P]; },
            Validez::Rango, 0, kHuecos));
        t.push_back(Num<Vista>(
            b + 4, 1, 1, Indice("DoblesJugador", p), [ju, P](Vista& v) { return &ju(v).DoblesJugador[P]; },
            Validez::Rango, 0, 7));
        t.push_back(
            Ban<Vista>(b + 5, Indice("ManoHolgada", p), [ju, P](Vista& v) { return &ju(v).ManoHolgada[P]; }));
        for (int n = 1; n <= 7; ++n) {
            const std::size_t c = b + 7 + 5 * I(n - 1);
            const auto N = I(n);
            t.push_back(Num<Vista>(
                c, 1, 1, Indice("CuentaNumeros", p, n - 1),
                [ju, P, N](Vista& v) { return &ju(v).CuentaNumeros[P][N - 1]; }, Validez::Rango, 0, 7));
            t.push_back(Num<Vista>(c + 1, 3, 2, Indice("PesoNumero", p, n - 1),
                                   [ju, P, N](Vista& v) { return &ju(v).PesoNumero[P][N - 1]; }));
            t.push_back(Num<Vista>(
                c + 4, 1, 1, Indice("NumerosOrdenados", p, n),
                [ju, P, N](Vista& v) { return &ju(v).NumerosOrdenados[P][N]; }, Validez::Rango, 0, 6));
        }
        for (int s = 1; s <= kHuecos; ++s) {
            const std::size_t c = b + 42 + 3 * I(s - 1);
            const auto H = I(s);
            t.push_back(Num<Vista>(
                c, 1, 1, Indice("Manos.PuntoA", p, s),
                [ju, P, H](Vista& v) { return &ju(v).Manos[P][H].PuntoA; }, Validez::Punto));
            t.push_back(Num<Vista>(
                c + 1, 1, 1, Indice("Manos.PuntoB", p, s),
                [ju, P, H](Vista& v) { return &ju(v).Manos[P][H].PuntoB; }, Validez::Punto));
            t.push_back(Num<Vista>(
                c + 2, 1, 1, Indice("Manos.Estado", p, s),
                [ju, P, H](Vista& v) { return &ju(v).Manos[P][H].Estado; }, Validez::EstadoHueco));
        }
    }

    for (int i = 1; i <= kHuecosMonton; ++i) {
        const std::size_t c = 741 + 2 * I(i - 1);
        const auto k = I(i);
        t.push_back(Num<Vista>(
            c, 1, 1, Indice("Monton.PuntoA", i), [ju, k](Vista& v) { return &ju(v).Monton[k].PuntoA; },
            Validez::Punto));
        t.push_back(Num<Vista>(
            c + 1, 1, 1, Indice("Monton.PuntoB", i), [ju, k](Vista& v) { return &ju(v).Monton[k].PuntoB; },
            Validez::Punto));
    }
    t.push_back(Fijo<Vista>(kColumnaMarcaFinal, kMarcaFinal));
    return t;
}

std::vector<CampoMarcador> ConstruirMarcador()
{
    using R = RegistroMano;
    std::vector<CampoMarcador> t;
    t.push_back(Tex<R>(1, 9, "Sale", [](R& r) { return &r.Sale; }));
    // Points and tens as the columns hold them; the sheet adds them up.
    auto puntos = [](std::size_t columna, std::string nombre, std::function<RefCampo(R&)> valor) {
        return Num<R>(columna, 4, 4, std::move(nombre), std::move(valor), Validez::Rango, 0, 9999);
    };
    auto decenas = [](std::size_t columna, std::string nombre, std::function<RefCampo(R&)> valor) {
        return Num<R>(columna, 3, 3, std::move(nombre), std::move(valor), Validez::Rango, 0, 999);
    };
    t.push_back(puntos(10, "PuntosPareja1", [](R& r) { return &r.PuntosPareja1; }));
    t.push_back(decenas(14, "DecenasPareja1", [](R& r) { return &r.DecenasPareja1; }));
    t.push_back(puntos(17, "PuntosPareja2", [](R& r) { return &r.PuntosPareja2; }));
    t.push_back(decenas(21, "DecenasPareja2", [](R& r) { return &r.DecenasPareja2; }));
    for (int j = 1; j <= kAsientos; ++j) {
        const auto J = I(j);
        t.push_back(
            puntos(24 + 7 * I(j - 1), Indice("PuntosJugador", j), [J](R& r) { return &r.PuntosJugador[J]; }));
        t.push_back(decenas(28 + 7 * I(j - 1), Indice("DecenasJugador", j),
                            [J](R& r) { return &r.DecenasJugador[J]; }));
    }
    return t;
}

std::vector<CampoJugada> ConstruirJugadas()
{
    using R = RegistroJugada;
    struct Col
    {
        std::size_t columna, ancho;
        int digitos, campo;
        Validez valida;
        int minimo, maximo;
    };
    // Fields 22-25 come before 18-21 in the record.
    static const Col kCols[] = {
        {1, 1, 1, 0, Validez::Rango, 1, 4},   {2, 1, 1, 1, Validez::Punto, 0, 0},
        {3, 1, 1, 2, Validez::Punto, 0, 0},   {4, 1, 1, 3, Validez::ExtremoJugada, 0, 0},
        {5, 2, 1, 4, Validez::Libre, 0, 0},   {7, 4, 4, 5, Validez::Libre, 0, 0},
        {11, 4, 4, 6, Validez::Libre, 0, 0},  {15, 2, 2, 7, Validez::Libre, 0, 0},
        {17, 2, 2, 8, Validez::Libre, 0, 0},  {19, 1, 1, 9, Validez::Libre, 0, 0},
        {20, 4, 4, 10, Validez::Libre, 0, 0}, {24, 3, 3, 11, Validez::Libre, 0, 0},
        {27, 3, 3, 12, Validez::Libre, 0, 0}, {30, 3, 3, 13, Validez::Libre, 0, 0},
        {33, 3, 3, 14, Validez::Libre, 0, 0}, {36, 1, 1, 15, Validez::Libre, 0, 0},
        {37, 2, 1, 16, Validez::Libre, 0, 0}, {39, 2, 1, 17, Validez::Libre, 0, 0},
        {41, 1, 1, 22, Validez::Punto, 0, 0}, {42, 1, 1, 23, Validez::Punto, 0, 0},
        {43, 1, 1, 24, Validez::Rango, 0, 4}, {44, 1, 1, 25, Validez::Rango, 0, 4},
        {45, 4, 4, 18, Validez::Libre, 0, 0}, {49, 4, 4, 19, Validez::Libre, 0, 0},
        {53, 4, 4, 20, Validez::Libre, 0, 0}, {57, 4, 4, 21, Validez::Libre, 0, 0},
    };
    std::vector<CampoJugada> t;
    for (const Col& c : kCols) {
        const int n = c.campo;
        t.push_back(Num<R>(
            c.columna, c.ancho, c.digitos, Indice("campo", n), [n](R& r) { return &r.campo(n); }, c.valida,
            c.minimo, c.maximo));
    }
    return t;
}

bool EsValido(Validez v, int valor, int minimo, int maximo)
{
    switch (v) {
    case Validez::Libre:
        return true;
    case Validez::Rango:
        return valor >= minimo && valor <= maximo;
    case Validez::Punto:
        return EsPunto(valor) || valor == kNinguna;
    case Validez::EstadoHueco:
        return valor == kEnMano || valor == kPuesta || valor == kVacio;
    case Validez::ExtremoJugada:
        return valor == 1 || valor == 2 || valor == kExtremoRoba || valor == kExtremoPasa;
    }
    return false;
}

int Potencia10(std::size_t n)
{
    int r = 1;
    for (std::size_t i = 0; i < n; ++i) r *= 10;
    return r;
}

std::string Relleno(int valor, int digitos)
{
    std::string s = std::to_string(valor);
    if (static_cast<int>(s.size()) < digitos) s.insert(0, I(digitos) - s.size(), '0');
    return s;
}

std::string Mostrable(std::string_view bytes)
{
    return "«" + desdeCp1252(bytes) + "»";
}

} // namespace

const std::vector<CampoSituacion>& TablaSituacion()
{
    static const std::vector<CampoSituacion> t = ConstruirSituacion();
    return t;
}

const std::vector<CampoMarcador>& TablaMarcador()
{
    static const std::vector<CampoMarcador> t = ConstruirMarcador();
    return t;
}

const std::vector<CampoJugada>& TablaJugadas()
{
    static const std::vector<CampoJugada> t = ConstruirJugadas();
    return t;
}

std::string EscribirNumero(int valor, int digitos, std::size_t ancho)
{
    assert(ancho >= 1 && ancho <= 4);
    // What the columns can hold: a value beyond it is clamped so the file stays readable.
    const int maximo = Potencia10(ancho) - 1;
    const int minimo = ancho >= 2 ? -(Potencia10(ancho - 1) - 1) : 0;
    valor = std::clamp(valor, minimo, maximo);
    std::string s;
    if (valor < 0) {
        // The sign takes a column of the mask when the mask fills the field: -5 in "0000" is -005, not -000.
        s = "-" + Relleno(-valor, std::min(digitos, static_cast<int>(ancho) - 1));
    } else {
        s = Relleno(valor, digitos);
    }
    assert(s.size() <= ancho);
    s.resize(ancho, ' ');
    return s;
}

std::optional<int> LeerEntero(std::string_view texto)
{
    texto = SinEspacios(texto);
    if (texto.empty()) return std::nullopt;
    std::size_t i = 0;
    const std::size_t f = texto.size();
    const bool negativo = texto[i] == '-';
    if (negativo) ++i;
    if (i == f || f - i > 6) return std::nullopt;
    int valor = 0;
    for (std::size_t k = i; k < f; ++k) {
        if (texto[k] < '0' || texto[k] > '9') return std::nullopt;
        valor = valor * 10 + (texto[k] - '0');
    }
    return negativo ? -valor : valor;
}

int LeerValor(std::string_view texto)
{
    std::string limpio;
    for (char c : texto)
        if (c != ' ') limpio += c;
    std::size_t i = 0;
    const bool negativo = i < limpio.size() && limpio[i] == '-';
    if (negativo || (i < limpio.size() && limpio[i] == '+')) ++i;
    long entero = 0;
    for (; i < limpio.size() && limpio[i] >= '0' && limpio[i] <= '9' && entero < 100000; ++i)
        entero = entero * 10 + (limpio[i] - '0');
    // A fraction rounds half to even, as every conversion of the program does.
    if (i < limpio.size() && limpio[i] == '.' && i + 1 < limpio.size() && limpio[i + 1] >= '0' &&
        limpio[i + 1] <= '9') {
        const int primera = limpio[i + 1] - '0';
        bool resto = false;
        for (std::size_t k = i + 2; k < limpio.size() && limpio[k] >= '0' && limpio[k] <= '9'; ++k)
            resto = resto || limpio[k] != '0';
        if (primera > 5 || (primera == 5 && (resto || entero % 2 == 1))) ++entero;
    }
    return static_cast<int>(negativo ? -entero : entero);
}

std::string EscribirTexto(std::string_view utf8, std::size_t ancho)
{
    std::string s = aCp1252(utf8);
    // A double quote would end the quoted line early and a line break would split it: neither can be carried.
    for (char& c : s) {
        if (c == '"')
            c = '\'';
        else if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    }
    s.resize(ancho, ' ');
    return s;
}

bool TextoGuardableTalCual(std::string_view utf8)
{
    return desdeCp1252(EscribirTexto(utf8, longitudCp1252(utf8))) == utf8;
}

template <class Registro>
void EscribirCampos(const std::vector<Campo<Registro>>& tabla, Registro& registro, std::string& destino,
                    std::size_t base)
{
    for (const auto& c : tabla) {
        std::string texto;
        switch (c.Forma) {
        case Formato::Constante:
            texto = std::string(c.Fijo);
            break;
        case Formato::Numero:
        case Formato::Valor:
            texto = EscribirNumero(LeerNumero(c.Valor(registro)), c.Digitos, c.Ancho);
            break;
        case Formato::Bandera:
            texto = EscribirNumero(*std::get<bool*>(c.Valor(registro)) ? -1 : 0, 1, c.Ancho);
            break;
        case Formato::Texto:
            texto = EscribirTexto(*std::get<std::string*>(c.Valor(registro)), c.Ancho);
            break;
        case Formato::Identificador:
            texto = EscribirTexto(*std::get<std::string*>(c.Valor(registro)), c.Ancho);
            break;
        }
        assert(texto.size() == c.Ancho);
        assert(base + c.Columna - 1 + c.Ancho <= destino.size());
        destino.replace(base + c.Columna - 1, c.Ancho, texto);
    }
}

template <class Registro>
std::optional<std::string> LeerCampos(const std::vector<Campo<Registro>>& tabla, Registro& registro,
                                      std::string_view origen, std::size_t base, Lectura lectura)
{
    const bool red = lectura == Lectura::Red;
    for (const auto& c : tabla) {
        assert(base + c.Columna - 1 + c.Ancho <= origen.size());
        const std::string_view texto = origen.substr(base + c.Columna - 1, c.Ancho);
        auto donde = [&] { return "columna " + std::to_string(base + c.Columna) + " (" + c.Nombre + ")"; };
        switch (c.Forma) {
        case Formato::Constante:
            break;
        case Formato::Texto: {
            std::string bytes(texto);
            for (char& ch : bytes) {
                if (static_cast<unsigned char>(ch) >= 0x20) continue;
                // No writer puts control characters in a text: in a message one means it was damaged.
                if (red) return donde() + ": el texto tiene un carácter de control";
                ch = ' ';
            }
            *std::get<std::string*>(c.Valor(registro)) = desdeCp1252(SinEspacios(bytes));
            break;
        }
        case Formato::Identificador: {
            const bool digitos = texto.find_first_not_of("0123456789") == std::string_view::npos;
            const bool blanco = SinEspacios(texto).empty();
            if (red && !digitos && !blanco)
                return donde() + ": " + Mostrable(texto) + " no son cuatro cifras";
            *std::get<std::string*>(c.Valor(registro)) = desdeCp1252(texto);
            break;
        }
        case Formato::Bandera: {
            const auto v = LeerEntero(texto);
            if (!v && red) return donde() + ": " + Mostrable(texto) + " no es un número";
            if (v) *std::get<bool*>(c.Valor(registro)) = *v != 0;
            break;
        }
        case Formato::Valor:
            if (!red) {
                PonerNumero(c.Valor(registro), LeerValor(texto));
                break;
            }
            [[fallthrough]];
        case Formato::Numero: {
            const auto v = LeerEntero(texto);
            if (!v) {
                if (red) return donde() + ": " + Mostrable(texto) + " no es un número";
                break;
            }
            if (red && !EsValido(c.Valida, *v, c.Minimo, c.Maximo))
                return donde() + ": el valor " + std::to_string(*v) + " está fuera de su intervalo";
            PonerNumero(c.Valor(registro), *v);
            break;
        }
        }
    }
    return std::nullopt;
}

template <class Registro>
std::optional<std::string> ComprobarCampos(const std::vector<Campo<Registro>>& tabla,
                                           const Registro& registro)
{
    // The tables hand out references for both directions; checking only reads through them.
    Registro& r = const_cast<Registro&>(registro);
    for (const auto& c : tabla) {
        if (c.Valida == Validez::Libre || (c.Forma != Formato::Numero && c.Forma != Formato::Valor)) continue;
        const int v = LeerNumero(c.Valor(r));
        if (!EsValido(c.Valida, v, c.Minimo, c.Maximo)) return c.Nombre + " vale " + std::to_string(v);
    }
    return std::nullopt;
}

template void EscribirCampos(const std::vector<CampoSituacion>&, VistaEstado&, std::string&, std::size_t);
template void EscribirCampos(const std::vector<CampoMarcador>&, RegistroMano&, std::string&, std::size_t);
template void EscribirCampos(const std::vector<CampoJugada>&, RegistroJugada&, std::string&, std::size_t);
template std::optional<std::string> LeerCampos(const std::vector<CampoSituacion>&, VistaEstado&,
                                               std::string_view, std::size_t, Lectura);
template std::optional<std::string> LeerCampos(const std::vector<CampoMarcador>&, RegistroMano&,
                                               std::string_view, std::size_t, Lectura);
template std::optional<std::string> LeerCampos(const std::vector<CampoJugada>&, RegistroJugada&,
                                               std::string_view, std::size_t, Lectura);
template std::optional<std::string> ComprobarCampos(const std::vector<CampoSituacion>&, const VistaEstado&);
template std::optional<std::string> ComprobarCampos(const std::vector<CampoMarcador>&, const RegistroMano&);
template std::optional<std::string> ComprobarCampos(const std::vector<CampoJugada>&, const RegistroJugada&);

} // namespace zp
