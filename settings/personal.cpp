#include "settings/personal.h"

#include "assets/recursos.h"
#include "kit/controles_buleano.h"
#include "kit/controles_enmarcada.h"
#include "kit/controles_potenciometro.h"
#include "kit/controles_selector.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "settings/core/fichero_estado.h"
#include "settings/fondo_mesa.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace zp {

namespace {

constexpr int kAncho = 799, kAlto = 510;
constexpr Entero kAyudaPersonal = 2121;
constexpr QSize kTamanoTexto{121, 19};
constexpr QSize kTamanoGrafico{83, 19};
constexpr QRgb kVerdeOscuro = rgbFromBgr(0x008000);

// Top-left corner of each seat's panel: 1 left, 2 top, 3 right, 4 bottom, as on the table.
constexpr std::array<QPoint, 5> kPanel = {QPoint(), QPoint(19, 182), QPoint(245, 33), QPoint(468, 182),
                                          QPoint(245, 331)};
constexpr QPoint kFigura{338, 204};
// The network block.
constexpr QRect kBloqueRed{577, 21, 187, 148};

// Each switch's caption, a fixed text of 22 characters.
QString TituloBuleano(Entero indice)
{
    static const char* const titulos[] = {"", "Sonido", "Pausa entre jugadas", "Jugar en red"};
    return QString::fromUtf8(titulos[indice]).leftJustified(22);
}

QLineEdit* CrearTexto(QWidget* padre, const QString& nombre, int largo, QSize tamano)
{
    auto* texto = new QLineEdit(padre);
    texto->setObjectName(nombre);
    texto->setMaxLength(largo);
    texto->setFont(FuenteCaja(FuenteControles(true), true));
    texto->setTextMargins(0, 0, 0, 0);
    MoverControl(*texto, QPoint(0, 0), tamano);
    texto->hide();
    return texto;
}

void ColorTexto(QLineEdit& texto, QRgb color)
{
    QPalette p = texto.palette();
    p.setColor(QPalette::Text, QColor::fromRgb(color));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor::fromRgb(color));
    texto.setPalette(p);
}

// Sets the text only when it differs, so that its caret stays where the person left it.
void PonerTexto(QLineEdit& texto, const std::string& utf8)
{
    const QString nuevo = QString::fromStdString(utf8);
    if (texto.text() != nuevo) texto.setText(nuevo);
}

} // namespace

personal::personal(ContextoAjustes c, QWidget* padre)
    : DialogoFondo(padre, QStringLiteral("personal"), QStringLiteral("Personalizar")), c_(c)
{
    setFocusPolicy(Qt::StrongFocus);
    CrearControles();
    Form_Load();
}

void personal::CrearControles()
{
    auto caja = [this](const QString& nombre, QSize tamano) {
        return CrearCajaDialogo(fondo_, nombre, tamano);
    };
    for (int n : {1, 2, 3, 5, 11, 12, 13, 14, 21, 22, 23, 24, 25, 26, 27, 28, 31, 32, 33, 34}) {
        const auto i = Entero(n);
        PictureBox* p = caja(QStringLiteral("Pic_Selector(%1)").arg(i), QSize(AnchoSelector(i) + 2, 38));
        Pic_Selector[std::size_t(i)] = p;
        connect(p, &PictureBox::pressed, this, [this, i](const PointerEvent& e) {
            if (!saliendo_) Pic_Selector_MouseDown(i, e.position);
        });
        connect(p, &PictureBox::moved, this,
                [this, i](const PointerEvent& e) { Pic_Selector_MouseMove(i, e.position); });
    }
    for (Entero i = 1; i <= 3; ++i) {
        PictureBox* p = caja(QStringLiteral("Pic_Buleano(%1)").arg(i), QSize(20, 17));
        Pic_Buleano[std::size_t(i)] = p;
        connect(p, &PictureBox::pressed, this, [this, i] {
            if (!saliendo_) Pic_Buleano_MouseDown(i);
        });
    }
    for (int n : {1, 11, 12, 13, 14}) {
        const auto i = Entero(n);
        PictureBox* p = caja(QStringLiteral("Pic_Potenciometro(%1)").arg(i), QSize(131, 43));
        Pic_Potenciometro[std::size_t(i)] = p;
        connect(p, &PictureBox::pressed, this, [this, i](const PointerEvent& e) {
            if (!saliendo_) Pic_Potenciometro_MouseDown(i, e);
        });
        connect(p, &PictureBox::moved, this,
                [this, i](const PointerEvent& e) { Pic_Potenciometro_MouseMove(i, e); });
        connect(p, &PictureBox::released, this, [this, i] { Pic_Potenciometro_MouseUp(i); });
    }

    // Addresses: digits, dots and blanks; the rest of the rule is checked on leaving.
    const auto* soloDireccion =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9. ]*")), this);
    for (Entero s = 1; s <= 4; ++s) {
        QLineEdit* t = CrearTexto(fondo_, QStringLiteral("Txt_Nombre(%1)").arg(s), 9, kTamanoTexto);
        Txt_Nombre[std::size_t(s)] = t;
        connect(t, &QLineEdit::textChanged, this, [this, s] { Txt_Nombre_Change(s); });
    }
    for (Entero s = 1; s <= 3; ++s) {
        QLineEdit* t = CrearTexto(fondo_, QStringLiteral("Txt_IPCliente(%1)").arg(s), 15, kTamanoTexto);
        t->setValidator(soloDireccion);
        Txt_IPCliente[std::size_t(s)] = t;
        connect(t, &QLineEdit::textChanged, this, [this, s] { Txt_IPCliente_Change(s); });
    }
    Txt_IPAdmin = CrearTexto(fondo_, QStringLiteral("Txt_IPAdmin"), 15, kTamanoTexto);
    Txt_IPAdmin->setValidator(soloDireccion);
    connect(Txt_IPAdmin, &QLineEdit::textChanged, this, [this] { Txt_IPAdmin_Change(); });
    Tex_Grafico = CrearTexto(fondo_, QStringLiteral("Tex_Grafico"), 64, kTamanoGrafico);
    connect(Tex_Grafico, &QLineEdit::returnPressed, this, [this] { Tex_Grafico_KeyPress(); });

    Pic_BotAyuda =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotAyuda"), QStringLiteral("Ayuda sobre Personalizar"));
    Pic_BotSalir =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotSalir"), QStringLiteral("Salir de Personalizar"));
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [] { PulsarAyudaDialogo(kAyudaPersonal); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { Pic_BotSalir_MouseDown(); });
    // A click on the window's ground takes the focus from the text boxes.
    connect(fondo_, &PictureBox::pressed, this, [this] { setFocus(); });
}

