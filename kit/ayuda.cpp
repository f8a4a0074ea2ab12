#include "kit/ayuda.h"

#include "assets/recursos.h"
#include "kit/entorno.h"
#include "platform/virtual_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace zp {

namespace {

constexpr QSize kTamanoAyuda(640, 520);

QPointer<VisorAyuda>& visorAbierto()
{
    static QPointer<VisorAyuda> visor;
    return visor;
}

} // namespace

QUrl PaginaAyuda(Entero contexto)
{
    const QString base = QString::fromLatin1(recursos::ayuda::Prefijo);
    const QString pagina = base + QString::number(contexto) + QString::fromLatin1(recursos::ayuda::Extension);
    const QString ruta =
        contexto > 0 && QFileInfo::exists(pagina) ? pagina : base + QStringLiteral("indice.html");
    return QUrl(QStringLiteral("qrc") + ruta);
}

VisorAyuda::VisorAyuda(QWidget* padre) : QWidget(padre, Qt::Window), navegador_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("VisorAyuda"));
    setWindowTitle(QStringLiteral("Ayuda"));
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->addWidget(navegador_);
    navegador_->setOpenLinks(true);
    // One look for every page, kept here rather than repeated in each of them.
    navegador_->document()->setDefaultStyleSheet(
        QStringLiteral("body { font-family: sans-serif; font-size: 10pt; }\n"
                       "h1 { color: #000080; font-size: 16pt; }\n"
                       "h2 { color: #800080; font-size: 12pt; }\n"
                       ".nav { font-size: 9pt; }\n"
                       ".msg { color: #000080; }\n"));
    connect(navegador_, &QTextBrowser::sourceChanged, this, [this] {
        const QString titulo = navegador_->documentTitle();
        setWindowTitle(titulo.isEmpty() ? QStringLiteral("Ayuda") : titulo);
    });
    resize(kTamanoAyuda);
}

void VisorAyuda::MostrarContexto(Entero contexto)
{
    navegador_->setSource(PaginaAyuda(contexto));
}

QUrl VisorAyuda::PaginaMostrada() const
{
    return navegador_->source();
}

QString VisorAyuda::TituloPagina() const
{
    return navegador_->documentTitle();
}

void VisorAyuda::PonerDueno(QWidget* dueno)
{
    if (QWidget* antes = parentWidget()) antes->removeEventFilter(this);
    if (parentWidget() != dueno) {
        const bool visible = isVisible();
        const QRect donde = geometry();
        setParent(dueno, Qt::Window); // hides it
        setGeometry(donde);
        if (visible) show();
    }
    if (dueno) dueno->installEventFilter(this);
}

QMargins VisorAyuda::Bordes() const
{
    const QRect dentro = geometry(), marco = frameGeometry();
    return QMargins(dentro.left() - marco.left(), dentro.top() - marco.top(), marco.right() - dentro.right(),
                    marco.bottom() - dentro.bottom());
}

// A top-level window is moved by its frame's corner and sized by what it holds.
void VisorAyuda::Centrar()
{
    const QRect area = screenArea();
    const QMargins bordes = Bordes();
    QRect marco(QPoint(), kTamanoAyuda.grownBy(bordes).boundedTo(area.size()));
    marco.moveCenter(area.center());
    resize(marco.size().shrunkBy(bordes));
    move(marco.topLeft());
}

void VisorAyuda::Encajar()
{
    const QRect marco = fitWithin(frameGeometry(), screenArea());
    resize(marco.size().shrunkBy(Bordes()));
    move(marco.topLeft());
}

bool VisorAyuda::event(QEvent* evento)
{
    // The frame is known only once the window system has put one round the window, after it shows.
    const auto tipo = evento->type();
    if (!marcoVisto_ && (tipo == QEvent::Move || tipo == QEvent::Resize) && isVisible() &&
        frameGeometry() != geometry()) {
        marcoVisto_ = true;
        Encajar();
    }
    return QWidget::event(evento);
}

void VisorAyuda::closeEvent(QCloseEvent* evento)
{
    QWidget::closeEvent(evento);
    if (!evento->isAccepted()) return;
    // The keys go back to the window below, as they went before the help opened: nobody else gives them
    // back where no window manager looks after the focus.
    QWidget* debajo = parentWidget();
    hide();
    if (debajo && debajo->isVisible()) debajo->activateWindow();
}

void VisorAyuda::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}

bool VisorAyuda::eventFilter(QObject* objeto, QEvent* evento)
{
    // A message box is gone once hidden: the help it opened must not go with it.
    if (objeto == parentWidget() && evento->type() == QEvent::Hide) {
        QWidget* debajo = parentWidget()->parentWidget();
        PonerDueno(debajo ? debajo->window() : Entorno().mesa);
    }
    return false;
}

VisorAyuda* MostrarAyuda(Entero contexto)
{
    // A modal window blocks every window but its own: the help must belong to the one on top.
    QWidget* dueno = QApplication::activeModalWidget();
    if (!dueno) dueno = Entorno().mesa;
    QPointer<VisorAyuda>& visor = visorAbierto();
    const bool nuevo = !visor;
    if (nuevo) {
        visor = new VisorAyuda;
        visor->setAttribute(Qt::WA_DeleteOnClose);
    }
    visor->PonerDueno(dueno);
    visor->MostrarContexto(contexto);
    visor->show();
    // Centred on the screen the first time, as every window of the program, its frame counted where the
    // window system has told it by now; where the person put it after.
    if (nuevo) visor->Centrar();
    visor->raise();
    visor->activateWindow();
    return visor;
}

VisorAyuda* AyudaAbierta()
{
    return visorAbierto();
}

} // namespace zp
