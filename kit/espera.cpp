#include "kit/espera.h"

#include "kit/entorno.h"
#include "kit/etiqueta.h"
#include "kit/mensajes.h"

namespace zp {

namespace {

constexpr int kAncho = 440;
const QRect kTex_Titulo(20, 15, 400, 22);

QRect Tex_Mensaje(Entero lineas)
{
    return QRect(20, 50, 400, lineas * 16 + 3);
}

// A sunken recess round a label at (l, t), w x h.
void Hundido(Surface& s, const QRect& r)
{
    const int l = r.x(), t = r.y(), w = r.width(), h = r.height();
    s.box(l - 6, t - 1, l + w + 5, t + h + 1, kGris);
    s.line(l + w + 5, t + h + 1, l - 6, t + h + 1, kBlanco);
    s.line(l + w + 5, t + h + 1, l + w + 5, t - 1, kBlanco);
}

} // namespace

QString LineaTiempoEspera(int segundos)
{
    const int minutos = segundos / 60;
    QString linea = QStringLiteral("            Tiempo de espera: ");
    if (minutos != 0)
        linea += QString::number(minutos) +
                 (minutos == 1 ? QStringLiteral(" minuto y ") : QStringLiteral(" minutos y "));
    return linea + QString::number(segundos - minutos * 60) + QStringLiteral(" segundos.");
}

PanelEspera::PanelEspera(QWidget* padre, Clock& reloj) : PictureBox(padre), reloj_(&reloj)
{
    setObjectName(QStringLiteral("Pic_Info"));
    hide();
}

void PanelEspera::IniciarEspera()
{
    InicioEspera = reloj_->now();
    SegundosEspera = -1;
}

void PanelEspera::MostrarEspera(const QString& titulo, QString& texto, Entero lineas)
{
    // A monotonic clock: a wait across midnight keeps counting.
    const int transcurridos = int((reloj_->now() - InicioEspera) / 1000u);
    if (transcurridos <= SegundosEspera) return;
    SegundosEspera = transcurridos;
    texto += QStringLiteral("\r\n") + LineaTiempoEspera(transcurridos);
    titulo_ = titulo;
    mensaje_ = texto;
    if (isHidden()) Colocar(lineas);
    DibujarEtiquetas();
    refresh();
}

void PanelEspera::Colocar(Entero lineas)
{
    lineas_ = std::max<Entero>(lineas, 0);
    const int alto = lineas_ * 16 + 69;
    const EntornoKit& entorno = Entorno();
    Surface s(kAncho, alto, kGrisClaro);
    s.box(1, 1, kAncho - 1, alto - 1, kBlanco);
    s.line(kAncho - 1, alto - 1, kAncho - 1, 1, kGris);
    s.line(kAncho - 1, alto - 1, 1, alto - 1, kGris);
    Hundido(s, kTex_Titulo);
    Hundido(s, Tex_Mensaje(lineas_));
    setSurface(std::move(s));
    setLogicalGeometry(
        QRect((entorno.AnchoMesa - kAncho) / 2, (entorno.AltoPantalla - alto) / 2, kAncho, alto));
    show();
}

void PanelEspera::DibujarEtiquetas()
{
    Surface& s = surface();
    DibujarEtiqueta(s, kTex_Titulo, titulo_, FuenteTituloMensaje(), kAzulMarino, kGrisClaro, 16);
    DibujarEtiqueta(s, Tex_Mensaje(lineas_), mensaje_, FuenteTextoMensaje(), kNegro, kGrisClaro, 16);
}

} // namespace zp
