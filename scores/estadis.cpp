#include "scores/estadis.h"

#include "assets/recursos.h"
#include "kit/controles.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/mensajes.h"
#include "platform/picture_box.h"
#include "platform/printer.h"

#include <QKeyEvent>
#include <algorithm>

namespace zp {

namespace {

constexpr int kAyudaEstadisticas = 2161;
constexpr int kPaso = 7; // pixels a character of the sheet
// The window as designed, before any sheet was drawn on it.
constexpr int kAnchoDisenado = 798;
constexpr int kAltoDisenado = 598;
constexpr const char* kFicheroImpreso = "Estadisticas.pdf";

QFont FuenteTexto()
{
    return FuenteHoja(FontSpec{QStringLiteral("Courier New"), 11, false}, false); // 8.25 pt
}

// A line of `ancho` blanks with `texto` ending at character `fin` (counted from 1).
void PonerAlFinal(QString& linea, const QString& texto, int fin)
{
    linea.replace(fin - int(texto.size()), int(texto.size()), texto);
}

// "#": a count of 0 shows nothing.
QString Cifra(int n)
{
    return n == 0 ? QString() : QString::number(n);
}

} // namespace

estadis::estadis(const EstadoJuego& e, const Ajustes& a, std::string carpetaDatos, QWidget* padre)
    : DialogoFondo(padre, QStringLiteral("estadis"), QStringLiteral("Estadísticas")), e_(e), a_(a),
      carpeta_(std::move(carpetaDatos))
{
    Texto = new PictureBox(fondo_);
    Texto->setObjectName(QStringLiteral("Texto"));
    Pic_BotAyuda =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotAyuda"), QStringLiteral("Ayuda sobre Estadísticas"));
    Pic_BotSalir =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotSalir"), QStringLiteral("Salir de Estadísticas"));
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [] { PulsarAyudaDialogo(kAyudaEstadisticas); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { PulsarSalirDialogo(*this); });
    Form_Load();
}

void estadis::Form_Load()
{
    PunteroMesa(kPunteroNormal);
    if (e_.PartidaEnCurso && !e_.RepartoEnCurso) {
        Estadisticas();
        return;
    }
    // Nothing to count: the empty sheet at the window's designed size, with its way out.
    XEscritura = kAnchoDisenado;
    YEscritura = kAltoDisenado - 118;
    Texto->setSurface(Surface(XEscritura - 22, YEscritura + 30, kBlanco));
    DibujaFondo();
}

void estadis::Escribir(int x, int y, const QString& texto, QRgb color)
{
    EscribirEnRejilla(Texto->surface(), x, y, texto, FuenteTexto(), color, kPaso);
    textos_.push_back({x, y, texto, false, color});
}

// A tile stood upright: its separator at (x, y), one number above it and the other below.
void estadis::FichaPequena(int x, int y, const FichaVista& f, int separador, QRgb color, QRgb colorNumeros)
{
    Texto->surface().line(x, y, x + separador, y, color);
    Escribir(x, y - 13, QString::number(f.Arriba), colorNumeros);
    Escribir(x, y - 1, QString::number(f.Abajo), colorNumeros);
}

void estadis::Estadisticas()
{
    const EstadisticasMano s = CalcularEstadisticas(e_, a_);
    const int n = int(s.Filas.size());
    const int M = std::max(80 + 15 * s.FichasFilaMasLarga(), 145);
    const int P = M + 25;
    const int C = 72 + 28 * n;
    XEscritura = std::max(M + 397, 614);
    YEscritura = C + 189;
    Texto->setSurface(Surface(XEscritura - 22, YEscritura + 30, kBlanco));

    DibujarFilas(s, M, P);
    DibujarCuadro(s, C);
    DibujarPuestas(s, C);
    DibujarQueCasan(s, C);
    DibujaFondo();
}

void estadis::DibujarFilas(const EstadisticasMano& s, int M, int P)
{
    Surface& t = Texto->surface();
    const int n = int(s.Filas.size());
    Escribir(20, 17, QStringLiteral("            Fichas"));
    Escribir(20, 28, QStringLiteral(" Jugador    puestas"));
    Escribir(P, 17, QStringLiteral("Palos cortados   Palos de cara     Ha pasado"));
    for (int k = 0; k <= 44; k += 2)
        if (k != 14 && k != 30) t.fillBox(P + 7 + 7 * k, 32, P + 13 + 7 * k, 42 + 28 * n, kGrisPalido);
    Escribir(P, 30, QStringLiteral(" 0 1 2 3 4 5 6   0 1 2 3 4 5 6   0 1 2 3 4 5 6"));

    for (int j = 1; j <= n; ++j) {
        const FilaEstadisticas& f = s.Filas[std::size_t(j - 1)];
        Escribir(20, 21 + 28 * j, QString::fromStdString(a_.Jugador[std::size_t(f.Asiento)].NombreJugador));
        for (std::size_t i = 0; i < f.Fichas.size(); ++i)
            FichaPequena(80 + 15 * (int(i) + 1), 29 + 28 * j, f.Fichas[i], 7, kAzul, kAzul);
        QString palos(46, QLatin1Char(' '));
        for (int d = 0; d <= 6; ++d) {
            const auto c = std::size_t(d);
            if (f.PalosCortados[c] > 0) palos[2 * d + 1] = QChar('0' + std::min<int>(f.PalosCortados[c], 9));
            if (f.PalosDeCara[c] > 0) palos[2 * d + 17] = QChar('0' + std::min<int>(f.PalosDeCara[c], 9));
            if (f.HaPasado[c] != 0) palos[2 * d + 33] = QLatin1Char('X');
        }
        Escribir(P, 22 + 28 * j, palos, kAzul);
    }

    // The frame of both blocks, the rules under the headings and between the players, the columns.
    t.box(17, 17, 17 + P + 313, 17 + 26 + 28 * n, kNegro);
    t.line(M + 20, 31, M + 356, 31, kNegro);
    t.line(17, 43, 17 + P + 313, 43, kNegro);
    for (int j = 1; j < n; ++j) t.line(17, 43 + 28 * j, 17 + P + 313, 43 + 28 * j, kGris);
    for (int x : {88, M + 20, M + 133, M + 246}) t.line(x, 17, x, 17 + 26 + 28 * n, kNegro);
}

void estadis::DibujarCuadro(const EstadisticasMano& s, int C)
{
    Surface& t = Texto->surface();
    t.box(17, C, 17 + 147, C + 202, kNegro);
    t.line(17, C + 34, 17 + 147, C + 34, kNegro);
    for (int i = 1; i <= 6; ++i) {
        t.line(18, C + 34 + 24 * i, 18 + 21 * (i + 1), C + 34 + 24 * i, kGris);
        t.line(17 + 21 * i, C + 35 + 24 * (i - 1), 17 + 21 * i, C + 35 + 24 * (i - 1) + 24 * (8 - i) - 1,
               kGris);
    }
    Escribir(29, C + 3, QStringLiteral("Cuadro de fichas"));
    Escribir(24, C + 17, QStringLiteral("Puestas"), kRojo);
    Escribir(75, C + 17, QStringLiteral("/"));
    Escribir(86, C + 17, QStringLiteral("No puestas"), kVerde);
    for (int x = 0; x <= 6; ++x)
        for (int y = 0; y <= x; ++y) {
            const QRgb color = s.Puesta[std::size_t(x)][std::size_t(y)] ? kRojo : kVerde;
            FichaPequena(24 + 21 * y, C + 46 + 24 * x, FichaVista{Entero(x), Entero(y)}, 8, color, color);
        }
}

void estadis::DibujarPuestas(const EstadisticasMano& s, int C)
{
    Surface& t = Texto->surface();
    // Numbers laid and not laid.
    for (int k = 1; k <= 13; k += 2) t.fillBox(263 + 7 * k, C + 34, 269 + 7 * k, C + 82, kGrisPalido);
    t.box(263, C + 18, 263 + 105, C + 82, kNegro);
    t.box(186, C + 46, 186 + 182, C + 82, kNegro);
    t.line(263, C + 34, 263 + 105, C + 34, kNegro);
    t.line(186, C + 64, 186 + 182, C + 64, kGris);
    Escribir(193, C + 19, QStringLiteral("              P a l o"));
    Escribir(193, C + 33, QStringLiteral("           0 1 2 3 4 5 6"));
    QString puestos(28, QLatin1Char(' ')), noPuestos(28, QLatin1Char(' '));
    for (int d = 0; d <= 6; ++d) {
        const int cuenta = s.PalosPuestos[std::size_t(d)];
        PonerAlFinal(puestos, Cifra(cuenta), 2 * d + 12);
        PonerAlFinal(noPuestos, Cifra(kFichasPorNumero - cuenta), 2 * d + 12);
    }
    Escribir(190, C + 48, QStringLiteral("Puestas"));
    Escribir(193, C + 48, puestos, kAzul);
    Escribir(190, C + 66, QStringLiteral("No puestas"));
    Escribir(193, C + 66, noPuestos, kAzul);

    // Tiles and points laid and not laid; here a zero shows.
    t.box(468, C + 26, 468 + 105, C + 82, kNegro);
    t.box(391, C + 46, 391 + 182, C + 82, kNegro);
    t.line(391, C + 64, 391 + 182, C + 64, kGris);
    t.line(521, C + 27, 521, C + 82, kGris);
    Escribir(395, C + 28, QStringLiteral("           Fichas  Puntos"));
    auto totales = [](int fichas, int puntos) {
        QString linea(28, QLatin1Char(' '));
        PonerAlFinal(linea, QString::number(fichas), 15);
        PonerAlFinal(linea, QString::number(puntos), 23);
        return linea;
    };
    Escribir(395, C + 48, QStringLiteral("Puestas"));
    Escribir(395, C + 48, totales(s.FichasPuestas, s.PuntosPuestos), kAzul);
    Escribir(395, C + 66, QStringLiteral("No puestas"));
    Escribir(395, C + 66, totales(kFichasJuego - s.FichasPuestas, kPuntosJuego - s.PuntosPuestos), kAzul);
}

void estadis::DibujarQueCasan(const EstadisticasMano& s, int C)
{
    Surface& t = Texto->surface();
    Escribir(322, C + 104, QStringLiteral("Fichas que casan"));
    const int R = int(s.FichasQueCasan.size());
    for (int r = 1; r <= R; ++r) {
        const auto& lista = s.FichasQueCasan[std::size_t(r - 1)];
        for (std::size_t i = 0; i < lista.size(); ++i)
            FichaPequena(323 + 15 * (int(i) + 1), C + 107 + 28 * r, lista[i], 7, kAzul,
                         lista[i].Marcada ? kMagenta : kAzul);
    }
    t.box(318, C + 103, 318 + 121, C + 103 + 19 + 28 * R, kNegro);
    t.line(318, C + 119, 318 + 121, C + 119, kNegro);
}

void estadis::DibujaFondo()
{
    const int W = XEscritura, H = YEscritura;
    Centrar(QSize(W, H + 118));
    Surface& f = fondo_->surface();
    const int SW = f.width(), SH = f.height();

    const QRect texto(10, 10, W - 22, H + 30);
    Texto->setLogicalGeometry(texto);
    BordeElevado(f);
    const int L = texto.x(), T = texto.y(), w = texto.width(), h = texto.height();
    f.line(L - 1, T - 1, L + w + 1, T - 1, kGris, 2);
    f.line(L - 1, T - 1, L - 1, T + h + 1, kGris, 2);
    f.line(L + w + 1, T + h + 1, L + w + 1, T, kGrisPalido, 2);
    f.line(L + w + 1, T + h + 1, L, T + h, kGrisPalido, 2);

    MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, SH - 62));
    MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(SW - 63, SH - 62));
}

