#include "scores/core/listado_historico.h"

#include "platform/text/cp1252.h"

#include <algorithm>
#include <array>

namespace zp {

namespace {

// Characters `desde`..`desde + ancho - 1` (counted from 1) of the record as stored, in UTF-8.
std::string Caracteres(const RegistroHistorico& r, std::size_t desde, std::size_t ancho)
{
    const std::string_view texto(r.Texto);
    if (desde - 1 >= texto.size()) return {};
    return desdeCp1252(texto.substr(desde - 1, ancho));
}

std::string Unir(const std::vector<std::string>& partes, const char* separador)
{
    std::string texto;
    for (const std::string& p : partes) {
        if (!texto.empty()) texto += separador;
        texto += p;
    }
    return texto;
}

} // namespace

std::vector<RegistroHistorico> RecientesPrimero(std::vector<RegistroHistorico> registros)
{
    std::stable_sort(
        registros.begin(), registros.end(),
        [](const RegistroHistorico& x, const RegistroHistorico& y) { return x.Texto > y.Texto; });
    return registros;
}

LineasPartida TextosPartida(const RegistroHistorico& r)
{
    LineasPartida l;
    l.Fecha = Caracteres(r, 7, 2) + "-" + Caracteres(r, 5, 2) + "-" + Caracteres(r, 1, 4);
    l.Hora = Caracteres(r, 9, 2) + ":" + Caracteres(r, 11, 2);
    l.PuntosGanadores = std::to_string(r.Puntos1);
    if (r.EnParejas()) {
        l.Ganadores = r.Nombre1 + " y " + r.Nombre2;
        l.Perdedores = r.Nombre3 + " y " + r.Nombre4;
        l.PuntosPerdedores = std::to_string(r.Puntos2);
        return l;
    }
    l.Ganadores = Caracteres(r, 13, kLongitudNombreHistorico);
    std::vector<std::string> nombres, puntos;
    const std::array<std::pair<const std::string*, int>, 3> otros{
        {{&r.Nombre2, r.Puntos2}, {&r.Nombre3, r.Puntos3}, {&r.Nombre4, r.Puntos4}}};
    for (const auto& [nombre, valor] : otros) {
        if (valor == kPuntosFueraDeJuego) continue;
        nombres.push_back(*nombre);
        puntos.push_back(std::to_string(valor));
    }
    l.Perdedores = Unir(nombres, ", ");
    l.PuntosPerdedores = Unir(puntos, "-");
    return l;
}

EsquinaPagina EsquinaEn(int x, int y, int primera, int cuantas)
{
    const int ultima = cuantas - 1;
    const bool franja = y >= kAltoPaginaHistorico - 16 && y <= kAltoPaginaHistorico;
    if (!franja) return EsquinaPagina::Ninguna;
    if (x >= kAnchoPaginaHistorico - 25 && x <= kAnchoPaginaHistorico &&
        primera + kLineasPaginaHistorico <= ultima)
        return EsquinaPagina::Adelante;
    if (x >= 0 && x <= 25 && primera - kLineasPaginaHistorico >= 0) return EsquinaPagina::Atras;
    return EsquinaPagina::Ninguna;
}

} // namespace zp
