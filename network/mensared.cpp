#include "network/mensared.h"

#include "assets/recursos.h"
#include "engine/sonidos.h"
#include "kit/controles.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "kit/mensajes.h"
#include "network/core/chat.h"
#include "platform/picture_box.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTime>

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
    : DialogoFondo(padre, QStringLiteral("mensared"), QStringLiteral("Mensajes en red")), red_(red)
{
    const auto caja = [this](const char* nombre) {
        auto* t = new QPlainTextEdit(fondo_);
        t->setObjectName(QString::fromLatin1(nombre));
        t->setFont(FuenteCaja(FuenteControles()));
        // Names and lines come from other computers: shown as they are, never read as markup.
        t->setTabChangesFocus(true);
        return t;
    };
    Txt_Recibidos = caja("Txt_Recibidos");
    Txt_Recibidos->setReadOnly(true);
    Txt_Recibidos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Txt_Enviar = caja("Txt_Enviar");
    Pic_BotAyuda = CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotAyuda"),
                                     QStringLiteral("Ayuda sobre Mensajes en red"));
    Pic_Enviar = CrearCajaDialogo(fondo_, QStringLiteral("Pic_Enviar"), QSize(55, 55),
                                  QStringLiteral("Enviar mensaje"));
    Pic_BotSalir =
        CrearBotonDialogo(fondo_, QStringLiteral("Pic_BotSalir"), QStringLiteral("Salir de Mensajes en red"));

    connect(Txt_Enviar, &QPlainTextEdit::textChanged, this, [this] { Txt_Enviar_Change(); });
    connect(Pic_Enviar, &PictureBox::pressed, this, [this] { Pic_Enviar_MouseDown(); });
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [] { PulsarAyudaDialogo(kAyudaMensared); });
    connect(Pic_BotSalir, &PictureBox::pressed, this, [this] { Pic_BotSalir_MouseDown(); });
    connect(&red_, &ConexionRed::mensajesChatCambiados, this, [this] { MostrarMensajesChat(); });
    Form_Load();
}

void mensared::Form_Load()
{
    PunteroMesa(kPunteroNormal);
    Centrar(QSize(kAncho, kAlto));
    Surface& s = fondo_->surface();
    BordeElevado(s);
    DibujarTitulo(s);
    s.text(kLabel2.x(), kLabel2.y(), QStringLiteral("Mensajes enviados y recibidos:"), FuenteControles(),
           kNegro);
    s.text(kLabel1.x(), kLabel1.y(), QStringLiteral("Texto a enviar:"), FuenteControles(), kNegro);
    MoverControl(*Txt_Recibidos, kTxt_Recibidos.topLeft(), kTxt_Recibidos.size());
    MoverControl(*Txt_Enviar, kTxt_Enviar.topLeft(), kTxt_Enviar.size());

    MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, 396));
    MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(358, 396));
    Pic_Enviar->moveLogical(QPoint(186, 395));
    if (auto dibujo = Surface::load(QString::fromLatin1(recursos::mensared::Enviar)))
        Pic_Enviar->setSurface(*dibujo);
    PonerCursor(Pic_Enviar, "ManoIndice");
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
    red_.MarcarChatListado();
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

void mensared::Pic_BotSalir_MouseDown()
{
    PulsarSalirDialogo(*this, QDialog::Rejected);
}

void MostrarMensared(ConexionRed& red, QWidget* padre)
{
    if (abierta) return;
    if (!padre) padre = Entorno().mesa;
    abierta = new mensared(red, padre);
    EjecutarDialogo(abierta.data());
}

} // namespace zp
