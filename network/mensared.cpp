#include "network/mensared.h"

#include "assets/recursos.h"
#include "engine/sonidos.h"
#include "kit/ayuda.h"
#include "kit/controles.h"
#include "kit/cursores.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "network/core/chat.h"
#include "platform/picture_box.h"
#include "platform/virtual_screen.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTime>
#include <cmath>

namespace zp {

namespace {

constexpr int kAncho = 424;
constexpr int kAlto = 461;
constexpr QRect kTex_Titulo{130, 14, 164, 21};
constexpr QRect kLabel2{21, 48, 152, 18};
constexpr QRect kTxt_Recibidos{19, 66, 384, 201};
constexpr QRect kLabel1{25, 289, 75, 15};
constexpr QRect kTxt_Enviar{25, 306, 368, 71};
constexpr Entero kAyudaMensared = 2197;
// What a line may hold; a line break typed in it takes two.
constexpr int kMaximoTexto = static_cast<int>(kLargoTextoChat);

QPointer<mensared> abierta;

QFont FuenteCaja()
{
    QFont f(FuenteControles().family);
    f.setPixelSize(FuenteControles().pixelSize);
    return f;
}

// The caption at the top, centred in its label, over a sunken recess.
void DibujarTitulo(Surface& s)
{
    const int L = kTex_Titulo.x(), T = kTex_Titulo.y(), W = kTex_Titulo.width(), H = kTex_Titulo.height();
    s.line(L - 6, T - 1, L + W, T - 1, kGris);
    s.line(L - 6, T - 1, L - 6, T + H, kGris);
    s.line(L + W, T + H, L + W, T, kBlanco);
    s.line(L + W, T + H, L - 5, T + H, kBlanco);
    const QString titulo = QStringLiteral("Mensajes en red");
    const FontSpec fuente = FuenteTituloMensaje();
    s.text(L + MitadRedondeada(W, textWidth(titulo, fuente)), T + MitadRedondeada(H, textHeight(fuente)),
           titulo, fuente, kNegro);
}

} // namespace

std::string ComponerMensajeChatAhora(const Ajustes& a, std::string_view texto)
{
    const QTime ahora = QTime::currentTime();
    return ComponerMensajeChat(a.Jugador[4].NombreJugador, ahora.hour(), ahora.minute(), texto);
}

mensared::mensared(ConexionRed& red, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::FramelessWindowHint), red_(red), fondo_(new PictureBox(this))
{
    setObjectName(QStringLiteral("mensared"));
    setWindowTitle(QStringLiteral("Mensajes en red"));
    setModal(true);
    const auto caja = [this](const char* nombre) {
        auto* t = new QPlainTextEdit(fondo_);
        t->setObjectName(QString::fromLatin1(nombre));
        t->setFont(FuenteCaja());
        // Names and lines come from other computers: shown as they are, never read as markup.
        t->setTabChangesFocus(true);
        return t;
    };
    Txt_Recibidos = caja("Txt_Recibidos");
    Txt_Recibidos->setReadOnly(true);
    Txt_Recibidos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Txt_Enviar = caja("Txt_Enviar");
    auto boton = [this](const char* nombre, const char* aviso, int lado) {
        auto* b = new PictureBox(fondo_);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setToolTip(QString::fromUtf8(aviso));
        b->setSurface(Surface(lado, lado, kGrisClaro));
        b->setLogicalGeometry(QRect(0, 0, lado, lado));
        return b;
    };
    Pic_BotAyuda = boton("Pic_BotAyuda", "Ayuda sobre Mensajes en red", 50);
    Pic_Enviar = boton("Pic_Enviar", "Enviar mensaje", 55);
    Pic_BotSalir = boton("Pic_BotSalir", "Salir de Mensajes en red", 50);

    connect(Txt_Enviar, &QPlainTextEdit::textChanged, this, [this] { Txt_Enviar_Change(); });
    connect(Pic_Enviar, &PictureBox::pressed, this, [this] { Pic_Enviar_MouseDown(); });
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [this] { Pic_BotAyuda_MouseDown(); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { Pic_BotSalir_MouseDown(); });
    connect(&red_, &ConexionRed::mensajesChatCambiados, this, [this] { MostrarMensajesChat(); });
    Form_Load();
}

const Surface& mensared::Superficie() const
{
    return fondo_->surface();
}

void mensared::Form_Load()
{
    if (QWidget* mesa = Entorno().mesa) PonerPuntero(mesa, kPunteroNormal);
    const VirtualScreen& pantalla = virtualScreen();
    geometria_ = QRect(int(std::floor((pantalla.width() - kAncho) / 2.0)),
                       int(std::floor((pantalla.height() - kAlto) / 2.0)), kAncho, kAlto);
    setGeometry(pantalla.toRealOnScreen(geometria_));
    fondo_->setSurface(Surface(kAncho, kAlto, kGrisClaro));
    fondo_->setLogicalGeometry(QRect(0, 0, kAncho, kAlto));
    Surface& s = fondo_->surface();
    BordeElevado(s);
    DibujarTitulo(s);
    s.text(kLabel2.x(), kLabel2.y(), QStringLiteral("Mensajes enviados y recibidos:"), FuenteControles(),
           kNegro);
    s.text(kLabel1.x(), kLabel1.y(), QStringLiteral("Texto a enviar:"), FuenteControles(), kNegro);
    MoverControl(*Txt_Recibidos, kTxt_Recibidos.topLeft(), kTxt_Recibidos.size());
    MoverControl(*Txt_Enviar, kTxt_Enviar.topLeft(), kTxt_Enviar.size());

    const Surface& hoja = HojaBmpVario();
    for (const auto& [b, x, dibujo] : {std::tuple{Pic_BotAyuda, 15, recursos::bmpvario::BotonAyuda},
                                       std::tuple{Pic_BotSalir, 358, recursos::bmpvario::BotonSalir}}) {
        b->moveLogical(QPoint(x, 396));
        b->surface().blit(0, 0, dibujo.ancho, dibujo.alto, hoja, dibujo.x, dibujo.y);
    }
    Pic_Enviar->moveLogical(QPoint(186, 395));
    if (auto dibujo = Surface::load(QString::fromLatin1(recursos::mensared::Enviar)))
        Pic_Enviar->setSurface(*dibujo);
    for (PictureBox* b : {Pic_BotAyuda, Pic_Enviar, Pic_BotSalir}) PonerCursor(b, "ManoIndice");
    Pic_Enviar->hide(); // nothing typed yet
    fondo_->invalidate();
    MostrarMensajesChat();
}

void mensared::MostrarMensajesChat()
{
    Txt_Recibidos->setPlainText(
        QString::fromStdString(TextoMensajesChat(red_.Estado.MensajesChat)).remove(QLatin1Char('\r')));
    Txt_Recibidos->moveCursor(QTextCursor::End);
    Txt_Recibidos->verticalScrollBar()->setValue(Txt_Recibidos->verticalScrollBar()->maximum());
}

void mensared::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    Form_Activate();
}

