#include "table/mesa.h"

#include "assets/recursos.h"
#include "engine/disposicion_manos.h"
#include "engine/lista_jugadas.h"
#include "kit/careta.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "kit/espera.h"
#include "platform/desktop_close.h"
#include "platform/outside_pause.h"
#include "platform/virtual_screen.h"
#include "platform/wait.h"
#include "table/animaciones.h"
#include "table/boton_continuar.h"
#include "table/dibujo_fichas.h"
#include "table/dibujo_mano.h"
#include "table/dibujo_monton.h"
#include "table/efectos_mano.h"
#include "table/entrada_continuar.h"
#include "table/entrada_mesa.h"
#include "table/linea_mesa.h"
#include "table/lista_jugadas_mesa.h"
#include "table/marcador_mesa.h"
#include "table/nombres_mesa.h"
#include "table/panel_turno.h"
#include "table/ritmo_mesa.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>

namespace zp {

namespace {

constexpr QRgb kContornoBotonera = qRgb(224, 64, 32);
constexpr QRgb kLuzBotonera = qRgb(224, 128, 96);
constexpr QRgb kFondoBotonera = qRgb(96, 36, 24); // the bar's own ground

PictureBox* Caja(QWidget* padre, const char* nombre, QSize tamano)
{
    auto* caja = new PictureBox(padre);
    caja->setObjectName(QLatin1String(nombre));
    caja->setSurface(Surface(tamano.width(), tamano.height(), kFondoBotonera));
    caja->hide();
    return caja;
}

} // namespace

mesa::mesa(EstadoJuego& e, Ajustes& a, QWidget* padre)
    : PictureBox(padre), e_(e), a_(a), hojas_(CargarHojasMesa())
{
    setObjectName(QStringLiteral("mesa"));
    setWindowTitle(QStringLiteral("Zarpelón"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    CrearControles();
    Entorno().BmpVario = &hojas_.Pic_BmpVario;
    Entorno().mesa = this;
    Entorno().ajustes = &a_;
    connect(Pic_BotContinuar, &PictureBox::pressed, this, [this](const PointerEvent& p) {
        if (p.button == Qt::LeftButton) Pic_BotContinuar_MouseDown(*this);
    });
    connect(this, &PictureBox::moved, this, [this](const PointerEvent& p) { Form_MouseMove(*this, p); });
    connect(this, &PictureBox::pressed, this, [this](const PointerEvent& p) { Form_MouseDown(*this, p); });
    connect(this, &PictureBox::released, this, [this](const PointerEvent& p) { Form_MouseUp(*this, p); });
    connect(this, &PictureBox::clicked, this, [this](const PointerEvent& p) { Form_Click(*this, p); });
    connect(Pic_Botonera, &PictureBox::moved, this,
            [this](const PointerEvent&) { Pic_Botonera_MouseMove(*this); });
    setFocusPolicy(Qt::StrongFocus);
    // Its close asks at the next step of play, once: it has to know of every close as it comes.
    deliverDesktopClosesAtOnce(this);
}

mesa::~mesa()
{
    EntornoKit& k = Entorno();
    if (k.BmpVario == &hojas_.Pic_BmpVario) k.BmpVario = nullptr;
    if (k.mesa == this) k.mesa = nullptr;
}

void mesa::CrearControles()
{
    Pic_Botonera = Caja(this, "Pic_Botonera", QSize(kAnchoBotonera, 600));
    Pic_Botonera->show();
    for (int i = 1; i <= 9; ++i) {
        Pic_Boton[i] =
            Caja(Pic_Botonera, "Pic_Boton", i == 9 ? kTamanoBoton9 : QSize(kLadoBoton, kLadoBoton));
        Pic_Boton[i]->setProperty("Index", i);
        if (i != 9) Pic_Boton[i]->show(); // the chat button shows only in network play
    }
    Pic_BotContinuar = Caja(Pic_Botonera, "Pic_BotContinuar", kTamanoBotContinuar);
    Pic_TexTurno = Caja(Pic_Botonera, "Pic_TexTurno", QSize(79, 66));
    Pic_Info = new PanelEspera(this);
    Pic_Info->setObjectName(QStringLiteral("Pic_Info"));
    Pic_Info->hide();
    Pic_Grabadora = Caja(this, "Pic_Grabadora", kTamanoGrabadora);
    Pic_SelOpciones = Caja(this, "Pic_SelOpciones", QSize(150, 190));
    Pic_Mover = Caja(this, "Pic_Mover", QSize(40, 77));

    Lis_Grabadora = CrearListaJugadas(this, m_.LineaGrabadora);
    Lis_Ordenar = new QListWidget(this);
    Lis_Ordenar->setObjectName(QStringLiteral("Lis_Ordenar"));
    Lis_Ordenar->setSortingEnabled(true);
    Lis_Ordenar->hide();

    for (int i = 1; i <= 4; ++i) {
        Ima_Flechas[static_cast<std::size_t>(i)] = ImagenMesa(QStringLiteral("Ima_Flechas"));
        PrepararImagen(Ima_Flechas[static_cast<std::size_t>(i)], recursos::mesa::Flechas[i - 1]);
    }
    PrepararImagen(Ima_Mover);
    PrepararImagen(Ima_FlechaDer);
    PrepararImagen(Ima_FlechaIzq);
    PrepararImagen(Ima_Paso, recursos::mesa::Paso);
    PrepararImagen(Ima_IndiTuto, recursos::mesa::IndiTuto);
}

void mesa::PrepararImagen(ImagenMesa& imagen, const char* ruta)
{
    if (ruta) imagen.PonerDibujo(QImage(QString::fromLatin1(ruta)));
    imagen.PonerAviso([this](const QRect& r) { invalidate(r); });
}

std::array<ImagenMesa*, 8> mesa::Imagenes()
{
    // Drawn in this order, the later over the earlier.
    return {&Ima_Paso,  &Ima_IndiTuto,   &Ima_FlechaDer,  &Ima_FlechaIzq,
            &Ima_Mover, &Ima_Flechas[1], &Ima_Flechas[2], &Ima_Flechas[3]};
}

void mesa::DisponerMesa(const Pantalla& pantalla)
{
    pantalla_ = pantalla;
    disposicion_ = CalcularDisposicionMesa(pantalla);
    const DisposicionMesa& d = disposicion_;
    setLogicalGeometry(d.Formulario);
    Pic_Botonera->setLogicalGeometry(d.Pic_Botonera);

    LienzoMesa l = Lienzo();
    CalcularDisposicionManos(l);
    DibujarBotonera();
    for (int i = 1; i <= 9; ++i) Pic_Boton[i]->setLogicalGeometry(d.Pic_Boton[i]);
    Pic_BotContinuar->setLogicalGeometry(d.Pic_BotContinuar);
    for (int i = 1; i <= 8; ++i) {
        const auto b = recursos::bmpvario::BotonBarra(i);
        Pic_Boton[i]->surface().blit(0, 0, b.ancho, b.alto, hojas_.Pic_BmpVario, b.x, b.y);
    }
    const auto chat = recursos::bmpvario::BotonMensaje;
    Pic_Boton[9]->surface().blit(0, 0, chat.ancho, chat.alto, hojas_.Pic_BmpVario, chat.x, chat.y);
    Pic_Grabadora->setLogicalGeometry(d.Pic_Grabadora);
    Pic_Marmol = ComponerMarmol(hojas_.Marmol, d.Pic_Marmol.width(), d.Pic_Marmol.height());
    ColocarListaJugadas(*Lis_Grabadora, d.Lis_Grabadora);
    Ima_FlechaIzq.Cursor = QStringLiteral("ManoIndice");
    Ima_FlechaDer.Cursor = QStringLiteral("ManoIndice");
    e_.EsperaContinuar = false;
    e_.EsperaExtremo = false;
    e_.EligiendoSalida = false;
    e_.ModoAyuda = false;

    EntornoKit& k = Entorno();
    k.AnchoMesa = pantalla.AnchoMesa;
    k.AltoPantalla = pantalla.AltoPantalla;
    k.AnchoPantalla = pantalla.AnchoPantalla;
}

void mesa::DibujarBotonera()
{
    Surface& s = Pic_Botonera->surface();
    s.clear();
    const int w = s.width(), h = s.height();
    s.box(0, 0, w - 1, h - 1, kContornoBotonera);
    s.line(0, 0, w, 0, kLuzBotonera);
    s.line(0, 0, 0, h, kLuzBotonera);
    Pic_Botonera->invalidate();
}

void mesa::PintarFondo()
{
    fondo_ = Pic_Marmol;
    Cls();
}

void mesa::PonerFondo(const Surface& fondo)
{
    Pic_Marmol = ComponerMarmol(fondo, disposicion_.Pic_Marmol.width(), disposicion_.Pic_Marmol.height());
    fondo_ = Pic_Marmol;
}

void mesa::PintarGrabadora()
{
    const auto r = recursos::bmpvario::Grabadora;
    Pic_Grabadora->surface().blit(0, 0, r.ancho, r.alto, hojas_.Pic_BmpVario, r.x, r.y);
    Pic_Grabadora->invalidate();
}

void mesa::Cls()
{
    Surface& s = surface();
    s.clear();
    s.blit(0, 0, s.width(), s.height(), fondo_, 0, 0);
    invalidate();
}

LienzoMesa mesa::Lienzo()
{
    LienzoMesa l{surface(), Pic_Marmol, hojas_, e_, a_, pantalla_, m_};
    l.Refrescar = [this] { Refrescar(); };
    l.OcultarListaJugadas = [this] { MostrarListaJugadas(false); };
    return l;
}

void mesa::RedibujarMesa()
{
    Cls();
    if (e_.ManoEnCurso) {
        LienzoMesa l = Lienzo();
        const int jugadas = std::min<int>(e_.NumeroJugada, static_cast<int>(e_.Jugadas.size()));
        DibujarLinea(l, static_cast<Entero>(e_.NumeroJugada - 1));
        for (Entero p = 1; p <= 4; ++p)
            if (AsientoEnJuego(a_, p)) zp::DibujarMano(l, p);
        if (e_.FichasMonton > 0) zp::DibujarMonton(l);
        RecortarListaJugadas(0);
        for (int i = 1; i < jugadas; ++i)
            PonerLineaListaJugadas(i - 1, LineaDeJugada(e_, a_, static_cast<Entero>(i)));
    }
    Ima_FlechaIzq.Hide();
    Ima_FlechaDer.Hide();
    Pic_Grabadora->hide();
    if (e_.NumeroJugada > 1 && !a_.JuegoEnRed) Pic_Grabadora->show();
    Lis_Grabadora->setVisible(e_.NumeroJugada >= 2 && ListaJugadasVisible(e_, a_));
    DibujarMarcadorMesa();
    invalidate();
}

void mesa::paintEvent(QPaintEvent* evento)
{
    PictureBox::paintEvent(evento);
    QPainter pintor(this);
    pintor.setClipRegion(evento->region());
    for (ImagenMesa* imagen : Imagenes()) {
        if (!imagen->Visible() || imagen->Dibujo().isNull()) continue;
        pintor.drawImage(virtualScreen().toReal(imagen->Rectangulo()), imagen->Dibujo());
    }
}

void mesa::keyPressEvent(QKeyEvent* evento)
{
    // Keys that type a character; Shift, arrows and the like are not keys of the game.
    const QString texto = evento->text();
    if (texto.size() == 1) Form_KeyPress(*this, texto.at(0).unicode());
    evento->accept();
}

void mesa::closeEvent(QCloseEvent* evento)
{
    // Once the person has left, or with no bar to ask, the window just goes.
    if (!PedirBoton || !isVisible()) {
        PictureBox::closeEvent(evento);
        return;
    }
    evento->ignore();
    // Handled like a press on the exit button, at the next step of play: never inside this event, a pause or
    // a box, where its question could not be answered or would come in the middle of another. An exit asked
    // since, or running then, answers it.
    constexpr Entero kBotonSalir = 7;
    const unsigned atendidas = salidasAtendidas_;
    postOutsidePause(this, [this, atendidas] {
        if (!saliendo_ && salidasAtendidas_ == atendidas) PedirBoton(kBotonSalir);
    });
}

// The engine's table.

void mesa::MostrarCareta()
{
    if (!SinCareta) zp::MostrarCareta(a_.Velocidad);
}

void mesa::CerrarCareta()
{
    // The cover closes itself once its time is up.
}

void mesa::MostrarMesa()
{
    show();
    refresh();
}

bool mesa::LetraGrande() const
{
    // Our layout is in pixels whatever the screen's fonts: the remote keeps its 75 px.
    return Pic_Grabadora->logicalGeometry().height() > kTamanoGrabadora.height();
}

void mesa::LimpiarMesa()
{
    // A deal or a match begins: a tile still in the air has no hand to go back to.
    TerminarArrastres(*this);
    Cls();
}

void mesa::Refrescar()
{
    refresh();
}

void mesa::MostrarGrabadora(bool visible)
{
    Pic_Grabadora->setVisible(visible);
}

void mesa::MostrarListaJugadas(bool visible)
{
    Lis_Grabadora->setVisible(visible);
}

void mesa::PonerLineaListaJugadas(int linea, const std::string& texto)
{
    RecortarListaJugadas(linea);
    Lis_Grabadora->addItem(QString::fromStdString(texto));
    SeleccionarLineaListaJugadas(Lis_Grabadora->count() - 1);
}

void mesa::RecortarListaJugadas(int lineas)
{
    while (Lis_Grabadora->count() > std::max(lineas, 0))
        delete Lis_Grabadora->takeItem(Lis_Grabadora->count() - 1);
    if (m_.LineaGrabadora >= Lis_Grabadora->count()) m_.LineaGrabadora = -1;
}

void mesa::SeleccionarLineaListaJugadas(int linea)
{
    if (linea < 0 || linea >= Lis_Grabadora->count()) {
        m_.LineaGrabadora = -1;
        Lis_Grabadora->setCurrentRow(-1);
        return;
    }
    m_.LineaGrabadora = static_cast<Entero>(linea);
    Lis_Grabadora->setCurrentRow(linea);
    Lis_Grabadora->scrollToItem(Lis_Grabadora->item(linea));
}

void mesa::PasoListaJugadas(int indice, bool adelante)
{
    // The list shows five lines; selecting past its top or bottom scrolls it, which takes the pause's time.
    const QListWidgetItem* arriba = Lis_Grabadora->itemAt(0, 0);
    const int superior = arriba ? Lis_Grabadora->row(arriba) : 0;
    const int actual = Lis_Grabadora->currentRow();
    const bool desplaza =
        adelante ? Lis_Grabadora->count() > 5 && actual == superior + 4 : actual == superior;
    if (!desplaza) RitmoMesaPrograma().HacerPausa(ritmo_mesa::kPausaPasoGrabadora, a_.Velocidad);
    SeleccionarLineaListaJugadas(indice);
}

void mesa::DibujarMarcadorMesa()
{
    zp::DibujarMarcadorMesa(Pic_Boton[5]->surface(), hojas_, e_, a_);
    Pic_Boton[5]->invalidate();
}

void mesa::OcultarBotonContinuar()
{
    zp::OcultarBotonContinuar(*Pic_BotContinuar, e_);
}

void mesa::DibujarFichaDescubierta(Entero a, Entero b)
{
    LienzoMesa l = Lienzo();
    zp::DibujarFichaDescubierta(l, a, b);
}

void mesa::DibujarMano(Entero asiento, bool descubierta)
{
    if (!descubierta || asiento < 1 || asiento > kAsientos) {
        LienzoMesa l = Lienzo();
        zp::DibujarMano(l, asiento);
        return;
    }
    // Drawn, laid out and named as a hand whose player shows it; the player's setting stays as it is.
    Ajustes vista = a_;
    vista.Jugador[static_cast<std::size_t>(asiento)].FichasJugador = VistaFichas::Visibles;
    LienzoMesa l{surface(), Pic_Marmol, hojas_, e_, vista, pantalla_, m_};
    l.Refrescar = [this] { Refrescar(); };
    l.OcultarListaJugadas = [this] { MostrarListaJugadas(false); };
    zp::DibujarMano(l, asiento);
}

void mesa::DibujarNombres()
{
    LienzoMesa l = Lienzo();
    zp::DibujarNombres(l);
    invalidate();
}

void mesa::DibujarMonton()
{
    LienzoMesa l = Lienzo();
    zp::DibujarMonton(l);
}

void mesa::PonerPunteroMesa(Puntero puntero)
{
    PonerPuntero(this, static_cast<Entero>(puntero));
}

void mesa::AnularZonaPuntero()
{
    m_.ZonaPuntero = 0;
}

void mesa::MostrarRotuloSalida(const std::string& texto)
{
    const int x = pantalla_.CentroX - 140, y = pantalla_.CentroY - 30;
    Surface& s = surface();
    s.fillBox(x, y, x + 280, y + 60, qRgb(0, 128, 0));
    s.box(x, y, x + 280, y + 60, qRgb(0, 255, 0));
    s.line(x, y + 60, x + 281, y + 60, kNegroMesa);
    s.line(x + 280, y, x + 280, y + 60, kNegroMesa);
    s.text(x + 30, y + 20, texto, FuenteMesa(16, true), kBlancoMesa);
    refresh();
}

void mesa::BorrarRotuloSalida()
{
    const int x = pantalla_.CentroX - 140, y = pantalla_.CentroY - 30;
    surface().blit(x, y, 281, 61, Pic_Marmol, x, y);
    refresh();
}

// The line, the animations, the hand effects, the Continue button and the turn panel.

void mesa::DibujarManoIndicadora(Entero asiento, Entero x, Entero y)
{
    LienzoMesa l = Lienzo();
    zp::DibujarManoIndicadora(l, asiento, x, y);
}

void mesa::AnimarJugada(Entero jugada)
{
    LienzoMesa l = Lienzo();
    zp::AnimarJugada(EscenaMesa{l, *this}, Ima_Mover, jugada);
}

void mesa::AnimarRobarFicha(Entero jugada)
{
    LienzoMesa l = Lienzo();
    zp::AnimarRobarFicha(EscenaMesa{l, *this}, Ima_Mover, jugada);
}

void mesa::DeshacerJugada(Entero jugada)
{
    LienzoMesa l = Lienzo();
    zp::DeshacerJugada(EscenaMesa{l, *this}, Ima_Mover, jugada);
}

void mesa::DevolverFichaAlMonton(Entero xDesde, Entero yDesde, Entero xHasta, Entero yHasta)
{
    LienzoMesa l = Lienzo();
    zp::DevolverFichaAlMonton(EscenaMesa{l, *this}, Ima_Mover, xDesde, yDesde, xHasta, yHasta);
}

void mesa::MostrarPaso(Entero asiento)
{
    LienzoMesa l = Lienzo();
    zp::MostrarPaso(EscenaMesa{l, *this}, Ima_Paso, asiento);
}

void mesa::DibujarBotonContinuar(Entero modo)
{
    zp::DibujarBotonContinuar(*Pic_BotContinuar, hojas_.Pic_BmpVario, e_, a_, modo);
}

void mesa::IndicarFichas(Entero asiento)
{
    LienzoMesa l = Lienzo();
    zp::IndicarFichas(EscenaMesa{l, *this}, asiento);
}

void mesa::ParpadearMano(Entero asiento)
{
    LienzoMesa l = Lienzo();
    zp::ParpadearMano(EscenaMesa{l, *this}, asiento);
}

void mesa::MostrarSenalDomino(Entero asiento)
{
    LienzoMesa l = Lienzo();
    zp::MostrarSenalDomino(EscenaMesa{l, *this}, asiento);
}

void mesa::OcultarFlechas()
{
    Ima_FlechaIzq.Hide();
    Ima_FlechaDer.Hide();
}

void mesa::OcultarPanelTurno()
{
    Pic_TexTurno->hide();
}

void mesa::DibujarEsperandoJugada()
{
    // Timed from the start of the wait on the waiting panel's clock.
    zp::DibujarEsperandoJugada(*Pic_TexTurno, e_, a_, m_, Pic_BotContinuar->logicalGeometry().top(),
                               Pic_Info->InicioEspera);
}

void mesa::InhabilitarBotonAyuda()
{
    PonerPuntero(Pic_Boton[4], kPunteroProhibido);
}

void mesa::OcultarBombillaTutor()
{
    Ima_IndiTuto.Hide();
}

void mesa::EncenderGrabadora(bool encendida)
{
    DibujarTeclaGrabadora(*this, TeclaGrabadora::Encendido, encendida);
    Pic_Grabadora->refresh();
}

void mesa::PonerPunteroGrabadora(Puntero puntero)
{
    PonerPuntero(Pic_Grabadora, static_cast<Entero>(puntero));
    Grabadora.PunteroMesa = static_cast<Entero>(puntero);
    Grabadora.Ocupada = puntero == Puntero::Reloj;
}

void mesa::PonerPunteroContinuar(Puntero puntero)
{
    if (puntero == Puntero::Mano)
        PonerCursor(Pic_BotContinuar, "ManoIndice");
    else
        PonerPuntero(Pic_BotContinuar, static_cast<Entero>(puntero));
}

} // namespace zp