void personal::Form_Load()
{
    Centrar(QSize(kAncho, kAlto));

    const Ajustes& a = c_.a;
    for (std::size_t s = 1; s <= 4; ++s) {
        const AjustesJugador& j = a.Jugador[s];
        NombreAntes[s] = j.NombreJugador;
        EstadoAntes[s] = j.EstadoJugador;
        ControlAntes[s] = j.ControlJugador;
        CaracterAntes[s] = j.CaracterJugador;
        NivelAntes[s] = j.NivelJugador;
        IPAntes[s] = j.DireccionIP;
    }
    JuegoEnRedAntes = a.JuegoEnRed;
    ModoRedAntes = a.ModoRed;
    SentidoAntes = a.SentidoJuego;
    ListaAntes = a.ListaJugadas;
    PausaAntes = a.PausaEntreJugadas;

    // The game as it stands, for network play to give back should it begin here. A game already set aside
    // when network play began is another matter: network play ended without giving it back (a lost
    // connection, a crash and a new start), and it stays as it is. A write that fails leaves no file.
    if (!a.JuegoEnRed && !HaySituacionApartada(c_.CarpetaDatos))
        tomadaAlAbrir_ = !GrabarEstado(c_.CarpetaDatos, kFicheroAntesDeRed, c_.e, c_.a).has_value();

    CargarEtiquetasOpciones(opciones_, a.ModoJuego);

    DibujaPersonal();
    PunteroMesa(kPunteroNormal);
}

void personal::NormalizarAsientos()
{
    Ajustes& a = c_.a;
    const bool enRed =
        a.JuegoEnRed && (a.ModoRed == PapelRed::Administrador || c_.servicios.ClienteConectado());
    for (std::size_t s = 1; s <= 4; ++s) {
        AjustesJugador& j = a.Jugador[s];
        if (enRed && s <= 3) {
            if (j.ControlJugador == Control::Manual) j.ControlJugador = Control::Automatico;
            if (j.FichasJugador == VistaFichas::Visibles) j.FichasJugador = VistaFichas::Ocultas;
        } else if (enRed) {
            if (j.ControlJugador == Control::Automatico) j.ControlJugador = Control::Manual;
            if (j.FichasJugador == VistaFichas::Ocultas) j.FichasJugador = VistaFichas::Visibles;
        } else if (s <= 3 && j.ControlJugador == Control::Remoto) {
            j.ControlJugador = Control::Automatico;
        }
    }
}

