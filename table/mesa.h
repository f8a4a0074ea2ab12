#pragma once
// The table window `mesa`: it fills the screen; its left part is the marble table on which the hands, the
// line, the stock and the panels are drawn, its right edge the 90 px button bar. It lives from start-up to
// exit, owns the sprite sheets every window copies from, and is the table the engine draws on.
#include "engine/mesa.h"
#include "engine/pantalla.h"
#include "platform/picture_box.h"
#include "settings/fondo_mesa.h"
#include "table/disposicion_mesa.h"
#include "table/grabadora_mesa.h"
#include "table/imagen_mesa.h"
#include "table/lienzo_mesa.h"
#include "table/opciones_mesa.h"
#include "table/zona_puntero.h"

#include <array>
#include <functional>

class QListWidget;

namespace zp {

class PanelEspera;

class mesa : public PictureBox,
             public DibujoMesa,
             public AnimacionMesa,
             public GrabadoraMesa,
             public AvisosMesa,
             public MandosMesa,
             public ArranqueMesa,
             public MesaConFondo
{
    Q_OBJECT
public:
    mesa(EstadoJuego& e, Ajustes& a, QWidget* padre = nullptr);
    ~mesa() override;

    // Lays the window out for the screen: window, bar and its buttons, Continue button, remote, move list,
    // marble copy; then the hands. Once, at start-up.
    void DisponerMesa(const Pantalla& pantalla) override;
    // The start-up's background: the marble tiled over the whole table becomes the clean copy every erase
    // copies from and the window's own picture; the table is cleared to it.
    void PintarFondo() override;
    // A background picture of the user's in place of the marble (the settings' background option).
    void PonerFondo(const Surface& fondo) override;
    // The recorder remote's released picture.
    void PintarGrabadora() override;

    // Redraws the whole table from the game state: laid tiles, hands, stock, move list and score panel.
    void RedibujarMesa() override;
    // Clears the drawing to the window's background picture.
    void Cls();

    const Pantalla& Medidas() const override { return pantalla_; }
    const DisposicionMesa& Disposicion() const { return disposicion_; }
    EstadoMesa& Estado() { return m_; }
    const HojasMesa& Hojas() const { return hojas_; }
    const Surface& Marmol() const override { return Pic_Marmol; }
    LienzoMesa Lienzo();
    EstadoJuego& Juego() { return e_; }
    Ajustes& Datos() { return a_; }

    // The engine's table.
    void MostrarCareta() override; // the cover, for its time, unless `SinCareta`
    void CerrarCareta() override;
    void MostrarMesa() override;
    bool LetraGrande() const override;
    void LimpiarMesa() override;
    void Refrescar() override;
    void DibujarMarcadorMesa() override;
    void OcultarBotonContinuar() override;
    void DibujarFichaDescubierta(Entero a, Entero b) override;
    void DibujarMano(Entero asiento, bool descubierta = false) override;
    void DibujarNombres() override;
    void DibujarMonton() override;
    void PonerPunteroMesa(Puntero puntero) override;
    void AnularZonaPuntero() override;
    void MostrarRotuloSalida(const std::string& texto) override;
    void BorrarRotuloSalida() override;
    // The recorder remote and the move list, whose lines and selected line the window keeps.
    void MostrarGrabadora(bool visible) override;
    void MostrarListaJugadas(bool visible) override;
    void PonerLineaListaJugadas(int linea, const std::string& texto) override;
    void RecortarListaJugadas(int lineas) override;
    void PasoListaJugadas(int linea, bool adelante) override;
    // The line of the current move selected (-1: none).
    void SeleccionarLineaListaJugadas(int linea);
    // The line, the animations, the hand effects, the Continue button and the turn panel.
    void DibujarManoIndicadora(Entero asiento, Entero x, Entero y) override;
    void AnimarJugada(Entero jugada) override;
    void AnimarRobarFicha(Entero jugada) override;
    void DeshacerJugada(Entero jugada) override;
    void DevolverFichaAlMonton(Entero xDesde, Entero yDesde, Entero xHasta, Entero yHasta) override;
    void MostrarPaso(Entero asiento) override;
    void DibujarBotonContinuar(Entero modo) override;
    void IndicarFichas(Entero asiento) override;
    void ParpadearMano(Entero asiento) override;
    void MostrarSenalDomino(Entero asiento) override;
    void OcultarFlechas() override;
    void OcultarPanelTurno() override;
    void DibujarEsperandoJugada() override;
    // The bar's tutor: unusable after every move until the pointer passes over it again; its bulb.
    void InhabilitarBotonAyuda() override;
    void OcultarBombillaTutor() override;
    // The recorder remote: its power key lit or not, its pointer; the Continue button's pointer.
    void EncenderGrabadora(bool encendida) override;
    void PonerPunteroGrabadora(Puntero puntero) override;
    void PonerPunteroContinuar(Puntero puntero) override;

    // The form's controls, by their names.
    PictureBox* Pic_Botonera;
    std::array<PictureBox*, 10> Pic_Boton{}; // 1..9
    PictureBox* Pic_BotContinuar;
    PictureBox* Pic_TexTurno;
    PanelEspera* Pic_Info;
    PictureBox* Pic_Grabadora;
    QListWidget* Lis_Grabadora;
    QListWidget* Lis_Ordenar; // sorted work list, never shown
    PictureBox* Pic_SelOpciones;
    PictureBox* Pic_Mover;
    ImagenMesa Ima_Mover{QStringLiteral("Ima_Mover")};
    std::array<ImagenMesa, 5> Ima_Flechas; // 1 right, 2 down, 3 left, 4 up: picture sources only
    ImagenMesa Ima_FlechaDer{QStringLiteral("Ima_FlechaDer")}; // end 1
    ImagenMesa Ima_FlechaIzq{QStringLiteral("Ima_FlechaIzq")}; // end 2
    ImagenMesa Ima_Paso{QStringLiteral("Ima_Paso")};
    ImagenMesa Ima_IndiTuto{QStringLiteral("Ima_IndiTuto")};
    // The clean background every erase copies from: the screen plus 9 x 2 px.
    Surface Pic_Marmol;
    bool SinCareta = false; // tests start without the cover
    EntradaMesa Entrada;    // the pointer between mouse events
    EstadoGrabadoraMesa Grabadora;
    MenuOpciones Menu;
    // A bar button pressed by a key or by closing the window: set by the bar.
    std::function<void(Entero)> PedirBoton;

    // The exit button's command runs inside one of these, from its first step to its last: it answers every
    // close of the window made before it ends, so that a close waiting for it, or made meanwhile, asks
    // nothing more.
    class SalidaEnCurso
    {
    public:
        explicit SalidaEnCurso(mesa& m) : m_(m) { m_.saliendo_ = true; }
        ~SalidaEnCurso()
        {
            m_.saliendo_ = false;
            ++m_.salidasAtendidas_;
        }
        SalidaEnCurso(const SalidaEnCurso&) = delete;
        SalidaEnCurso& operator=(const SalidaEnCurso&) = delete;

    private:
        mesa& m_;
    };

protected:
    void paintEvent(QPaintEvent* evento) override;
    // Closing the window by the window system is the exit button: it may refuse, ask and save.
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CrearControles();
    void DibujarBotonera();
    void PrepararImagen(ImagenMesa& imagen, const char* ruta = nullptr);
    std::array<ImagenMesa*, 8> Imagenes();

    EstadoJuego& e_;
    Ajustes& a_;
    Pantalla pantalla_;
    DisposicionMesa disposicion_;
    HojasMesa hojas_;
    EstadoMesa m_;
    Surface fondo_; // the window's picture, which Cls restores
    // Written by SalidaEnCurso alone.
    bool saliendo_ = false;         // the exit button's command runs
    unsigned salidasAtendidas_ = 0; // exit commands run to their end
};

} // namespace zp
