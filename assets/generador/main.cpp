// Draws every picture, cursor and sound of the program into a folder, plus a contact sheet at twice the size
// for a person to look at. Usage: zp_generador <folder>
#include "hojas.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

using namespace zp;
using namespace zp::generador;

namespace {

bool Guardar(const QImage& img, const QString& ruta)
{
    if (!img.save(ruta, "PNG")) {
        std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(ruta));
        return false;
    }
    return true;
}

QString EnCarpeta(const QString& carpeta, const char* recurso)
{
    // ":/dibujos/x.png" is written as <folder>/dibujos/x.png.
    return carpeta + QLatin1Char('/') + QString::fromLatin1(recurso + 2);
}

// A table scene made with the sheets exactly as the program copies them: AND with the mask, XOR the image.
QImage Escena(const QImage& dibujos, const QImage& punneg, const QImage& puntitos, const QImage& vario)
{
    QImage mesa = Marmol().copy(0, 0, 560, 200).convertToFormat(QImage::Format_RGB32);
    QPainter p(&mesa);
    auto sprite = [&](const QImage& hoja, ParMascara pm, QPoint en) {
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(en, hoja, ARect(pm.mascara));
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.drawImage(en, hoja, ARect(pm.imagen));
        p.setCompositionMode(QPainter::CompositionMode_Source);
    };
    auto copia = [&](const QImage& hoja, Rect r, QPoint en) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(en, hoja, ARect(r));
    };
    namespace d = recursos::dibujos;
    namespace pn = recursos::punneg;
    namespace pt = recursos::puntitos;
    // A line: lying tiles of the left half, then of the right half, then an upright one.
    int x = 20;
    for (int i = 0; i < 3; ++i, x += 77) {
        sprite(dibujos, d::FichaLineaTumbada2, {x, 20});
        copia(punneg, pn::Puntos(6 - i, 0), {x + 3, 23});
        copia(punneg, pn::Puntos(5 - i, 0), {x + 40, 23});
    }
    for (int i = 0; i < 2; ++i, x += 77) {
        sprite(dibujos, d::FichaLineaTumbada1, {x, 20});
        copia(punneg, pn::Puntos(2 + i, 0), {x + 7, 23});
        copia(punneg, pn::Puntos(4 + i, 0), {x + 44, 23});
    }
    sprite(dibujos, d::FichaLineaDerecha1, {x, 20});
    copia(punneg, pn::Puntos(6, 1), {x + 7, 23});
    copia(punneg, pn::Puntos(1, 1), {x + 7, 60});
    // The local hand, large views, the last one inverted as a laid tile kept in view.
    for (int s = 1; s <= 7; ++s) {
        QPoint en(20 + (s - 1) * 44, 110);
        sprite(dibujos, d::VistaFichaGrande(s), en);
        copia(punneg, pn::Puntos(s % 7, 1), en + QPoint(7, 7));
        copia(punneg, pn::Puntos((s * 3) % 7, 1), en + QPoint(7, 44));
    }
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.fillRect(QRect(20 + 6 * 44 + 4, 114, 36, 73), Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // Small faces, edge-on tiles, a pointing hand and the domino sign.
    copia(puntitos, pt::CaraFichaDerecha, {340, 110});
    copia(puntitos, pt::Puntos(5, 1), {342, 112});
    copia(puntitos, pt::Puntos(2, 1), {342, 133});
    copia(puntitos, pt::CaraFichaTumbada1, {370, 110});
    copia(puntitos, pt::Puntos(3, 0), {372, 112});
    copia(puntitos, pt::Puntos(6, 0), {393, 112});
    copia(puntitos, pt::CaraFichaTumbada3, {370, 135});
    copia(puntitos, pt::Puntos(4, 0), {373, 137});
    copia(puntitos, pt::Puntos(1, 0), {394, 137});
    sprite(dibujos, d::FichaCanto1, {420, 110});
    sprite(dibujos, d::FichaCanto3, {440, 110});
    sprite(dibujos, d::FichaCanto2, {460, 110});
    sprite(dibujos, d::FichaCanto4, {460, 131});
    sprite(vario, recursos::bmpvario::ManoSenal(1), {420, 155});
    sprite(vario, recursos::bmpvario::SenalDomino, {460, 155});
    copia(vario, recursos::bmpvario::Grabadora, {500, 110});
    p.setPen(QColor(255, 255, 0));
    p.setFont(Fuente("Liberation Sans", 12, true));
    p.drawText(QPoint(20, 100), QStringLiteral("Norte"));
    return mesa;
}

