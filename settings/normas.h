#pragma once
// The rules window `normas`: five frames of option selectors and three spins that change the rules of
// play at once, click by click; leaving it settles what is left (typed values brought within bounds, a
// changed number of tiles confirmed, the new rules sent to the network clients) and tells the table whether
// a new match is due.
#include "engine/contexto.h"
#include "kit/dialogo.h"
#include "platform/surface.h"
#include "settings/core/etiquetas_opciones.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QTimer;

namespace zp {

class PictureBox;
struct PointerEvent;

// Bounds of a spin of the rules window under the rules as they stand.
struct LimitesSpinNormas
{
    Entero Minimo = 0;
    Entero Maximo = 0;
};
// Spin 24 the points of the match, 25 the tiles per player, 26 the tiles that stay in the stock.
LimitesSpinNormas LimitesDeSpin(Entero indice, const Ajustes& a);

// The rule of selector or spin `indice` (6..19, 24..26; any other gives the stock remainder).
const DefinicionAjuste& ReglaDeNormas(Entero indice);

// The number a text begins with, blanks skipped, as a 16-bit integer (halves to even); 0 when it begins
// with none.
Entero ValorTecleado(const QString& texto);

class normas : public DialogoFondo
{
    Q_OBJECT
public:
    explicit normas(Contexto& c, QWidget* padre = nullptr);

    // The window asks the table for a new match once it has closed.
    bool NuevaPartida() const { return NuevaPartida_; }

    // The form's controls, by their names and indexes: selectors 6..19 and spins 24..26.
    std::array<PictureBox*, 20> Pic_Selector{};
    std::array<PictureBox*, 27> Pic_Spin{};
    std::array<QLineEdit*, 27> Tex_Spin{};
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_BotSalir;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    // Closed by the window system, it leaves as its exit button does.
    void reject() override;

private:
    void Form_Load();
    void Form_Activate();
    void DibujaNormas();
    void DibujarMarco(QPoint origen, const QString& titulo, int alto);
    void DibujarSelectorNormas(Entero indice);
    void AvanzarSelectorNormas(Entero indice);
    void DibujarSpinNormas(Entero indice);

    void Pic_Selector_MouseDown(Entero Index, QPoint punto);
    void Pic_Selector_MouseMove(Entero Index, QPoint punto);
    void Pic_Spin_MouseDown(Entero Index, QPoint punto);
    void Pic_Spin_MouseMove(Entero Index, QPoint punto);
    void Pic_Spin_MouseUp(Entero Index);
    void Tex_Spin_Change(Entero Index);
    void Pic_BotSalir_MouseDown();

    void LimitesSpin(Entero Index);
    void ActualizaSpin(Entero Index);
    // One round of a held arrow; the next ones follow from the event loop while the arrow stays held.
    void RepetirSpin(Entero Index, bool arriba);
    void SoltarFlechaSpin();
    void DetenerRepeticion();

    // The code of the rule of selector or spin `indice`, and its change.
    Entero Regla(Entero indice) const;
    void PonerRegla(Entero indice, Entero valor);
    bool BloqueoCliente() const;
    // Shows the Cliente lock's message when it holds.
    bool RechazarCliente() const;
    std::array<Entero, 13> Reglas() const;

    Contexto& c_;
    TablaOpciones opciones_{};

    bool Cargando = false;
    std::array<Entero, 13> ReglasAntes{};
    Entero FichasAntes = 0;
    Entero ValorSpin = 0, MinimoSpin = 0, MaximoSpin = 0;
    bool ArribaPulsado = false, AbajoPulsado = false;
    QTimer* soltarFlecha_;  // the held arrow shown released
    QTimer* siguientePaso_; // the next round
    Entero spinRepetido_ = 24;
    bool subiendo_ = true;
    bool NuevaPartida_ = false;
    bool saliendo_ = false;
};

// Shows the rules window modally over `padre` (the table when none) and returns, once it has closed,
// whether a new match must start.
bool MostrarNormas(Contexto& c, QWidget* padre = nullptr);

} // namespace zp
