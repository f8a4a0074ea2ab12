#include "settings/cargua.h"

#include "assets/recursos.h"
#include "engine/sonidos.h"
#include "kit/controles.h"
#include "kit/cursores.h"
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "kit/etiqueta.h"
#include "kit/mensajes.h"
#include "platform/picture_box.h"
#include "settings/core/fichero_estado.h"
#include "settings/partidas_guardadas.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <tuple>

namespace zp {

namespace {

constexpr int kAncho = 400;
constexpr int kAlto = 285;
constexpr QRect kTex_Titulo{20, 15, 365, 25};
constexpr QRect kTex_Mensaje{20, 50, 365, 54};
constexpr Entero kAyudaCargua = 2500;

struct TextosModo
{
    const char* titulo;
    const char* mensaje;
};
const TextosModo kTextos[] = {
    {"", ""},
    {" Cargar un juego archivado",
     " Indique el nombre del juego que desea cargar y que se va     a convertir en el juego actual."},
    {" Archivar el juego actual",
     " Indique  el  nombre  con  el  que  desea  archivar  el  juego       actual."},
    {" Borrar un juego archivado", " Indique el nombre del juego archivado que desea borrar."},
};
const char* const kAvisoExiste =
    "  Ya  existe  un  archivo  con  ese  nombre.   Pulse  el  botón        Guardar para sobreescribirlo  o  "
    "indique otro nombre para       archivar el juego actual.";

const TextosModo& Textos(ModoCargua modo)
{
    return kTextos[std::size_t(modo)];
}

QString Titulo(ModoCargua modo)
{
    return QString::fromUtf8(Textos(modo).titulo).trimmed();
}

// A message of the window's own, as many lines long as its text needs.
bool Preguntar(const QString& titulo, const QString& texto, Entero botones)
{
    return MostrarMensaje(titulo, texto, ContarLineasMensaje(texto), botones);
}

} // namespace

cargua::cargua(Contexto& c, std::string carpetaDatos, ModoCargua modo, QWidget* padre)
    : DialogoFondo(padre, QStringLiteral("cargua"), Titulo(modo)), c_(c), carpeta_(std::move(carpetaDatos)),
      modo_(modo)
{
    Tex_CarGua = new QLineEdit(fondo_);
    Tex_CarGua->setObjectName(QStringLiteral("Tex_CarGua"));
    Tex_CarGua->setFont(FuenteCaja(FuenteControles()));
    Lis_CarGua = new QListWidget(fondo_);
    Lis_CarGua->setObjectName(QStringLiteral("Lis_CarGua"));
    Lis_CarGua->setFont(FuenteCaja(FuenteControles()));
    auto boton = [this](const char* nombre, const QString& aviso) {
        return CrearBotonDialogo(fondo_, QString::fromLatin1(nombre), aviso);
    };
    Pic_Cargar = boton("Pic_Cargar", QStringLiteral("Cargar el juego seleccionado en la lista"));
    Pic_Guardar = boton("Pic_Guardar", QStringLiteral("Guardar el juego actual"));
    Pic_Borrar = boton("Pic_Borrar", QStringLiteral("Borrar el juego seleccionado en la lista"));
    Pic_BotAyuda = boton("Pic_BotAyuda", QStringLiteral("Ayuda"));
    Pic_BotSalir = boton("Pic_BotSalir", QStringLiteral("Salir"));

    connect(Tex_CarGua, &QLineEdit::textChanged, this, [this] { Tex_CarGua_Change(); });
    connect(Tex_CarGua, &QLineEdit::returnPressed, this, [this] { Tex_CarGua_KeyPress(); });
    // A pick by mouse or arrow keys; the list taking the focus changes nothing.
    connect(Lis_CarGua, &QListWidget::itemSelectionChanged, this, [this] { Lis_CarGua_Click(); });
    connect(Lis_CarGua, &QListWidget::itemClicked, this, [this] { Lis_CarGua_Click(); });
    connect(Lis_CarGua, &QListWidget::itemDoubleClicked, this, [this] { Lis_CarGua_DblClick(); });
    connect(Pic_Cargar, &PictureBox::clicked, this, [this] { Pic_Cargar_Click(); });
    connect(Pic_Guardar, &PictureBox::clicked, this, [this] { Pic_Guardar_Click(); });
    connect(Pic_Borrar, &PictureBox::clicked, this, [this] { Pic_Borrar_Click(); });
    connect(Pic_BotAyuda, &PictureBox::pressed, this, [] { PulsarAyudaDialogo(kAyudaCargua); });
    connect(Pic_BotSalir, &PictureBox::pressed, this,
            [this] { PulsarSalirDialogo(*this, QDialog::Rejected); });
    Form_Load();
}

PictureBox* cargua::BotonDelModo() const
{
    switch (modo_) {
    case kCarguaCargar:
        return Pic_Cargar;
    case kCarguaGuardar:
        return Pic_Guardar;
    case kCarguaBorrar:
        break;
    }
    return Pic_Borrar;
}

void cargua::Form_Load()
{
    PunteroMesa(kPunteroNormal);
    Centrar(QSize(kAncho, kAlto));
    Surface& s = fondo_->surface();
    BordeElevado(s);

    AvisoMostrado = false;
    DibujarEtiqueta(s, kTex_Titulo, QString::fromUtf8(Textos(modo_).titulo), FuenteTituloMensaje(),
                    kAzulMarino, kGrisClaro, 20);
    PonerMensaje(QString::fromUtf8(Textos(modo_).mensaje));

    const int abajo = kTex_Mensaje.y() + kTex_Mensaje.height(); // 104
    MoverControl(*Tex_CarGua, QPoint(127, abajo + 16), QSize(100, 20));
    MoverControl(*Lis_CarGua, QPoint(127, abajo + 16 + 20 + 1), QSize(100, 121));
    RellenaLista();

    for (const auto& [b, ruta] : {std::tuple{Pic_Cargar, recursos::cargua::Cargar},
                                  std::tuple{Pic_Guardar, recursos::cargua::Guardar},
                                  std::tuple{Pic_Borrar, recursos::cargua::Borrar}}) {
        b->moveLogical(QPoint(250, abajo + 60));
        if (auto dibujo = Surface::load(QString::fromLatin1(ruta))) b->setSurface(*dibujo);
        b->setVisible(b == BotonDelModo());
        PonerPuntero(b, kPunteroProhibido);
    }
    MostrarBotonDialogo(*Pic_BotAyuda, recursos::bmpvario::BotonAyuda, QPoint(15, abajo + 119));
    MostrarBotonDialogo(*Pic_BotSalir, recursos::bmpvario::BotonSalir, QPoint(337, abajo + 119));
    fondo_->invalidate();
}

void cargua::PonerMensaje(const QString& texto)
{
    mensaje_ = texto;
    DibujarEtiqueta(fondo_->surface(), kTex_Mensaje, texto, FuenteTextoMensaje(), kNegro, kGrisClaro, 16);
    fondo_->invalidate(kTex_Mensaje);
}

void cargua::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    Form_Activate();
}

