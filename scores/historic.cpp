#include "scores/historic.h"

#include "assets/recursos.h"
#include "engine/sonidos.h"
#include "kit/controles.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "platform/picture_box.h"

namespace zp {

namespace {

constexpr int kAncho = 483;
constexpr int kAlto = 463;
constexpr int kAyudaListado = 2183;
constexpr int kAyudaTotales = 2185;
// Each game takes two lines and a gap of 4, so the green rules 32 px apart fall between the games.
constexpr int kAltoLinea = 14;

const QString kCabeceraListado =
    QStringLiteral("Fecha / Hora           Ganadores / Perdedores                  Puntos");

// Title, heading, left edge, width and column line of each totals table.
struct FormaTabla
{
    const char* titulo;
    const char* cabecera;
    int izquierda, ancho, columna;
};
constexpr FormaTabla kTablas[] = {
    {"Partidas ganadas por jugador", "                  Jugador                   Partidas", 90, 200, 205},
    {"Puntos obtenidos por jugador", "                  Jugador                    Puntos", 90, 200, 205},
    {"Partidas ganadas por pareja", "                   Pareja                                Partidas", 60,
     260, 235},
    {"Puntos obtenidos por pareja", "                   Pareja                                 Puntos", 60,
     260, 235},
};

FontSpec FuentePagina(bool negrita)
{
    return FontSpec{QStringLiteral("Arial"), 11, negrita}; // 8.25 pt
}

QString Q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

historic::historic(std::string carpetaDatos, QWidget* padre)
    : DialogoFondo(padre, QStringLiteral("historic"), QStringLiteral("Fichero Histórico de resultados"),
                   true),
      carpeta_(std::move(carpetaDatos))
{
    Pic_BotAyuda = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotAyuda"),
                                     QStringLiteral("Ayuda sobre Histórico de partidas"));
    Pic_BotHisTt = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotHisTt"),
                                     QStringLiteral("Resúmenes del Histórico de partidas"));
    Pic_BotSalir = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotSalir"),
                                     QStringLiteral("Salir del Histórico de partidas"));
    Pic_Carpeta = new PictureBox(fondo_);
    Pic_Carpeta->setObjectName(QStringLiteral("Pic_Carpeta"));
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [this] { PulsarAyudaDialogo(AyudaActual()); });
    connect(Pic_BotHisTt, &PictureBox::pressed, this, [this] { Pic_BotHisTt_MouseDown(); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { PulsarSalirDialogo(*this); });
    connect(Pic_Carpeta, &PictureBox::pressed, this,
            [this](const PointerEvent& e) { Pic_Carpeta_MouseDown(e); });
    connect(Pic_Carpeta, &PictureBox::moved, this,
            [this](const PointerEvent& e) { Pic_Carpeta_MouseMove(e); });
    Pic_Carpeta->setMouseTracking(true);
    Form_Load();
}

Entero historic::AyudaActual() const
{
    return Pic_BotHisTt->isVisibleTo(this) ? kAyudaListado : kAyudaTotales;
}

void historic::Form_Load()
{
    PunteroMesa(kPunteroNormal);
    Centrar(QSize(kAncho, kAlto));
    setFixedSize(geometry().size());
    BordeElevado(fondo_->surface());

    MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, kAlto - 62));
    MostrarBotonDialogo(*Pic_BotHisTt, recursos::bmpvario::BotonTotales, QPoint(kAncho / 2 - 24, kAlto - 62));
    MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(kAncho - 63, kAlto - 62));

    Pic_Carpeta->setSurface(Surface(kAnchoPaginaHistorico, kAltoPaginaHistorico, kBlanco));
    Pic_Carpeta->setLogicalGeometry(QRect(59, 42, kAnchoPaginaHistorico, kAltoPaginaHistorico));

    Lis_Datos_ = RecientesPrimero(LeerHistorico(carpeta_));
    // With nothing recorded there is nothing to add up.
    if (!Lis_Datos_.empty())
        PonerCursor(Pic_BotHisTt, "ManoIndice");
    else
        PonerPuntero(Pic_BotHisTt, kPunteroProhibido);

    VistaTotales_ = false;
    VistaListado_ = true;
    ListarPartidas(0);
}

int historic::AnchoTexto(const QString& texto, bool negrita, bool cursiva) const
{
    return AnchoEnHoja(texto, FuenteHoja(FuentePagina(negrita), cursiva));
}

void historic::Escribir(int x, int y, const QString& texto, bool negrita, bool cursiva, QRgb color)
{
    EscribirEnHoja(Pic_Carpeta->surface(), x, y, texto, FuenteHoja(FuentePagina(negrita), cursiva), color);
    textos_.push_back({x, y, texto, negrita, color});
}

