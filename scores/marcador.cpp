#include "scores/marcador.h"

#include "assets/recursos.h"
#include "engine/fin_mano.h"
#include "engine/sonidos.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "kit/pausa.h"
#include "platform/picture_box.h"
#include "scores/historic.h"
#include "scores/texto_hoja.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

namespace zp {

namespace {

constexpr int kAncho = 332;
constexpr int kAnchoIndividual = 483;
constexpr int kAlto = 463;
constexpr int kFilasBloc = 19; // ruled rows of the lengthened pad
constexpr int kAltoPapel = 380;
constexpr int kAyudaMarcador = 2181;

FontSpec FuenteBloc(bool negrita = false)
{
    return FontSpec{QStringLiteral("Arial"), 12, negrita}; // 9 pt
}

FontSpec FuentePapel(bool negrita = false)
{
    return FontSpec{QStringLiteral("Courier New"), 12, negrita}; // 9 pt, fixed pitch
}

// A dotted line straight down, three pixels on and three off.
void LineaPunteada(Surface& s, int x, int y1, int y2, QRgb color)
{
    for (int y = y1; y < y2; ++y)
        if ((y - y1) % 6 < 3) s.fillRect(x, y, 1, 1, color);
}

QString Numero(int n)
{
    return QString::number(n);
}

} // namespace

QString AlinearDerecha(const QString& texto, int ancho)
{
    return texto.rightJustified(ancho, QLatin1Char(' '), false);
}

QString AlinearIzquierda(const QString& texto, int ancho)
{
    return texto.leftJustified(ancho, QLatin1Char(' '), false);
}

QString TextoNumeroMano(int mano)
{
    return QLatin1Char(' ') + AlinearDerecha(Numero(mano), 2);
}

marcador::marcador(EstadoJuego& e, const Ajustes& a, std::string carpetaDatos, QWidget* padre)
    : DialogoFondo(padre, QStringLiteral("marcador"), QStringLiteral("Marcador")), e_(e), a_(a),
      carpeta_(std::move(carpetaDatos))
{
    Pic_Puntos = CrearCaja(fondo_, "Pic_Puntos");
    Pic_Informe = CrearCaja(fondo_, "Pic_Informe");
    Pic_Papel = CrearCaja(Pic_Informe, "Pic_Papel");
    Pic_BotAyuda =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotAyuda"), QStringLiteral("Ayuda sobre Marcador"));
    Pic_BotHistorico = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotHistorico"),
                                         QStringLiteral("Histórico de partidas jugadas"));
    Pic_BotSalir =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotSalir"), QStringLiteral("Salir del Marcador"));
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [] { PulsarAyudaDialogo(kAyudaMarcador); });
    connect(Pic_BotHistorico, &PictureBox::pressed, this, [this] { Pic_BotHistorico_MouseDown(); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { PulsarSalirDialogo(*this); });
    Form_Load();
}

PictureBox* marcador::CrearCaja(QWidget* padre, const char* nombre)
{
    auto* caja = new PictureBox(padre);
    caja->setObjectName(QString::fromLatin1(nombre));
    caja->hide();
    return caja;
}

void marcador::Form_Load()
{
    const int ancho = a_.ModoJuego == Modalidad::Individual ? kAnchoIndividual : kAncho;
    Centrar(QSize(ancho, kAlto));
    DibujarMarco();

    if (a_.ModoJuego == Modalidad::Individual)
        DibujarIndividual();
    else
        DibujarParejas();
    ColocarBotones();
    PunteroMesa(kPunteroNormal);
}

void marcador::DibujarMarco()
{
    Surface& s = fondo_->surface();
    const int w = s.width(), h = s.height();
    s.line(1, 1, w - 1, 1, kBlanco, 2);
    s.line(1, 1, 1, h - 1, kBlanco, 2);
    s.line(w - 1, h - 1, w - 1, 1, kGris, 2);
    s.line(w - 1, h - 1, 1, h - 1, kGris, 2);
}

void marcador::Escribir(PictureBox* caja, int x, int y, const QString& texto, const FontSpec& fuente,
                        QRgb color, bool cursiva)
{
    EscribirEnHoja(caja->surface(), x, y, texto, FuenteHoja(fuente, cursiva), color);
}

