#pragma once
// The score sheet `marcador`: the scored hands of the match in progress and its totals, as a spiral notepad
// in pairs play or as a typed report on a sheet of paper in individual play. It changes no game state but
// the match totals, which it recomputes before listing.
#include "engine/ajustes.h"
#include "kit/dialogo.h"
#include "platform/surface.h"
#include "scores/texto_hoja.h"

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

namespace zp {

class PictureBox;

// Masks of the sheet: "@@@" right-aligns in `ancho` characters, "!@@@…" left-aligns; neither shortens.
QString AlinearDerecha(const QString& texto, int ancho);
QString AlinearIzquierda(const QString& texto, int ancho);
// A hand number as the sheet writes it: "  1" .. "  9", " 10" .. " 99".
QString TextoNumeroMano(int mano);

class marcador : public DialogoFondo
{
    Q_OBJECT
public:
    // `carpetaDatos` is the work folder, where the history button finds the history file.
    marcador(EstadoJuego& e, const Ajustes& a, std::string carpetaDatos, QWidget* padre = nullptr);

    // What was printed on the notepad, in order.
    const std::vector<TextoImpreso>& TextosPuntos() const { return textosPuntos_; }

    // The paper rises out of the tray's slot (individual layout only).
    void Form_Activate();

    // The form's controls, by their names.
    PictureBox* Pic_Puntos;
    PictureBox* Pic_Informe;
    PictureBox* Pic_Papel;
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_BotHistorico;
    PictureBox* Pic_BotSalir;

protected:
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Form_Load();
    void Pic_BotHistorico_MouseDown();

    void DibujarMarco();
    void DibujarParejas();
    void DibujarIndividual();
    void ColocarBotones();
    void Escribir(PictureBox* caja, int x, int y, const QString& texto, const FontSpec& fuente, QRgb color,
                  bool cursiva);
    PictureBox* CrearCaja(QWidget* padre, const char* nombre);

    EstadoJuego& e_;
    const Ajustes& a_;
    std::string carpeta_;
    std::vector<TextoImpreso> textosPuntos_;
    bool deslizando_ = false;
};

// Shows the score sheet modally over `padre` and returns when it has been closed.
void MostrarMarcador(EstadoJuego& e, const Ajustes& a, const std::string& carpetaDatos, QWidget* padre);

} // namespace zp
