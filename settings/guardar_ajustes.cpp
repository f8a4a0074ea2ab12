#include "settings/guardar_ajustes.h"

#include "kit/mensajes.h"
#include "settings/core/fichero_estado.h"

namespace zp {

bool GuardarAjustesAlSalir(const std::string& carpetaDatos, const EstadoJuego& juego, const Ajustes& datos)
{
    for (;;) {
        const auto fallo = GuardarAjustes(carpetaDatos, juego, datos);
        if (!fallo) return true;
        const QString que = juego.PartidaEnCurso ? QStringLiteral("los ajustes y la partida en curso")
                                                 : QStringLiteral("los ajustes");
        const QString texto =
            QStringLiteral("No se ha podido guardar el fichero ZARPE33.INI (%1): %2 se perderán "
                           "al salir. Pulse Aceptar para intentarlo de nuevo o Cancelar para "
                           "salir sin guardar.")
                .arg(QString::fromStdString(TextoErrorAjustes(fallo->Numero)), que);
        // Closed from outside it tries again: leaving without saving loses the game in progress.
        if (!MostrarMensaje(QStringLiteral("Error al guardar los ajustes"), texto, ContarLineasMensaje(texto),
                            2, 0, CierreCaja::Aceptar))
            return false;
    }
}

} // namespace zp
