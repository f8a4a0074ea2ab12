#include "settings/partidas_guardadas.h"

#include <QDir>

namespace zp {

namespace {

const QString kExtension = QStringLiteral(".man");
constexpr int kMaximoBytesFichero = 255; // a file name on the usual file systems

// The stored-game files of `carpeta`, alphabetical without regard to case. A name may begin with a dot (a
// hidden file here), and a game stored under it is listed like any other.
QStringList FicherosDePartida(const QString& carpeta)
{
    return QDir(carpeta).entryList({QStringLiteral("*") + kExtension}, QDir::Files | QDir::Hidden,
                                   QDir::Name | QDir::IgnoreCase);
}

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
    QStringList nombres;
    for (const QString& f : FicherosDePartida(carpeta)) {
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
    for (const QString& f : FicherosDePartida(carpeta))
        if (f.compare(exacto, Qt::CaseInsensitive) == 0) return f;
    return std::nullopt;
}

} // namespace zp
