#include "kit/mensajes.h"

#include "assets/recursos.h"
#include "engine/sonidos.h"
#include "kit/ayuda.h"
#include "kit/controles.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "kit/etiqueta.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace zp {

namespace {

constexpr int kAncho = 400;
constexpr int kAnchoTexto = 365;

int AltoCaja(Entero lineas)
{
    return 16 * lineas + 136;
}

// Where the form's own Aceptar and Cancelar pictures are missing, a plain stand-in of the same size.
Surface DibujoBoton(const char* ruta, bool si)
{
    if (auto dibujo = Surface::load(QString::fromLatin1(ruta))) return *dibujo;
    const int lado = recursos::mensajes::Boton.ancho;
    Surface s(lado, lado, kBlanco);
    s.box(0, 0, lado - 1, lado - 1, kGris, 3);
    if (si) {
        s.line(14, 28, 24, 39, rgbFromBgr(0x008000), 4);
        s.line(24, 39, 42, 15, rgbFromBgr(0x008000), 4);
    } else {
        s.line(16, 16, 39, 39, kRojo, 4);
        s.line(39, 16, 16, 39, kRojo, 4);
    }
    return s;
}

// A sunken recess round a label at (l, t), w x h.
void Hundido(Surface& s, int l, int t, int w, int h)
{
    s.line(l - 6, t - 1, l + w, t - 1, kGris);
    s.line(l - 6, t - 1, l - 6, t + h, kGris);
    s.line(l + w, t + h, l + w, t - 1, kBlanco);
    s.line(l + w, t + h, l - 6, t + h, kBlanco);
}

bool EsTeclaDeCaracter(const QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Space:
        return true;
    default:
        return !evento->text().isEmpty() && evento->text().at(0).isPrint();
    }
}

} // namespace

EstadoMensajes& Mensajes()
{
    static EstadoMensajes estado;
    return estado;
}

Entero ContarLineasMensaje(const QString& texto)
{
    QStringList lineas = PartirEnLineas(texto, kAnchoTexto, FuenteTextoMensaje());
    while (!lineas.isEmpty() && lineas.back().trimmed().isEmpty()) lineas.removeLast();
    return static_cast<Entero>(std::min<qsizetype>(lineas.size(), 100));
}

FontSpec FuenteTituloMensaje()
{
    return FontSpec{QStringLiteral("Arial"), 16, true};
}

FontSpec FuenteTextoMensaje()
{
    return FontSpec{QStringLiteral("Arial"), 13, false};
}

mensajes::mensajes(const QString& titulo, const QString& texto, Entero lineas, Entero botones, Entero ayuda,
                   QWidget* padre, CierreCaja alCerrar)
    : DialogoFondo(padre, QStringLiteral("mensajes"), titulo), titulo_(titulo), texto_(texto),
      lineas_(std::max<Entero>({lineas, 0, ContarLineasMensaje(texto)})), botones_(botones), ayuda_(ayuda),
      alCerrar_(alCerrar)
{
    Pic_BotAyuda = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotAyuda"), QStringLiteral("Ayuda"));
    Pic_BotSalir = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotSalir"), QStringLiteral("Salir"));
    const QSize lado(recursos::mensajes::Boton.ancho, recursos::mensajes::Boton.ancho);
    Pic_Si = CrearCajaDialogo(fondo_, QStringLiteral("Pic_Si"), lado, QStringLiteral("Aceptar"));
    Pic_No = CrearCajaDialogo(fondo_, QStringLiteral("Pic_No"), lado, QStringLiteral("Cancelar"));
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [this] { PulsarAyudaDialogo(ayuda_); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { Pic_BotSalir_MouseDown(); });
    connect(Pic_Si, &PictureBox::pressed, this, [this] { Pic_Si_MouseDown(); });
    connect(Pic_No, &PictureBox::pressed, this, [this] { Pic_No_MouseDown(); });
    Form_Load();
}