void marcador::DibujarParejas()
{
    Pic_Puntos->show();
    Pic_Puntos->setLogicalGeometry(QRect(20, 10, 290, 385));
    Surface bloc(290, 385, kBlanco);
    if (auto cabecera = Surface::load(QString::fromLatin1(recursos::marcador::Puntos)))
        bloc.blit(0, 0, cabecera->width(), cabecera->height(), *cabecera, 0, 0);
    // The header's one ruled row, copied down the pad, and the pad's bottom edge below the last one.
    bloc.blit(0, 361, 290, 24, bloc, 0, 76);
    for (int k = 1; k < kFilasBloc; ++k) bloc.blit(0, 76 + 15 * k, 290, 15, bloc, 0, 76);
    Pic_Puntos->setSurface(std::move(bloc));

    auto escribir = [this](int x, int y, const QString& texto, bool negrita = false) {
        Escribir(Pic_Puntos, x, y, texto, FuenteBloc(negrita), kAzul, true);
        textosPuntos_.push_back({x, y, texto, negrita, kAzul});
    };
    const QString meta = Numero(a_.PuntosPartida);
    const int w = AnchoEnHoja(meta, FuenteHoja(FuenteBloc(), true));
    escribir(162 - w / 2, 32, meta, true); // in the gap between "Partida a" and "puntos"

    const int numero = e_.NumeroMano;
    const int primera = numero > kFilasBloc ? numero - (kFilasBloc - 1) : 1;
    const int ultima = e_.ManoEnCurso ? numero - 1 : numero;
    CalcularTotales(e_, a_);
    const bool decenas = a_.SistemaAnotacion == Anotacion::Decenas;

    int y = 61;
    for (int i = primera; i <= ultima && i < int(e_.Anotaciones.size()); ++i) {
        const RegistroMano& m = e_.Anotaciones[std::size_t(i)];
        if (m.PuntosPareja1 == 0 && m.PuntosPareja2 == 0 && m.DecenasPareja1 == 0 && m.DecenasPareja2 == 0)
            continue;
        y += 15;
        escribir(i < 10 ? 26 : 22, y, TextoNumeroMano(i));
        escribir(59, y, AlinearIzquierda(QString::fromStdString(m.Sale), 11));
        struct Columna
        {
            Entero puntos, decenas;
            int x, xPuntos, xGuion, xDecenas;
        };
        for (const Columna& c : {Columna{m.PuntosPareja1, m.DecenasPareja1, 158, 142, 166, 173},
                                 Columna{m.PuntosPareja2, m.DecenasPareja2, 236, 221, 246, 253}}) {
            if (c.puntos <= 0) continue;
            if (!decenas) {
                escribir(c.x, y, AlinearDerecha(Numero(c.puntos), 3));
                continue;
            }
            escribir(c.xPuntos, y, AlinearDerecha(Numero(c.puntos), 3));
            escribir(c.xGuion, y, QStringLiteral("-"));
            escribir(c.xDecenas, y, AlinearDerecha(Numero(c.decenas), 3));
        }
    }

    if (e_.TotalPareja1 != 0 || e_.TotalPareja2 != 0) {
        Pic_Puntos->surface().line(140, y + 14, 275, y + 14, kAzul);
        escribir(158, y + 16, AlinearDerecha(Numero(e_.TotalPareja1), 3));
        escribir(236, y + 16, AlinearDerecha(Numero(e_.TotalPareja2), 3));
    }
}

