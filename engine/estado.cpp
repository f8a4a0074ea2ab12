#include "engine/estado.h"

namespace zp {

const std::array<Entero RegistroJugada::*, RegistroJugada::kCampos> RegistroJugada::kOrden = {
    &RegistroJugada::Jugador,         &RegistroJugada::PuntoUnido,      &RegistroJugada::PuntoAbierto,
    &RegistroJugada::Extremo,         &RegistroJugada::Eleccion,        &RegistroJugada::XFicha,
    &RegistroJugada::YFicha,          &RegistroJugada::AnchoFicha,      &RegistroJugada::AltoFicha,
    &RegistroJugada::LadoMesa,        &RegistroJugada::XSpriteFicha,    &RegistroJugada::XMitad1,
    &RegistroJugada::YMitad1,         &RegistroJugada::XMitad2,         &RegistroJugada::YMitad2,
    &RegistroJugada::GiroFicha,       &RegistroJugada::EsDoble,         &RegistroJugada::DobleAtravesado,
    &RegistroJugada::XExtremoAntes,   &RegistroJugada::YExtremoAntes,   &RegistroJugada::XExtremoDespues,
    &RegistroJugada::YExtremoDespues, &RegistroJugada::Extremo1,        &RegistroJugada::Extremo2,
    &RegistroJugada::DireccionAntes,  &RegistroJugada::DireccionDespues};

} // namespace zp