QImage HojaDeContactos(const std::vector<std::pair<QString, QImage>>& dibujos)
{
    const int ancho = 1400, margen = 12;
    // Lay the pictures out in rows at twice their size.
    struct Sitio
    {
        QPoint en;
        const std::pair<QString, QImage>* d;
    };
    std::vector<Sitio> sitios;
    int x = margen, y = margen, alto_fila = 0;
    for (const auto& d : dibujos) {
        QSize s = d.second.size() * 2;
        if (x + s.width() > ancho - margen) {
            x = margen;
            y += alto_fila + 24;
            alto_fila = 0;
        }
        sitios.push_back({QPoint(x, y + 16), &d});
        x += std::max(s.width(), 90) + margen;
        alto_fila = std::max(alto_fila, s.height());
    }
    QImage hoja(ancho, y + alto_fila + 24 + margen, QImage::Format_RGB32);
    hoja.fill(QColor(70, 70, 76));
    QPainter p(&hoja);
    p.setFont(Fuente("Liberation Sans", 12));
    for (const Sitio& s : sitios) {
        p.setPen(Qt::white);
        p.drawText(s.en - QPoint(0, 4), s.d->first);
        QImage grande =
            s.d->second.scaled(s.d->second.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.fillRect(QRect(s.en, grande.size()), QColor(200, 60, 200)); // shows any transparency
        p.drawImage(s.en, grande);
    }
    return hoja;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: zp_generador <carpeta>\n");
        return 2;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    for (const char* sub : {"dibujos", "sonidos", "cursores"})
        QDir().mkpath(carpeta + QLatin1Char('/') + QLatin1String(sub));

    namespace rc = recursos;
    std::vector<std::pair<QString, QImage>> dibujos;
    std::vector<std::pair<const char*, QImage>> lista = {
        {rc::bmpvario::Ruta, HojaBmpVario()},
        {rc::dibujos::Ruta, HojaDibujos()},
        {rc::puntitos::Ruta, HojaPuntitos()},
        {rc::punneg::Ruta, HojaPunNeg()},
        {rc::marmol::Ruta, Marmol()},
        {rc::mesa::Flecha1, IconoFlecha(1)},
        {rc::mesa::Flecha2, IconoFlecha(2)},
        {rc::mesa::Flecha3, IconoFlecha(3)},
        {rc::mesa::Flecha4, IconoFlecha(4)},
        {rc::mesa::Paso, IconoPaso()},
        {rc::mesa::IndiTuto, IconoBombilla()},
        {rc::careta::Ruta, Careta()},
        {rc::mensajes::Si, BotonSi()},
        {rc::mensajes::No, BotonNo()},
        {rc::personal::Directo, FiguraSentido(true)},
        {rc::personal::Inverso, FiguraSentido(false)},
        {rc::cargua::Cargar, BotonDisco(1)},
        {rc::cargua::Guardar, BotonDisco(2)},
        {rc::cargua::Borrar, BotonDisco(3)},
        {rc::mensared::Enviar, BotonEnviar()},
        {rc::marcador::Puntos, CabeceraPuntos()},
        {rc::historic::Carpeta, PiezaCarpeta()},
    };
    bool bien = true;
    for (auto& [ruta, img] : lista) {
        bien = Guardar(img, EnCarpeta(carpeta, ruta)) && bien;
        dibujos.emplace_back(QString::fromLatin1(ruta + 10), img);
    }
    for (const auto& c : rc::cursores::Lista) {
        QImage img = Cursor(c.nombre);
        bien = Guardar(img, EnCarpeta(carpeta, c.ruta)) && bien;
        dibujos.emplace_back(QString::fromLatin1(c.nombre), img);
    }
    for (const auto& s : rc::sonidos::Lista) {
        QFile f(EnCarpeta(carpeta, s.ruta));
        QByteArray wav = Sonido(s);
        if (!f.open(QIODevice::WriteOnly) || f.write(wav) != wav.size()) {
            std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(f.fileName()));
            bien = false;
        }
    }
    dibujos.emplace(dibujos.begin(), QStringLiteral("escena"),
                    Escena(lista[1].second, lista[3].second, lista[2].second, lista[0].second));
    bien = Guardar(HojaDeContactos(dibujos), carpeta + QStringLiteral("/contactos.png")) && bien;
    return bien ? 0 : 1;
}