void cargua::Form_Activate()
{
    Tex_CarGua->setFocus();
}

void cargua::keyPressEvent(QKeyEvent* evento)
{
    // Escape leaves as the exit button does; Enter belongs to the name box.
    if (evento->key() == Qt::Key_Escape) PulsarSalirDialogo(*this, QDialog::Rejected);
    evento->accept();
}

void cargua::RellenaLista()
{
    const QSignalBlocker sinClic(Lis_CarGua);
    Lis_CarGua->clear();
    Lis_CarGua->addItems(ListarPartidas(QString::fromStdString(carpeta_)));
}

void cargua::Utilizable(PictureBox* boton, bool si)
{
    const bool ahora = PunteroDe(boton) != kPunteroProhibido;
    if (si == ahora) return;
    if (si)
        PonerCursor(boton, "ManoIndice");
    else
        PonerPuntero(boton, kPunteroProhibido);
}

void cargua::Tex_CarGua_Change()
{
    NombreJuego = NombreDeJuego(Tex_CarGua->text());
    if (modo_ == kCarguaGuardar) {
        AvisoMostrado = false;
        PonerMensaje(QString::fromUtf8(Textos(modo_).mensaje));
        Utilizable(Pic_Guardar, !NombreJuego.isEmpty());
        return;
    }
    Utilizable(BotonDelModo(), FicheroDePartida(QString::fromStdString(carpeta_), NombreJuego).has_value());
}

void cargua::Tex_CarGua_KeyPress()
{
    // Enter presses the button of the window's mode.
    switch (modo_) {
    case kCarguaCargar:
        Pic_Cargar_Click();
        break;
    case kCarguaGuardar:
        Pic_Guardar_Click();
        break;
    case kCarguaBorrar:
        Pic_Borrar_Click();
        break;
    }
}