void personal::DibujaPersonal()
{
    NormalizarAsientos();
    if (c_.e.ManoEnCurso && !c_.servicios.EsperandoConexiones())
        for (Entero s = 1; s <= 4; ++s) c_.servicios.DibujarMano(s);

    Surface& f = fondo_->surface();
    BordeElevado(f);
    // The purple cross behind the panels: seats 1 and 3 across, 2 and 4 down.
    f.fillRect(16, 179, 766, 150, kPurpura);
    f.fillRect(242, 30, 317, 448, kPurpura);
    DibujarFigura();
    for (int s = 1; s <= 4; ++s) DibujarAsiento(s);

    const std::pair<Entero, QPoint> generales[] = {{3, {40, 23}}, {2, {40, 74}}, {5, {40, 125}}};
    for (const auto& [i, lugar] : generales) {
        Pic_Selector[std::size_t(i)]->moveLogical(lugar);
        Dibujar(i);
        Pic_Selector[std::size_t(i)]->show();
    }
    DibujarRed();

    PictureBox* velocidad = Pic_Potenciometro[1];
    velocidad->moveLogical(QPoint(606, 360));
    DibujarPotenciometro(*velocidad, c_.a.Velocidad, QStringLiteral(" Velocidad de juego  "));
    velocidad->show();
    Pic_Buleano[2]->moveLogical(QPoint(68, 355));
    Pic_Buleano[1]->moveLogical(QPoint(68, 400));
    for (Entero i : {Entero(2), Entero(1)}) {
        DibujarBuleano(i);
        PonerCursor(Pic_Buleano[std::size_t(i)], "ManoIndice");
    }

    MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, 448));
    MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(736, 448));
    fondo_->invalidate();
}

void personal::DibujarFigura()
{
    const char* ruta =
        c_.a.SentidoJuego == Sentido::Directo ? recursos::personal::Directo : recursos::personal::Inverso;
    const auto& tamano = recursos::personal::Figura;
    Surface& f = fondo_->surface();
    if (auto figura = Surface::load(QString::fromLatin1(ruta)))
        f.blit(kFigura.x(), kFigura.y(), tamano.ancho, tamano.alto, *figura, 0, 0);
    else
        f.fillRect(kFigura.x(), kFigura.y(), tamano.ancho, tamano.alto, kGrisClaro);
}

void personal::DibujarAsiento(int s)
{
    const auto i = std::size_t(s);
    const int x = kPanel[i].x(), y = kPanel[i].y();
    Surface& f = fondo_->surface();
    // A raised panel, two pixels of frame.
    f.fillRect(x, y, 312, 144, kGrisClaro);
    f.box(x, y, x + 311, y + 143, kGris);
    f.box(x + 1, y + 1, x + 310, y + 142, kGris);
    for (int k = 0; k <= 1; ++k) {
        f.line(x + k, y + k, x + 311 - k, y + k, kBlanco);
        f.line(x + k, y + k, x + k, y + 143 - k, kBlanco);
    }
    const AjustesJugador& j = c_.a.Jugador[i];
    DibujarEtiquetaEnmarcada(f, *Txt_Nombre[i], kTamanoTexto, x + 6, y + 11,
                             QStringLiteral(" Nombre del jugador  "));
    PonerTexto(*Txt_Nombre[i], j.NombreJugador);

    PictureBox* estado = Pic_Selector[10 + i];
    estado->moveLogical(QPoint(x + 157, y + 5));
    Dibujar(Entero(10 + s));
    estado->show();
    if (s <= 3) Txt_IPCliente[i]->hide();

    PictureBox* fichas = Pic_Selector[20 + i];
    PictureBox* control = Pic_Selector[24 + i];
    PictureBox* caracter = Pic_Selector[30 + i];
    PictureBox* nivel = Pic_Potenciometro[10 + i];
    if (j.EstadoJugador == EstadoAsiento::Desactivado) {
        for (PictureBox* p : {nivel, fichas, control, caracter}) p->hide();
        return;
    }
    control->moveLogical(QPoint(x + 6, y + 50));
    Dibujar(Entero(24 + s));
    control->show();

    const bool enRed = c_.a.JuegoEnRed;
    if (j.ControlJugador != Control::Remoto && !(enRed && s == 4)) {
        fichas->moveLogical(QPoint(x + 157, y + 50));
        Dibujar(Entero(20 + s));
        nivel->moveLogical(QPoint(x + 16, y + 95));
        DibujarPotenciometro(*nivel, j.NivelJugador, QStringLiteral(" Nivel de Juego  "));
        caracter->moveLogical(QPoint(x + 157, y + 95));
        Dibujar(Entero(30 + s));
        for (PictureBox* p : {fichas, nivel, caracter}) p->show();
        return;
    }
    for (PictureBox* p : {fichas, nivel, caracter}) p->hide();
    if (s > 3) return;
    QLineEdit& ip = *Txt_IPCliente[i];
    DibujarEtiquetaEnmarcada(f, ip, kTamanoTexto, x + 83, y + 101, QStringLiteral(" Dirección IP Remota  "));
    const bool cliente = c_.a.ModoRed == PapelRed::Cliente;
    ColorTexto(ip, cliente ? kNegro : j.Conectado ? kVerdeOscuro : kRojo);
    PonerTexto(ip, j.DireccionIP);
    ip.setEnabled(!cliente);
}

