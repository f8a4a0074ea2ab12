#include "common/imagen_referencia.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>

namespace zp::prueba {

namespace {

QString RutaReferencia(const std::string& nombre)
{
    return QStringLiteral(ZP_DIR_IMAGENES "/") + QString::fromStdString(nombre) + QStringLiteral(".png");
}

bool Actualizar()
{
    const char* v = std::getenv("ZP_ACTUALIZAR_IMAGENES");
    return v != nullptr && std::string(v) == "1";
}

} // namespace

::testing::AssertionResult CoincideConImagen(const QImage& imagen, const std::string& nombre, int tolerancia,
                                             double fraccion)
{
    const QImage real = imagen.convertToFormat(QImage::Format_RGB32);
    const QString ruta = RutaReferencia(nombre);
    if (Actualizar()) {
        QDir().mkpath(QFileInfo(ruta).path());
        if (!real.save(ruta))
            return ::testing::AssertionFailure() << "no se pudo escribir " << ruta.toStdString();
        return ::testing::AssertionSuccess();
    }
    QImage referencia(ruta);
    auto guardarFallo = [&](const QImage* diferencias) {
        QDir().mkpath(QStringLiteral("imagenes_fallidas"));
        const QString base = QStringLiteral("imagenes_fallidas/") + QString::fromStdString(nombre);
        real.save(base + QStringLiteral(".real.png"));
        if (diferencias) diferencias->save(base + QStringLiteral(".diferencias.png"));
        return QFileInfo(base).absoluteFilePath().toStdString();
    };
    if (referencia.isNull())
        return ::testing::AssertionFailure()
               << "falta la imagen de referencia " << ruta.toStdString() << " (la actual está en "
               << guardarFallo(nullptr) << ".real.png)";
    referencia = referencia.convertToFormat(QImage::Format_RGB32);
    if (referencia.size() != real.size())
        return ::testing::AssertionFailure()
               << nombre << ": tamaño " << real.width() << "x" << real.height() << ", se esperaba "
               << referencia.width() << "x" << referencia.height() << " (actual en " << guardarFallo(nullptr)
               << ".real.png)";

    QImage diferencias(real.size(), QImage::Format_RGB32);
    long distintos = 0;
    for (int y = 0; y < real.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(real.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(referencia.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(diferencias.scanLine(y));
        for (int x = 0; x < real.width(); ++x) {
            const int delta =
                std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                          std::abs(qBlue(a[x]) - qBlue(b[x]))});
            const bool distinto = delta > tolerancia;
            distintos += distinto;
            const int gris = qGray(b[x]) / 3;
            d[x] = distinto ? qRgb(255, 0, 0) : qRgb(gris, gris, gris);
        }
    }
    const long total = static_cast<long>(real.width()) * real.height();
    if (static_cast<double>(distintos) > fraccion * static_cast<double>(total))
        return ::testing::AssertionFailure()
               << nombre << ": " << distintos << " de " << total << " píxeles distintos (ver "
               << guardarFallo(&diferencias) << ".real.png y .diferencias.png)";
    return ::testing::AssertionSuccess();
}

} // namespace zp::prueba
