#include "settings/partidas_guardadas.h"

#include <QDir>

namespace zp {

namespace {

const QString kExtension = QStringLiteral(".man");
constexpr int kMaximoBytesFichero = 255; // a file name on the usual file systems

} // namespace

QString NombreDeJuego(const QString& texto)
{
    return texto.left(kLargoNombreJuego).trimmed();
}

QString NombreNoValido(const QString& nombre)
{
    if (nombre.isEmpty()) return QStringLiteral("no tiene ningún carácter");
    for (const QChar c : nombre) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            return QStringLiteral("tiene caracteres de control");
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            return QStringLiteral("tiene el carácter «") + c + QStringLiteral("»");
    }
    if (nombre.contains(QStringLiteral(".."))) return QStringLiteral("tiene dos puntos seguidos «..»");
    if ((nombre + kExtension).toUtf8().size() > kMaximoBytesFichero)
        return QStringLiteral("es demasiado largo");
    return {};
}

QStringList ListarPartidas(const QString& carpeta)
{
    const QDir dir(carpeta);
    QStringList nombres;
    for (const QString& f :
         dir.entryList({QStringLiteral("*") + kExtension}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        const QString nombre = f.chopped(kExtension.size());
        if (NombreNoValido(nombre).isEmpty()) nombres.push_back(nombre);
    }
    return nombres;
}

std::optional<QString> FicheroDePartida(const QString& carpeta, const QString& nombre)
{
    if (!NombreNoValido(nombre).isEmpty()) return std::nullopt;
    const QDir dir(carpeta);
    const QString exacto = nombre + kExtension;
    if (QFileInfo(dir.filePath(exacto)).isFile()) return exacto;
    for (const QString& f :
         dir.entryList({QStringLiteral("*") + kExtension}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (f.compare(exacto, Qt::CaseInsensitive) == 0) return f;
    return std::nullopt;
}

} // namespace zp