void mensared::Form_Activate()
{
    Txt_Enviar->setFocus();
    Txt_Recibidos->moveCursor(QTextCursor::End);
}

void mensared::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) Pic_BotSalir_MouseDown();
    evento->accept();
}

void mensared::Txt_Enviar_Change()
{
    QString texto = Txt_Enviar->toPlainText();
    if (texto.size() > kMaximoTexto) {
        // Typed or pasted past the limit: what does not fit is not taken.
        texto.truncate(kMaximoTexto);
        const QSignalBlocker sinAviso(Txt_Enviar);
        Txt_Enviar->setPlainText(texto);
        Txt_Enviar->moveCursor(QTextCursor::End);
    }
    // An empty or all-blank line cannot be sent.
    Pic_Enviar->setVisible(!texto.trimmed().isEmpty());
}

void mensared::Pic_Enviar_MouseDown()
{
    SonarKit(0, sonido::Clic);
    const QString texto = Txt_Enviar->toPlainText();
    if (!texto.trimmed().isEmpty())
        red_.EnviarMensajeChat(ComponerMensajeChatAhora(red_.Datos(), texto.toStdString()));
    Txt_Enviar->clear();
    Txt_Enviar->setFocus();
}

void mensared::Pic_BotAyuda_MouseDown()
{
    SonarKit(0, sonido::Clic);
    MostrarAyuda(kAyudaMensared);
}

void mensared::Pic_BotSalir_MouseDown()
{
    SonarKit(0, sonido::Clic);
    done(QDialog::Rejected);
}

void MostrarMensared(ConexionRed& red, QWidget* padre)
{
    if (abierta) return;
    if (!padre) padre = Entorno().mesa;
    QPointer<mensared> ventana = new mensared(red, padre);
    abierta = ventana;
    ventana->exec();
    delete ventana.data();
}

mensared* MensaredAbierta()
{
    return abierta.data();
}

} // namespace zp
