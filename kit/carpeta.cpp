#include "kit/carpeta.h"

#include <QDir>
#include <QStandardPaths>

namespace zp {

std::string ObtenerDirectorioWindows()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) return "/";
    QString carpeta = QDir(base).filePath(QStringLiteral("Zarpelon"));
    if (!QDir().mkpath(carpeta)) return "/";
    if (!carpeta.endsWith(QLatin1Char('/'))) carpeta += QLatin1Char('/');
    return carpeta.toStdString();
}

} // namespace zp
