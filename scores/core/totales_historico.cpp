#include "scores/core/totales_historico.h"

#include "platform/text/cp1252.h"
#include "scores/core/listado_historico.h"

#include <algorithm>
#include <array>

namespace zp {

namespace {

// What a table ranks equal counts by: the name as its 9-character field would hold it, right-aligned.
std::string Alineado(const std::string& nombre)
{
    std::string bytes = aCp1252(nombre);
    if (bytes.size() < kLongitudNombreHistorico)
        bytes.insert(0, kLongitudNombreHistorico - bytes.size(), ' ');
    return bytes;
}

// A table being gathered: one line per player or pair. Counts are kept as numbers, so any count and any
// sign rank by value.
class Acumulador
{
public:
    explicit Acumulador(TablaTotales tabla) : tabla_(tabla) {}

    void Sumar(const std::string& nombre, long long cuanto) { Sumar(nombre, {}, cuanto, false); }
    void SumarPareja(const std::string& a, const std::string& b, long long cuanto)
    {
        Sumar(a, b, cuanto, true);
    }

    // Highest first, then filled up to whole pages.
    void Copiar(std::vector<std::optional<LineaTotales>>& destino)
    {
        std::stable_sort(lineas_.begin(), lineas_.end(), [](const LineaTotales& x, const LineaTotales& y) {
            if (x.Cuenta != y.Cuenta) return x.Cuenta > y.Cuenta;
            const std::string ax = Alineado(x.Nombre1), ay = Alineado(y.Nombre1);
            if (ax != ay) return ax > ay;
            return Alineado(x.Nombre2) > Alineado(y.Nombre2);
        });
        destino.insert(destino.end(), lineas_.begin(), lineas_.end());
        while (destino.size() % kLineasPaginaHistorico != 0) destino.emplace_back();
    }

private:
    void Sumar(const std::string& a, const std::string& b, long long cuanto, bool pareja)
    {
        const auto igual = [&](const LineaTotales& l) {
            if (!pareja) return l.Nombre1 == a;
            return (l.Nombre1 == a && l.Nombre2 == b) || (l.Nombre1 == b && l.Nombre2 == a);
        };
        auto l = std::find_if(lineas_.begin(), lineas_.end(), igual);
        if (l == lineas_.end()) l = lineas_.insert(lineas_.end(), LineaTotales{tabla_, 0, {}, {}});
        l->Cuenta += cuanto;
        l->Nombre1 = a;
        l->Nombre2 = b;
    }

    TablaTotales tabla_;
    std::vector<LineaTotales> lineas_;
};

} // namespace

std::vector<std::optional<LineaTotales>>
CalcularTotalesHistorico(const std::vector<RegistroHistorico>& registros)
{
    Acumulador partidasJugador(TablaTotales::PartidasJugador), puntosJugador(TablaTotales::PuntosJugador),
        partidasPareja(TablaTotales::PartidasPareja), puntosPareja(TablaTotales::PuntosPareja);
    for (const RegistroHistorico& r : registros) {
        const bool parejas = r.EnParejas();
        partidasJugador.Sumar(r.Nombre1, 1);
        if (parejas) partidasJugador.Sumar(r.Nombre2, 1);
        // In pairs both winners take the pair's total and both losers theirs.
        const std::array<const std::string*, 4> nombres{&r.Nombre1, &r.Nombre2, &r.Nombre3, &r.Nombre4};
        const std::array<int, 4> puntos =
            parejas ? std::array<int, 4>{r.Puntos1, r.Puntos1, r.Puntos2, r.Puntos2}
                    : std::array<int, 4>{r.Puntos1, r.Puntos2, r.Puntos3, r.Puntos4};
        for (std::size_t k = 0; k < nombres.size(); ++k)
            if (puntos[k] != kPuntosFueraDeJuego) puntosJugador.Sumar(*nombres[k], puntos[k]);
        if (!parejas) continue;
        partidasPareja.SumarPareja(r.Nombre1, r.Nombre2, 1);
        puntosPareja.SumarPareja(r.Nombre1, r.Nombre2, r.Puntos1);
        puntosPareja.SumarPareja(r.Nombre3, r.Nombre4, r.Puntos2);
    }
    std::vector<std::optional<LineaTotales>> tablas;
    for (Acumulador* a : {&partidasJugador, &puntosJugador, &partidasPareja, &puntosPareja})
        a->Copiar(tablas);
    return tablas;
}

} // namespace zp
