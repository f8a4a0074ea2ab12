#pragma once
// The program's help: our own Spanish pages, one per context number, shown in a window of the program.
// Every help button and the message box open it at their context.
#include "engine/estado.h"

#include <QMargins>
#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace zp {

// The page on network play, which every window that speaks of it opens.
inline constexpr Entero kAyudaRed = 5100;

class VisorAyuda : public QWidget
{
    Q_OBJECT
public:
    explicit VisorAyuda(QWidget* padre = nullptr);

    // Shows the page of `contexto`, or the index when that context has no page.
    void MostrarContexto(Entero contexto);
    QUrl PaginaMostrada() const;
    QString TituloPagina() const;
    QTextBrowser* Navegador() const { return navegador_; }

    // Belongs to `dueno` (the modal window on top, else the table window) and stays open when that one
    // closes: it passes to the window under it.
    void PonerDueno(QWidget* dueno);

    // Centred on the screen at its usual size, or as much of it as the screen holds.
    void Centrar();

protected:
    bool event(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override; // Esc closes it

private:
    // Moved, and made smaller where it must, so that its frame and all it holds are on the screen.
    void Encajar();
    // The window system's frame round what the window holds; none before it is shown.
    QMargins Bordes() const;

    // Set before the browser is built: building it already sends this window events that read it.
    bool marcoVisto_ = false; // the window system's frame has been taken into account
    QTextBrowser* navegador_;
};

// The program's own page of a context, or its index page when there is none.
QUrl PaginaAyuda(Entero contexto);

// Opens the help at `contexto`, in the one help window. It stays usable while a modal window runs: it
// belongs to the modal window on top (else to the table window).
VisorAyuda* MostrarAyuda(Entero contexto);
// The help window when it is open.
VisorAyuda* AyudaAbierta();

} // namespace zp