void cargua::Lis_CarGua_Click()
{
    const auto elegidos = Lis_CarGua->selectedItems();
    if (!elegidos.isEmpty()) Tex_CarGua->setText(elegidos.front()->text());
}

void cargua::Lis_CarGua_DblClick()
{
    Lis_CarGua_Click();
    // A double-click never overwrites a stored game: the overwriting press is the button's or Enter's.
    if (modo_ == kCarguaCargar)
        Pic_Cargar_Click();
    else if (modo_ == kCarguaGuardar && !AvisoMostrado)
        Pic_Guardar_Click();
}

bool cargua::NombreAceptado()
{
    const QString motivo = NombreNoValido(NombreJuego);
    if (motivo.isEmpty()) return true;
    Preguntar(Titulo(modo_),
              QStringLiteral("No puede usarse «") + NombreJuego +
                  QStringLiteral("» como nombre de un juego: ") + motivo +
                  QStringLiteral(". Indique otro nombre."),
              1);
    return false;
}

void cargua::Pic_Guardar_Click()
{
    SonarKit(0, sonido::Clic);
    if (NombreJuego.isEmpty() || !NombreAceptado()) return;
    GuardaMano();
}

void cargua::GuardaMano()
{
    const QString carpeta = QString::fromStdString(carpeta_);
    const std::optional<QString> existente = FicheroDePartida(carpeta, NombreJuego);
    if (existente && !AvisoMostrado) {
        PonerMensaje(QString::fromUtf8(kAvisoExiste));
        AvisoMostrado = true;
        return;
    }
    // A name that differs only in case overwrites that game rather than making a twin of it.
    const QString fichero = existente.value_or(NombreJuego + QStringLiteral(".man"));
    if (const auto fallo = GrabarEstado(carpeta_, fichero.toStdString(), c_.e, c_.a)) {
        Preguntar(Titulo(modo_),
                  QStringLiteral("No se ha podido archivar el juego actual con el nombre «%1» (%2). El juego "
                                 "sigue en la mesa.")
                      .arg(NombreJuego, QString::fromStdString(TextoErrorAjustes(fallo->Numero))),
                  1);
        return;
    }
    done(QDialog::Accepted);
}

void cargua::Pic_Cargar_Click()
{
    SonarKit(0, sonido::Clic);
    if (!NombreJuego.isEmpty() && !NombreAceptado()) return;
    if (PunteroDe(Pic_Cargar) == kPunteroProhibido) return;
    const auto fichero = FicheroDePartida(QString::fromStdString(carpeta_), NombreJuego);
    if (!fichero) return;
    const ResultadoCargaEstado r = CargarEstado(carpeta_, fichero->toStdString(), c_.e, c_.a);
    if (r.Mensaje) {
        // Not a state this program can play: the game on the table stays as it was.
        MostrarMensaje(r.Mensaje->Titulo, r.Mensaje->Texto, Entero(r.Mensaje->Lineas), 1);
        return;
    }
    if (!r.FicheroEncontrado) return;
    // `RedibujoPendiente` stays set: it tells the table to take the loaded game up.
    c_.dibujo.RedibujarMesa();
    cargado_ = true;
    done(QDialog::Accepted);
}

void cargua::Pic_Borrar_Click()
{
    SonarKit(0, sonido::Clic);
    if (!NombreJuego.isEmpty() && !NombreAceptado()) return;
    if (PunteroDe(Pic_Borrar) == kPunteroProhibido || NombreJuego.isEmpty()) return;
    const QString carpeta = QString::fromStdString(carpeta_);
    const auto fichero = FicheroDePartida(carpeta, NombreJuego);
    if (!fichero) return;
    if (!Preguntar(Titulo(modo_),
                   QStringLiteral("¿Desea borrar el juego archivado «") + NombreJuego + QStringLiteral("»?"),
                   2))
        return;
    if (!QFile::remove(QDir(carpeta).filePath(*fichero))) return; // the list and the name stay as they were
    RellenaLista();
    Tex_CarGua->clear();
}

bool MostrarCargua(Contexto& c, const std::string& carpetaDatos, ModoCargua modo, QWidget* padre)
{
    if (!padre) padre = Entorno().mesa;
    return EjecutarDialogo(new cargua(c, carpetaDatos, modo, padre), [](cargua& v) { return v.Cargado(); });
}

} // namespace zp
