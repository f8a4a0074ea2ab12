#pragma once
// The statistics window `estadis`: the figures of the hand in progress drawn once, as one sheet, when the
// window opens: the tiles each player laid, the numbers each one cut, showed or passed on, the triangle of
// the 28 tiles, the numbers, tiles and points laid and not laid, and the tiles that fit the open ends. The
// window sizes itself to the sheet. Any character key closes it; "p" or "P" prints it first.
#include "kit/dialogo.h"
#include "kit/entorno.h"
#include "platform/surface.h"
#include "scores/core/estadisticas.h"
#include "scores/texto_hoja.h"

#include <QDialog>
#include <string>
#include <vector>

namespace zp {

class PictureBox;

class estadis : public DialogoFondo
{
    Q_OBJECT
public:
    // `carpetaDatos` is the work folder, where the sheet is printed to a file on a machine with no printer.
    estadis(const EstadoJuego& e, const Ajustes& a, std::string carpetaDatos, QWidget* padre = nullptr);

    // What was written on the sheet, in order.
    const std::vector<TextoImpreso>& Textos() const { return textos_; }
    int XEscritura = 0;
    int YEscritura = 0;

    // The form's controls, by their names.
    PictureBox* Texto;
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_BotSalir;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Form_Load();
    void Estadisticas();
    void DibujaFondo();
    void Form_KeyPress(QChar tecla);
    void Imprimir();

    void DibujarFilas(const EstadisticasMano& s, int M, int P);
    void DibujarCuadro(const EstadisticasMano& s, int C);
    void DibujarPuestas(const EstadisticasMano& s, int C);
    void DibujarQueCasan(const EstadisticasMano& s, int C);
    void Escribir(int x, int y, const QString& texto, QRgb color = kNegro);
    void FichaPequena(int x, int y, const FichaVista& f, int separador, QRgb color, QRgb colorNumeros);

    const EstadoJuego& e_;
    const Ajustes& a_;
    std::string carpeta_;
    std::vector<TextoImpreso> textos_;
};

// Shows the statistics modally over `padre` and returns when they have been closed.
void MostrarEstadisticas(const EstadoJuego& e, const Ajustes& a, const std::string& carpetaDatos,
                         QWidget* padre);

} // namespace zp
