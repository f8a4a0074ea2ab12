#include "kit/cursores.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>
#include <memory>

namespace zp {

namespace {

struct CursorConocido
{
    const char* nombre;
    QPoint punto;
};

constexpr CursorConocido kCursores[] = {
    {"manoindice", {13, 1}},  {"manoverde", {13, 1}}, {"manoroja", {13, 1}},
    {"manocerrada", {15, 6}}, {"ordenar", {15, 1}},   {"girar", {13, 1}},
};

const char* kPropiedadPuntero = "zpPuntero";
const char* kPropiedadCursor = "zpCursor";

} // namespace

const QCursor* Cursores::Cursor(std::string_view nombre)
{
    const QString clave = QString::fromUtf8(nombre.data(), qsizetype(nombre.size())).toLower();
    if (auto it = hechos_.find(clave); it != hechos_.end()) return &it->second;
    for (const CursorConocido& c : kCursores) {
        if (clave != QLatin1String(c.nombre)) continue;
        // The pictures are the program's own resources, "<name in lower case>.png".
        const QCursor cursor(QPixmap(QStringLiteral(":/cursores/") + clave + QStringLiteral(".png")),
                             c.punto.x(), c.punto.y());
        return &hechos_.emplace(clave, cursor).first->second;
    }
    return nullptr;
}

bool Cursores::PonerCursor(QWidget* control, std::string_view nombre)
{
    const QCursor* cursor = Cursor(nombre);
    if (!control || !cursor) return false;
    control->setCursor(*cursor);
    control->setProperty(kPropiedadPuntero, int(kPunteroPropio));
    control->setProperty(kPropiedadCursor,
                         QString::fromUtf8(nombre.data(), qsizetype(nombre.size())).toLower());
    return true;
}

namespace {
std::unique_ptr<Cursores> cursoresPrograma;
}

Cursores& CursoresPrograma()
{
    if (!cursoresPrograma) {
        cursoresPrograma = std::make_unique<Cursores>();
        // Pictures must go while the application still exists, not among the static destructors.
        qAddPostRoutine([] { cursoresPrograma.reset(); });
    }
    return *cursoresPrograma;
}

void PonerPuntero(QWidget* control, Entero codigo)
{
    if (!control) return;
    switch (codigo) {
    case kPunteroArrastre:
        control->setCursor(Qt::SizeHorCursor);
        break;
    case kPunteroEspera:
        control->setCursor(Qt::WaitCursor);
        break;
    case kPunteroProhibido:
        control->setCursor(Qt::ForbiddenCursor);
        break;
    default:
        codigo = kPunteroNormal;
        control->unsetCursor();
        break;
    }
    control->setProperty(kPropiedadPuntero, int(codigo));
    control->setProperty(kPropiedadCursor, QString());
}

void ManoSiEncima(QWidget* control, bool encima)
{
    const bool normal = PunteroDe(control) == kPunteroNormal;
    if (encima && normal)
        PonerCursor(control, "ManoIndice");
    else if (!encima && !normal)
        PonerPuntero(control, kPunteroNormal);
}

Entero PunteroDe(const QWidget* control)
{
    return control ? Entero(control->property(kPropiedadPuntero).toInt()) : kPunteroNormal;
}

QString CursorDe(const QWidget* control)
{
    return control ? control->property(kPropiedadCursor).toString() : QString();
}

} // namespace zp