void historic::ListarPartidas(int primera)
{
    Surface& s = Pic_Carpeta->surface();
    const int w = s.width(), h = s.height();
    textos_.clear();
    s.clear();
    if (auto pieza = Surface::load(QString::fromLatin1(recursos::historic::Carpeta)))
        s.blit(0, 0, pieza->width(), pieza->height(), *pieza, 0, 0);
    // The binder's rings down the left edge, the folded corners, and the page's right edge.
    s.blit(0, 272, 51, 17, s, 0, 25);
    for (int y = 25; y <= 232; y += 23) s.blit(0, y, 51, 23, s, 0, 2);
    s.blit(0, 255, 51, 17, s, 0, 2);
    s.blit(340, 0, 25, 289, s, 26, 0);
    s.fillBox(26, 0, 50, 288, kBlanco);
    s.line(26, 0, 340, 0, kNegro);
    s.line(26, 288, 340, 288, kNegro);

    s.box(15, 5, w - 5, h - 17, kRojo);
    s.line(15, 20, w - 5, 20, kRojo);
    s.line(85, 5, 85, h - 17, kRojo);
    s.line(292, 5, 292, h - 17, kRojo);
    for (int y = 50; y <= 270; y += 32) s.line(16, y, w - 5, y, kVerdeVivo);

    Escribir(18, 6, kCabeceraListado, true, false, kNegro);
    int y = 21;
    const int fin = std::min<int>(primera + kLineasPaginaHistorico, int(Lis_Datos_.size()));
    for (int i = std::max(primera, 0); i < fin; ++i) {
        const LineasPartida l = TextosPartida(Lis_Datos_[std::size_t(i)]);
        // Date or time, names, and the points centred on their column.
        auto linea = [&](int x, const std::string& cuando, const std::string& nombres,
                         const std::string& puntos) {
            Escribir(x, y, Q(cuando), false, true, kAzul);
            if (!nombres.empty()) Escribir(90, y, Q(nombres), false, true, kAzul);
            if (!puntos.empty())
                Escribir(325 - AnchoTexto(Q(puntos), false, true) / 2, y, Q(puntos), false, true, kAzul);
            y += kAltoLinea;
        };
        linea(22, l.Fecha, l.Ganadores, l.PuntosGanadores);
        linea(35, l.Hora, l.Perdedores, l.PuntosPerdedores);
        y += 4;
    }
    Pic_Carpeta->invalidate();
}

void historic::ListaTotales(int primera)
{
    Surface& s = Pic_Carpeta->surface();
    const int w = s.width(), h = s.height();
    textos_.clear();
    s.fillBox(15, 5, w - 5, h - 17, kBlanco);
    // Every page starts with a real line of its table; a history that vanished since has no page at all.
    if (primera < 0 || primera >= int(Lis_Totales_.size()) || !Lis_Totales_[std::size_t(primera)]) {
        Pic_Carpeta->invalidate();
        return;
    }
    const TablaTotales tabla = Lis_Totales_[std::size_t(primera)]->Tabla;
    const FormaTabla& f = kTablas[int(tabla) - 1];
    const QString titulo = QString::fromUtf8(f.titulo);
    Escribir((w - AnchoTexto(titulo, true, false)) / 2, 15, titulo, true, false, kVerde);
    s.box(f.izquierda, 45, f.izquierda + f.ancho, 260, kRojo);
    s.line(f.izquierda, 60, f.izquierda + f.ancho, 60, kRojo);
    s.line(f.columna, 45, f.columna, 260, kRojo);
    for (int y = 85; y <= 235; y += 25) s.line(f.izquierda + 1, y, f.izquierda + f.ancho, y, kVerdeVivo);
    Escribir(70, 46, QString::fromUtf8(f.cabecera), true, false, kNegro);

    const bool parejas = TablaDeParejas(tabla);
    int y = 68;
    const int fin = std::min<int>(primera + kLineasPaginaHistorico, int(Lis_Totales_.size()));
    for (int i = primera; i < fin; ++i, y += 25) {
        const auto& linea = Lis_Totales_[std::size_t(i)];
        if (!linea) continue;
        const QString nombre =
            parejas ? Q(linea->Nombre1) + QStringLiteral(" y ") + Q(linea->Nombre2) : Q(linea->Nombre1);
        const QString cuenta = QString::number(linea->Cuenta);
        Escribir(parejas ? 80 : 110, y, nombre, false, true, kAzul);
        Escribir((parejas ? 285 : 255) - AnchoTexto(cuenta, false, true), y, cuenta, false, true, kAzul);
    }
    Pic_Carpeta->invalidate();
}

int historic::LineasVista() const
{
    return VistaTotales_ ? int(Lis_Totales_.size()) : int(Lis_Datos_.size());
}

void historic::Pic_Carpeta_MouseDown(const PointerEvent& evento)
{
    const EsquinaPagina esquina =
        EsquinaEn(evento.position.x(), evento.position.y(), PrimeraLinea_, LineasVista());
    if (esquina == EsquinaPagina::Ninguna) return;
    SonarKit(0, sonido::Pagina);
    PrimeraLinea_ += esquina == EsquinaPagina::Adelante ? kLineasPaginaHistorico : -kLineasPaginaHistorico;
    if (VistaListado_)
        ListarPartidas(PrimeraLinea_);
    else
        ListaTotales(PrimeraLinea_);
    // The corner may have nothing to turn to now.
    Pic_Carpeta_MouseMove(evento);
}

void historic::Pic_Carpeta_MouseMove(const PointerEvent& evento)
{
    const bool activa = EsquinaEn(evento.position.x(), evento.position.y(), PrimeraLinea_, LineasVista()) !=
                        EsquinaPagina::Ninguna;
    ManoSiEncima(Pic_Carpeta, activa);
}

void historic::Pic_BotHisTt_MouseDown()
{
    if (PunteroDe(Pic_BotHisTt) == kPunteroProhibido) return;
    SonarKit(0, sonido::Clic);
    Pic_BotHisTt->hide();
    VistaListado_ = false;
    Lis_Totales_ = CalcularTotalesHistorico(LeerHistorico(carpeta_));
    VistaTotales_ = true;
    PrimeraLinea_ = 0;
    ListaTotales(0);
}

void MostrarHistorico(const std::string& carpetaDatos, QWidget* padre)
{
    if (!padre) padre = Entorno().mesa;
    EjecutarDialogo(new historic(carpetaDatos, padre));
}

} // namespace zp
