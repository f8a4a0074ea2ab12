// The tiles: blank large tiles and line tiles with their masks, small faces, and both sizes of pips.
#include "hojas.h"

#include <algorithm>
#include <cmath>

namespace zp::generador {

namespace rc = recursos;

namespace {

const QRgb Contorno = qRgb(64, 56, 44);
const QRgb ContornoCara = qRgb(96, 86, 68);
const QRgb Luz = qRgb(255, 252, 242);
const QRgb Sombra = qRgb(222, 213, 189);
const QRgb Ranura = qRgb(160, 148, 122);

QRgb Cara()
{
    return rc::ColorCara | 0xFF000000u;
}

QRgb Mezclar(QRgb a, QRgb b, double t)
{
    auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

bool EnRectRedondo(QRect r, int x, int y, int radio)
{
    if (!r.contains(x, y)) return false;
    int dx = std::max({r.left() + radio - x, x - (r.right() - radio), 0});
    int dy = std::max({r.top() + radio - y, y - (r.bottom() - radio), 0});
    return dx * dx + dy * dy <= radio * radio;
}

// A tile seen slightly from one side: its face plus the face's rectangle shifted by the visible thickness.
// The divider runs across the middle of the face, horizontal (upright tile) or vertical (lying tile).
struct Bloque
{
    QRect cara, canto;
    int ancho, alto;
    bool tumbada;

    bool Dentro(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= ancho || y >= alto) return false;
        return EnRectRedondo(cara, x, y, 3) || EnRectRedondo(canto, x, y, 3);
    }
    bool EnCara(int x, int y) const { return Dentro(x, y) && cara.contains(x, y); }

    std::optional<QRgb> operator()(int x, int y) const
    {
        if (!Dentro(x, y)) return std::nullopt;
        const bool borde = !Dentro(x - 1, y) || !Dentro(x + 1, y) || !Dentro(x, y - 1) || !Dentro(x, y + 1);
        if (!cara.contains(x, y)) {
            if (borde) return Contorno;
            // Thickness: the top edge catches the light, the sides less, shading darker away from the face.
            const bool arriba = y < cara.top();
            int d = arriba
                        ? cara.top() - y
                        : (x < cara.left() ? cara.left() - x : std::max(x - cara.right(), y - cara.bottom()));
            QRgb base = arriba ? qRgb(226, 216, 190) : qRgb(204, 192, 162);
            return Mezclar(base, qRgb(150, 138, 110), std::min(1.0, (d - 1) * 0.22));
        }
        if (borde) return ContornoCara;
        auto interior = [&](int a, int b) {
            if (!EnCara(a, b)) return false;
            return Dentro(a - 1, b) && Dentro(a + 1, b) && Dentro(a, b - 1) && Dentro(a, b + 1);
        };
        if (!interior(x - 1, y) || !interior(x, y - 1)) return Luz;
        if (!interior(x + 1, y) || !interior(x, y + 1)) return Sombra;
        // Groove across the middle, with a lit lip below or to the right of it.
        if (!tumbada) {
            int medio = cara.top() + cara.height() / 2;
            if (y == medio && x > cara.left() + 2 && x < cara.right() - 2) return Ranura;
            if (y == medio + 1 && x > cara.left() + 2 && x < cara.right() - 2) return Luz;
        } else {
            int medio = cara.left() + cara.width() / 2;
            if (x == medio && y > cara.top() + 2 && y < cara.bottom() - 2) return Ranura;
            if (x == medio + 1 && y > cara.top() + 2 && y < cara.bottom() - 2) return Luz;
        }
        return Cara();
    }
};

// A standing tile seen from above: its top edge, ivory on the face's side and black on the back.
std::optional<QRgb> Canto(int x, int y, int ancho, int alto, int lado)
{
    QRect r(0, 0, ancho, alto);
    auto dentro = [&](int a, int b) { return EnRectRedondo(r, a, b, 3); };
    if (!dentro(x, y)) return std::nullopt;
    const bool borde = !dentro(x - 1, y) || !dentro(x + 1, y) || !dentro(x, y - 1) || !dentro(x, y + 1);
    // Distance into the tile from the face's side: lado 1 left, 2 top, 3 right, 4 bottom.
    int d = lado == 1 ? x : lado == 2 ? y : lado == 3 ? ancho - 1 - x : alto - 1 - y;
    int grueso = lado == 1 || lado == 3 ? ancho : alto;
    if (d < 6) {
        if (borde) return Contorno;
        if (d == 5) return qRgb(120, 110, 90);
        return Mezclar(Luz, qRgb(214, 204, 178), d / 5.0);
    }
    if (borde) return qRgb(128, 128, 132);
    double t = double(d - 6) / std::max(1, grueso - 7);
    int v = int(std::lround(52 - 34 * t));
    // A soft sheen along the length.
    int a = lado == 1 || lado == 3 ? y : x;
    int largo = lado == 1 || lado == 3 ? alto : ancho;
    v += int(std::lround(10 * std::sin(3.14159 * a / largo)));
    return qRgb(v, v, v + 4);
}

} // namespace

QImage HojaDibujos()
{
    namespace d = rc::dibujos;
    QImage hoja = ImagenOpaca(d::Hoja.ancho, d::Hoja.alto, Qt::black);
    // White wherever no mask lies, so that the sheet reads as "nothing" through either pass.
    for (int y = d::DesplazamientoMascara; y < d::Hoja.alto; ++y)
        for (int x = 0; x < d::Hoja.ancho; ++x) hoja.setPixel(x, y, 0xFFFFFFFFu);

    // Large views: slots left of the middle show their right side, slots right of it their left side.
    for (int s = 1; s <= 7; ++s) {
        int lado = 4 - s; // 3..-3 px of side visible
        Bloque b{QRect(4, 4, 36, 73), QRect(4 + lado, 0, 36, 73), 44, 77, false};
        PonerSpritePixeles(hoja, d::VistaFichaGrande(s), b);
    }
    // Line tiles are seen from the table's middle: the thickness shows below and towards the centre.
    PonerSpritePixeles(hoja, d::FichaLineaDerecha2,
                       Bloque{QRect(0, 0, 36, 73), QRect(4, 4, 36, 73), 40, 77, false});
    PonerSpritePixeles(hoja, d::FichaLineaDerecha1,
                       Bloque{QRect(4, 0, 36, 73), QRect(0, 4, 36, 73), 40, 77, false});
    PonerSpritePixeles(hoja, d::FichaLineaTumbada2,
                       Bloque{QRect(0, 0, 73, 36), QRect(4, 4, 73, 36), 77, 40, true});
    PonerSpritePixeles(hoja, d::FichaLineaTumbada1,
                       Bloque{QRect(4, 0, 73, 36), QRect(0, 4, 73, 36), 77, 40, true});

    const ParMascara cantos[] = {d::FichaCanto1, d::FichaCanto2, d::FichaCanto3, d::FichaCanto4};
    for (int lado = 1; lado <= 4; ++lado) {
        Rect r = cantos[lado - 1].imagen;
        PonerSpritePixeles(hoja, cantos[lado - 1],
                           [&](int x, int y) { return Canto(x, y, r.ancho, r.alto, lado); });
    }
    return hoja;
}

namespace {

// A small face copied whole: outline, a lit edge, flat face under both pip squares, a groove between them
// and the thickness along the given sides.
void CaraPequena(QImage& hoja, Rect r, const Rect (&cuadros)[2], bool tumbada)
{
    const QRect c1 = ARect(cuadros[0]), c2 = ARect(cuadros[1]);
    QRect cara = c1.united(c2).adjusted(-1, -1, 1, 1);
    for (int y = 0; y < r.alto; ++y) {
        for (int x = 0; x < r.ancho; ++x) {
            QRgb c;
            const bool borde = x == 0 || y == 0 || x == r.ancho - 1 || y == r.alto - 1;
            const bool esquina = (x == 0 || x == r.ancho - 1) && (y == 0 || y == r.alto - 1);
            if (esquina)
                c = qRgb(40, 36, 28);
            else if (borde)
                c = Contorno;
            else if (!cara.contains(x, y))
                c = qRgb(200, 188, 158); // thickness
            else if (x == cara.left() || y == cara.top())
                c = Luz;
            else if (x == cara.right() || y == cara.bottom())
                c = Sombra;
            else if (c1.contains(x, y) || c2.contains(x, y))
                c = Cara();
            else {
                // Between the squares: the groove on the middle line, flat face elsewhere.
                int medio = tumbada ? (c1.right() + c2.left() + 1) / 2 : (c1.bottom() + c2.top() + 1) / 2;
                int k = tumbada ? x : y;
                c = k == medio ? Ranura : k == medio + 1 ? Luz : Cara();
            }
            hoja.setPixel(r.x + x, r.y + y, c);
        }
    }
}

} // namespace

QImage HojaPuntitos()
{
    namespace pt = rc::puntitos;
    QImage hoja = ImagenOpaca(pt::Hoja.ancho, pt::Hoja.alto, Qt::black);
    {
        QPainter p(&hoja);
        for (int fila = 0; fila <= 1; ++fila)
            for (int n = 1; n <= 6; ++n) {
                QRect r = ARect(pt::Puntos(n, fila));
                p.fillRect(r, ColorCara());
                DibujarPuntos(p, QRectF(r), n, fila == 0, 1.6, Qt::black, 0.29);
            }
    }
    CaraPequena(hoja, pt::CaraFichaTumbada3, pt::CarasTumbada3, true);
    CaraPequena(hoja, pt::CaraFichaTumbada1, pt::CarasTumbada1, true);
    CaraPequena(hoja, pt::CaraFichaDerecha, pt::CarasDerecha, false);
    return hoja;
}

QImage HojaPunNeg()
{
    namespace pn = rc::punneg;
    QImage hoja = ImagenOpaca(pn::Hoja.ancho, pn::Hoja.alto, ColorCara());
    QPainter p(&hoja);
    for (int fila = 0; fila <= 1; ++fila)
        for (int n = 1; n <= 6; ++n) {
            QRect r = ARect(pn::Puntos(n, fila));
            DibujarPuntos(p, QRectF(r).adjusted(1, 1, -1, -1), n, fila == 0, 3.3);
        }
    return hoja;
}

} // namespace zp::generador