void estadis::keyPressEvent(QKeyEvent* evento)
{
    evento->accept();
    // Only a key that types a character closes: Shift on its way to a capital P does not.
    if (evento->text().isEmpty()) return;
    Form_KeyPress(evento->text().front());
}

void estadis::Form_KeyPress(QChar tecla)
{
    if (tecla == QLatin1Char('p') || tecla == QLatin1Char('P')) Imprimir();
    done(QDialog::Accepted);
    PunteroMesa(kPunteroNormal);
}

void estadis::Imprimir()
{
    const QString ruta = QString::fromStdString(carpeta_) + QString::fromLatin1(kFicheroImpreso);
    const PrintResult r = printImage(grab().toImage(), ruta);
    if (r.done && r.toPrinter) return;
    if (r.done) {
        MostrarMensaje(
            QStringLiteral("Imprimir estadísticas"),
            QStringLiteral("No hay ninguna impresora instalada. La hoja de estadísticas se ha guardado "
                           "en el fichero:\r\n") +
                r.pdfPath,
            4, 1);
        return;
    }
    MostrarMensaje(QStringLiteral("Imprimir estadísticas"),
                   QStringLiteral("No se ha podido imprimir la hoja de estadísticas."), 1, 1);
}

void MostrarEstadisticas(const EstadoJuego& e, const Ajustes& a, const std::string& carpetaDatos,
                         QWidget* padre)
{
    if (!padre) padre = Entorno().mesa;
    EjecutarDialogo(new estadis(e, a, carpetaDatos, padre));
}

} // namespace zp
