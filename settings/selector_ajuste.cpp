#include "settings/selector_ajuste.h"

namespace zp {

std::array<QString, kOpciones> FilaOpciones(const TablaOpciones& t, Entero indice)
{
    std::array<QString, kOpciones> fila;
    for (std::size_t o = 0; o < fila.size(); ++o) fila[o] = QString::fromStdString(t[std::size_t(indice)][o]);
    return fila;
}

QString TituloSelector(Entero indice)
{
    return QString::fromStdString(TitulosSelector()[std::size_t(indice)]);
}

} // namespace zp