void personal::DibujarRed()
{
    Ajustes& a = c_.a;
    Surface& f = fondo_->surface();
    Pic_Selector[1]->hide();
    Txt_IPAdmin->hide();
    f.fillRect(kBloqueRed.x(), kBloqueRed.y(), kBloqueRed.width() + 1, kBloqueRed.height() + 1, kGrisClaro);
    Pic_Buleano[3]->moveLogical(QPoint(611, 32));
    DibujarBuleano(3);
    PonerCursor(Pic_Buleano[3], "ManoIndice");
    if (!a.JuegoEnRed) return;

    if (direccionLocal_.empty()) direccionLocal_ = c_.servicios.DireccionLocal();
    MarcoGrabado(f, kBloqueRed.x(), kBloqueRed.y(), kBloqueRed.right(), kBloqueRed.bottom());
    Pic_Selector[1]->moveLogical(QPoint(583, 61));
    Dibujar(1);
    Pic_Selector[1]->show();
    ImprimirTextoSombreado(f, 582, 108, QStringLiteral("Direccion IP Local.:"));
    f.text(677, 109, QString::fromStdString(direccionLocal_), FuenteControles(), kNegro);
    if (a.ModoRed == PapelRed::Cliente) {
        DibujarEtiquetaEnmarcada(f, *Txt_IPAdmin, kTamanoTexto, 598, 134,
                                 QStringLiteral(" Dirección IP Administrador  "));
        ColorTexto(*Txt_IPAdmin, c_.servicios.ClienteConectado() ? kVerdeOscuro : kRojo);
        PonerTexto(*Txt_IPAdmin, a.Jugador[4].DireccionIP);
    } else {
        a.Jugador[4].DireccionIP = direccionLocal_;
    }
}

void personal::DibujarBuleano(Entero Index)
{
    const Ajustes& a = c_.a;
    const bool valor = Index == 1 ? a.Sonido : Index == 2 ? a.PausaEntreJugadas : a.JuegoEnRed;
    zp::DibujarBuleano(*fondo_, *Pic_Buleano[std::size_t(Index)], TituloBuleano(Index), valor);
    Pic_Buleano[std::size_t(Index)]->show();
}

void personal::Form_Unload()
{
    // Network play did not begin: the snapshot taken on opening is not a game set aside, and left on disk
    // it would pass for one.
    if (tomadaAlAbrir_ && !c_.a.JuegoEnRed) DescartarSituacionApartada(c_.CarpetaDatos);
    if (c_.e.ManoEnCurso) c_.servicios.DibujarNombres();
    const bool esperando = c_.servicios.EsperandoConexiones();
    if (esperando) c_.servicios.LimpiarMesa();
    c_.servicios.VerListaJugadas(c_.a.ListaJugadas == VistaLista::SiempreVisible && c_.e.NumeroJugada >= 2 &&
                                 !esperando);
    done(QDialog::Accepted);
}

void personal::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    // No text box is being typed in until the person clicks one.
    QTimer::singleShot(0, this, [this] { setFocus(); });
}

void personal::keyPressEvent(QKeyEvent* evento)
{
    evento->accept();
    if (evento->key() == Qt::Key_Escape) {
        // Leaving by the keyboard goes through the exit button's checks.
        Pic_BotSalir_MouseDown();
        return;
    }
    Form_KeyPress(evento->text());
}

void personal::closeEvent(QCloseEvent* evento)
{
    // Closed by the window system: the exit button's checks decide.
    evento->ignore();
    if (!saliendo_) Pic_BotSalir_MouseDown();
}

void personal::Form_KeyPress(const QString& tecla)
{
    // Keys typed into the names and addresses stay there: only the window's own keys open the box.
    if (tecla != QStringLiteral("g")) return;
    MoverControl(*Tex_Grafico, QPoint(600, 445), kTamanoGrafico);
    Tex_Grafico->show();
    Tex_Grafico->setFocus();
}

void personal::Tex_Grafico_KeyPress()
{
    AplicarFondoMesa(Tex_Grafico->text(), c_.CarpetaDatos);
}

BanderasAjustes MostrarPersonal(ContextoAjustes c, QWidget* padre)
{
    if (!padre) padre = Entorno().mesa;
    EntornoKit& entorno = Entorno();
    const bool abiertos = entorno.AjustesAbiertos;
    entorno.AjustesAbiertos = true;
    const BanderasAjustes banderas =
        EjecutarDialogo(new personal(c, padre), [](personal& v) { return v.Banderas(); });
    entorno.AjustesAbiertos = abiertos;
    return banderas;
}

} // namespace zp