void marcador::DibujarIndividual()
{
    Pic_Informe->show();
    Pic_Informe->setSurface(Surface(451, 387, kGrisClaro));
    Pic_Informe->setLogicalGeometry(QRect(17, 5, 451, 387));
    Pic_Papel->setSurface(Surface(440, kAltoPapel, kBlanco));
    // At rest until an activation makes it rise out of the slot.
    Pic_Papel->setLogicalGeometry(QRect(5, 2, 440, kAltoPapel));
    Pic_Papel->show();
    Surface& papel = Pic_Papel->surface();

    auto escribir = [this](int x, int y, const QString& texto, QRgb color, bool negrita = false) {
        Escribir(Pic_Papel, x, y, texto, FuentePapel(negrita), color, false);
    };
    escribir(150, 2, QStringLiteral("Informe de puntuación"), kRojo, true);
    papel.line(147, 15, 301, 15, kRojo);
    escribir(157, 19, QStringLiteral("Partida a ") + Numero(a_.PuntosPartida) + QStringLiteral(" puntos"),
             kVerde, true);

    std::vector<int> enJuego; // seats with a column, in seat order
    QString cabecera = QStringLiteral("Mano   Sale    ");
    for (int p = 1; p <= 4; ++p) {
        const AjustesJugador& j = a_.Jugador[std::size_t(p)];
        if (j.EstadoJugador != EstadoAsiento::Activado) continue;
        enJuego.push_back(p);
        cabecera += AlinearIzquierda(QString::fromStdString(j.NombreJugador).trimmed(), 10);
    }
    escribir(32, 40, cabecera, kNegro, true);

    const int numero = e_.NumeroMano;
    const int primera = numero > 20 ? numero - 19 : 1;
    const int ultima = e_.ManoEnCurso ? numero - 1 : numero;
    CalcularTotales(e_, a_);
    const bool decenas = a_.SistemaAnotacion == Anotacion::Decenas;

    int y = 41;
    for (int i = primera; i <= ultima && i < int(e_.Anotaciones.size()); ++i) {
        const RegistroMano& m = e_.Anotaciones[std::size_t(i)];
        y += 15;
        escribir(31, y, TextoNumeroMano(i), kAzul);
        escribir(67, y, AlinearIzquierda(QString::fromStdString(m.Sale), 11), kAzul);
        for (std::size_t k = 0; k < enJuego.size(); ++k) {
            const int c = int(k) + 1;
            const auto p = std::size_t(enJuego[k]);
            if (m.PuntosJugador[p] <= 0) continue;
            if (!decenas) {
                escribir(70 * c + 86, y, AlinearDerecha(Numero(m.PuntosJugador[p]), 3), kAzul);
                continue;
            }
            escribir(70 * c + 71, y, AlinearDerecha(Numero(m.PuntosJugador[p]), 3), kAzul);
            escribir(70 * c + 94, y, QStringLiteral("-"), kAzul);
            escribir(70 * c + 103, y, AlinearDerecha(Numero(m.DecenasJugador[p]), 3), kAzul);
        }
    }

    const bool totales =
        std::any_of(e_.PuntosJugador.begin() + 1, e_.PuntosJugador.end(), [](Entero t) { return t != 0; });
    if (totales) {
        y += 17;
        for (std::size_t k = 0; k < enJuego.size(); ++k)
            escribir(70 * (int(k) + 1) + 86, y,
                     AlinearDerecha(Numero(e_.PuntosJugador[std::size_t(enJuego[k])]), 3), kAzul);
    }

    const int abajo = y + 17;
    papel.line(25, 39, 414, 39, kNegro, 2);
    papel.line(25, 39, 25, abajo, kNegro, 2);
    papel.line(414, 39, 414, abajo, kNegro, 2);
    papel.line(25, abajo, 414, abajo, kNegro, 2);
    if (totales) {
        papel.line(25, 55, 414, 55, kNegro);
        papel.line(132, abajo - 16, 414, abajo - 16, kNegro);
    }
    for (int x : {62, 132, 202, 272, 342}) papel.line(x, 39, x, abajo, kNegro);

    // Punched holes and the margins.
    for (int k = 1; k <= 20; ++k) {
        papel.fillCircle(7, 19 * (k - 1) + 10, 3, kGrisClaro);
        papel.fillCircle(432, 19 * (k - 1) + 10, 3, kGrisClaro);
    }
    LineaPunteada(papel, 15, 0, kAltoPapel, kGris);
    LineaPunteada(papel, 424, 0, kAltoPapel, kGris);

    // The slot at the bottom of the tray out of which the paper rises.
    Surface& bandeja = Pic_Informe->surface();
    bandeja.fillBox(0, 374, 449, 384, kNegro);
    bandeja.fillBox(5, 380, 444, 384, kGrisPalido);
    bandeja.line(449, 374, 449, 385, kBlanco);
    bandeja.line(0, 384, 449, 384, kBlanco);
}

void marcador::ColocarBotones()
{
    const int w = fondo_->surface().width(), h = fondo_->surface().height();
    MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, h - 62));
    MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(w - 63, h - 62));
    MostrarBotonDialogo(*Pic_BotHistorico, recursos::bmpvario::BotonHistorico, QPoint(w / 2 - 24, h - 62));
}

void marcador::Form_Activate()
{
    // A return from another window during the slide must not start a second one.
    if (a_.ModoJuego != Modalidad::Individual || deslizando_) return;
    deslizando_ = true;
    Pic_Papel->moveLogical(QPoint(5, 380));
    repaint();
    for (int i = 0; i <= 378; i += 3) {
        PausaPrograma().MarcarInicioPausa(); // the drawing counts in the step
        Pic_Papel->moveLogical(QPoint(5, 380 - i));
        Pic_Informe->refresh();
        PausarKit(1);
    }
    deslizando_ = false;
}

bool marcador::event(QEvent* evento)
{
    const bool hecho = QDialog::event(evento);
    // Once the window shows: every activation, the first one included, replays the slide.
    if (evento->type() == QEvent::WindowActivate) QTimer::singleShot(0, this, [this] { Form_Activate(); });
    return hecho;
}

void marcador::keyPressEvent(QKeyEvent* evento)
{
    // Escape leaves as the exit button does; no other key does anything here.
    if (evento->key() == Qt::Key_Escape) PulsarSalirDialogo(*this);
    evento->accept();
}

void marcador::Pic_BotHistorico_MouseDown()
{
    PunteroMesa(kPunteroEspera);
    SonarKit(0, sonido::Clic);
    // The history window puts the pointer back itself as it opens.
    MostrarHistorico(carpeta_, this);
}

void MostrarMarcador(EstadoJuego& e, const Ajustes& a, const std::string& carpetaDatos, QWidget* padre)
{
    if (!padre) padre = Entorno().mesa;
    EjecutarDialogo(new marcador(e, a, carpetaDatos, padre));
}

} // namespace zp
