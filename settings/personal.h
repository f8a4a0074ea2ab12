#pragma once
// The player settings window `personal`: the four seats round a small table (name, in play or not, who plays
// it, whether its tiles are shown, an automatic player's level and character, a remote player's address),
// the direction of play, two display options, the sound and pause switches, network play with its mode and
// addresses, and the speed of play. Every control changes the shared settings at once; leaving checks them,
// asks before anything that ends the game in progress, puts back what the user cancels and tells the table
// what to do next.
#include "engine/ajustes.h"
#include "kit/dialogo.h"
#include "platform/picture_box.h"
#include "settings/core/etiquetas_opciones.h"
#include "settings/servicios_ajustes.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace zp {

class personal : public DialogoFondo
{
    Q_OBJECT
public:
    explicit personal(ContextoAjustes c, QWidget* padre = nullptr);

    // What the table is to do once the window has closed.
    const BanderasAjustes& Banderas() const { return banderas_; }

    // The form's controls, by their names and indexes.
    std::array<PictureBox*, 35> Pic_Selector{};      // 1, 2, 3, 5, 11..14, 21..28, 31..34
    std::array<PictureBox*, 4> Pic_Buleano{};        // 1 sound, 2 pause, 3 network play
    std::array<PictureBox*, 15> Pic_Potenciometro{}; // 1 speed, 11..14 the seats' levels
    std::array<QLineEdit*, 5> Txt_Nombre{};          // 1..4
    std::array<QLineEdit*, 4> Txt_IPCliente{};       // 1..3
    QLineEdit* Txt_IPAdmin;
    QLineEdit* Tex_Grafico;
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_BotSalir;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    // Opening, drawing and closing.
    void CrearControles();
    void Form_Load();
    void DibujaPersonal();
    void NormalizarAsientos();
    void DibujarAsiento(int s);
    void DibujarRed();
    void DibujarFigura();
    void Form_Unload();

    // The controls and their rules.
    bool CandadoCliente() const;
    void MensajeCandado(Entero ayuda);
    // The setting a selector shows, and its value as an option number.
    Entero ValorSelector(Entero indice) const;
    void PonerSelector(Entero indice, Entero valor);
    Entero& ValorPotenciometro(Entero indice);
    void Dibujar(Entero indiceSelector);
    void Avanzar(Entero indiceSelector);
    void Pic_Buleano_MouseDown(Entero Index);
    void DibujarBuleano(Entero Index);
    void Pic_Potenciometro_MouseDown(Entero Index, const PointerEvent& p);
    void Pic_Potenciometro_MouseMove(Entero Index, const PointerEvent& p);
    void Pic_Potenciometro_MouseUp(Entero Index);
    void Pic_Selector_MouseDown(Entero Index, QPoint punto);
    void Pic_Selector_MouseMove(Entero Index, QPoint punto);
    void ClicSelectorEstado(Entero s);
    void ClicSelectorFichas(Entero s);
    void ClicSelectorControl(Entero s);
    void ClicSelectorSentido();
    void Txt_Nombre_Change(Entero Index);
    void Txt_IPCliente_Change(Entero Index);
    void Txt_IPAdmin_Change();
    void Form_KeyPress(const QString& tecla);
    void Tex_Grafico_KeyPress();

    // Leaving.
    void Pic_BotSalir_MouseDown();
    bool ComprobarSalida();
    void PreguntarPorLaRed();
    void PreguntarPorElModo();
    void PreguntarPorLosControles();
    void PreguntarPorLosActivados();
    bool ComprobarDirecciones();
    void PreguntarPorLasDirecciones();
    void DifundirCambios();
    void GuardarAlSalir();

    ContextoAjustes c_;
    BanderasAjustes banderas_;
    TablaOpciones opciones_{};
    bool saliendo_ = false;      // the exit's checks are running: a second press waits for them
    bool tomadaAlAbrir_ = false; // ZARPE33.ARE was written when the window opened

    // The copies taken when the window opened, which leaving compares against.
    std::array<std::string, 5> NombreAntes{}, IPAntes{};
    std::string direccionLocal_; // this computer's address, looked up once the network block first shows
    std::array<EstadoAsiento, 5> EstadoAntes{};
    std::array<Control, 5> ControlAntes{};
    std::array<Caracter, 5> CaracterAntes{};
    std::array<Entero, 5> NivelAntes{};
    bool JuegoEnRedAntes = false, PausaAntes = false;
    PapelRed ModoRedAntes{};
    Sentido SentidoAntes{};
    VistaLista ListaAntes{};

    // A slider's knob being dragged.
    int XInicial = 0;
    int Desplazamiento = 0;
    Entero ValorSlider = 0;
};

// Shows the player settings modally over `padre` (the table when none) and returns, once they have been
// left, what the table is to do next.
BanderasAjustes MostrarPersonal(ContextoAjustes c, QWidget* padre = nullptr);

} // namespace zp