void mensajes::Form_Load()
{
    EntornoKit& entorno = Entorno();
    // An hourglass set before the question must not stay on the table while the box waits.
    PunteroMesa(kPunteroNormal);

    int w = entorno.AjustesAbiertos ? entorno.AnchoPantalla : entorno.AnchoMesa;
    if (w == 0) w = 800;
    if (entorno.AltoPantalla == 0) entorno.AltoPantalla = 600;
    // A text longer than the screen holds is cut at the foot of the box, whose buttons stay on the screen.
    lineas_ = Entero(std::min<int>(lineas_, (virtualScreen().height() - AltoCaja(0)) / 16));
    const int alto = AltoCaja(lineas_);
    const int izquierda = int(std::floor((w - kAncho) / 2.0));
    const int arriba = int(std::floor((entorno.AltoPantalla - alto) / 2.0));
    Colocar(QRect(izquierda, arriba, kAncho, alto));
    DibujarFormulario();

    const int b = 16 * lineas_ + 53; // bottom of the text
    if (ayuda_ != 0) MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, b + 20));
    if (botones_ == 1) {
        MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(337, b + 20));
        respuesta_ = true;
    } else {
        Pic_Si->setSurface(DibujoBoton(recursos::mensajes::Si, true));
        Pic_Si->moveLogical(QPoint(171, b + 14));
        respuesta_ = false;
        Pic_Si->show();
        PonerCursor(Pic_Si, "ManoIndice");
        Pic_No->setSurface(DibujoBoton(recursos::mensajes::No, false));
        Pic_No->moveLogical(QPoint(332, b + 14));
        Pic_No->show();
        PonerCursor(Pic_No, "ManoIndice");
    }
}

void mensajes::DibujarFormulario()
{
    Surface& s = fondo_->surface();
    BordeElevado(s);

    const QRect tex_titulo(20, 15, 365, 22);
    const QRect tex_mensaje(20, 50, kAnchoTexto, 16 * lineas_ + 3);
    DibujarEtiqueta(s, tex_titulo, titulo_, FuenteTituloMensaje(), kAzulMarino, kGrisClaro, 16);
    DibujarEtiqueta(s, tex_mensaje, texto_, FuenteTextoMensaje(), kNegro, kGrisClaro, 16);
    for (const QRect& r : {tex_titulo, tex_mensaje}) Hundido(s, r.x(), r.y(), r.width(), r.height());
}

void mensajes::Descargar()
{
    done(respuesta_ ? QDialog::Accepted : QDialog::Rejected);
}

void mensajes::Pic_Si_MouseDown()
{
    SonarKit(0, sonido::Clic);
    respuesta_ = true;
    Descargar();
}

void mensajes::Pic_No_MouseDown()
{
    SonarKit(0, sonido::Clic);
    respuesta_ = false;
    Descargar();
}

void mensajes::Pic_BotSalir_MouseDown()
{
    if (botones_ != 1) return;
    SonarKit(0, sonido::Clic);
    Descargar();
}

void mensajes::Form_KeyPress()
{
    if (botones_ == 1) {
        Descargar();
        PunteroMesa(kPunteroNormal);
        return;
    }
    Pic_Si_MouseDown();
}

void mensajes::keyPressEvent(QKeyEvent* evento)
{
    // Any key that types a character, Escape and Enter included; Shift, arrows and the like do nothing.
    if (EsTeclaDeCaracter(evento)) Form_KeyPress();
    evento->accept();
}

void mensajes::closeEvent(QCloseEvent* evento)
{
    evento->ignore();
    if (botones_ != 1) {
        if (alCerrar_ == CierreCaja::Ninguno) return;
        respuesta_ = alCerrar_ == CierreCaja::Aceptar;
    }
    Descargar();
}

bool MostrarMensaje(const QString& titulo, const QString& texto, Entero lineas, Entero botones, Entero ayuda,
                    CierreCaja alCerrar)
{
    EstadoMensajes& estado = Mensajes();
    estado.LineasMensaje = lineas;
    estado.BotonesMensaje = botones;
    estado.AyudaMensaje = ayuda;

    // A box already open stays under this one: its caller still gets the answer given to it.
    QWidget* padre = QApplication::activeModalWidget();
    if (!padre) padre = Entorno().mesa;
    QPointer<mensajes> caja = new mensajes(titulo, texto, lineas, botones, ayuda, padre, alCerrar);
    bool respuesta = caja->Respuesta();
    {
        OpenBox abierta;
        caja->exec();
    }
    if (caja) {
        respuesta = caja->Respuesta();
        delete caja.data();
    }
    estado.RespuestaMensaje = respuesta;
    return respuesta;
}

bool MostrarMensaje(const std::string& titulo, const std::string& texto, Entero lineas, Entero botones,
                    Entero ayuda, CierreCaja alCerrar)
{
    return MostrarMensaje(QString::fromStdString(titulo), QString::fromStdString(texto), lineas, botones,
                          ayuda, alCerrar);
}

bool MostrarMensaje(const char* titulo, const char* texto, Entero lineas, Entero botones, Entero ayuda,
                    CierreCaja alCerrar)
{
    return MostrarMensaje(QString::fromUtf8(titulo), QString::fromUtf8(texto), lineas, botones, ayuda,
                          alCerrar);
}

} // namespace zp
