#include "settings/fondo_mesa.h"

#include "engine/redondeo.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"

#include <QDir>
#include <QWidget>

namespace zp {

CopiasFondo CopiasDeNombre(const QString& texto)
{
    const QString prefijo = texto.trimmed().left(5).toLower();
    if (prefijo == QStringLiteral("zpbg1")) return CopiasFondo::Una;
    if (prefijo == QStringLiteral("zpbg4")) return CopiasFondo::Cuatro;
    return CopiasFondo::Ninguna;
}

std::vector<QPoint> LugaresFondo(CopiasFondo copias, QSize tamano, const Pantalla& p)
{
    const int w = tamano.width(), h = tamano.height();
    switch (copias) {
    case CopiasFondo::Ninguna:
        break;
    case CopiasFondo::Una:
        return {{RedondearAPar((p.AnchoMesa - w) / 2.0), RedondearAPar((p.AltoPantalla - h) / 2.0)}};
    case CopiasFondo::Cuatro: {
        const double px = RedondearAPar((p.CentroX - w) / 2.0);
        const double py = RedondearAPar((p.CentroY - h) / 2.0);
        const int izquierda = RedondearAPar(1.5 * px), derecha = RedondearAPar(p.CentroX + 0.75 * px);
        const int arriba = RedondearAPar(1.35 * py), abajo = RedondearAPar(p.CentroY + 0.25 * py);
        return {{izquierda, arriba}, {derecha, arriba}, {izquierda, abajo}, {derecha, abajo}};
    }
    }
    return {};
}

Surface PintarFondo(const Surface& fondo, const Surface& dibujo, CopiasFondo copias, const Pantalla& p)
{
    Surface nuevo = fondo;
    for (const QPoint& lugar : LugaresFondo(copias, dibujo.rect().size(), p))
        nuevo.blit(lugar.x(), lugar.y(), dibujo.width(), dibujo.height(), dibujo, 0, 0);
    return nuevo;
}

bool AplicarFondoMesa(MesaConFondo& mesa, const QString& texto, const std::string& carpetaDatos)
{
    const CopiasFondo copias = CopiasDeNombre(texto);
    if (copias == CopiasFondo::Ninguna) return false;
    // Read whole before anything changes: a name that is no picture leaves the table as it was.
    const QString ruta = QDir(QString::fromStdString(carpetaDatos)).filePath(texto);
    const std::optional<Surface> dibujo = Surface::load(ruta);
    if (!dibujo || dibujo->width() <= 0 || dibujo->height() <= 0) {
        const QString aviso = QStringLiteral("No se ha podido leer la imagen «") + texto +
                              QStringLiteral("». La mesa conserva su fondo.");
        MostrarMensaje(QStringLiteral("Fondo de la mesa"), aviso, ContarLineasMensaje(aviso), 1);
        return false;
    }
    mesa.PonerFondo(PintarFondo(mesa.Marmol(), *dibujo, copias, mesa.Medidas()));
    mesa.RedibujarMesa();
    return true;
}

bool AplicarFondoMesa(const QString& texto, const std::string& carpetaDatos)
{
    auto* mesa = dynamic_cast<MesaConFondo*>(Entorno().mesa);
    return mesa && AplicarFondoMesa(*mesa, texto, carpetaDatos);
}

} // namespace zp
