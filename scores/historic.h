#pragma once
// The history window `historic`: the recorded matches on the page of a ring binder, eight a page, newest
// first, turned at the folded lower corners of the page; its middle button turns the same page into the four
// ranked tables of totals. It only reads the history file.
#include "kit/dialogo.h"
#include "platform/surface.h"
#include "scores/core/listado_historico.h"
#include "scores/core/totales_historico.h"
#include "scores/texto_hoja.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

namespace zp {

class PictureBox;
struct PointerEvent;

class historic : public DialogoFondo
{
    Q_OBJECT
public:
    explicit historic(std::string carpetaDatos, QWidget* padre = nullptr);

    // Place and size of the client area on the virtual screen.
    QRect GeometriaLogica() const { return geometria_; }
    const Surface& Superficie() const;
    // What the page shows now, in the order it was written.
    const std::vector<TextoImpreso>& TextosPagina() const { return textos_; }
    int PrimeraLinea() const { return PrimeraLinea_; }
    bool VistaTotales() const { return VistaTotales_; }
    Entero AyudaActual() const;

    // The form's controls, by their names.
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_BotHisTt;
    PictureBox* Pic_BotSalir;
    PictureBox* Pic_Carpeta;

private:
    void Form_Load();
    void ListarPartidas(int primera);
    void ListaTotales(int primera);
    void Pic_Carpeta_MouseDown(const PointerEvent& evento);
    void Pic_Carpeta_MouseMove(const PointerEvent& evento);
    void Pic_BotHisTt_MouseDown();

    int LineasVista() const;
    void Escribir(int x, int y, const QString& texto, bool negrita, bool cursiva, QRgb color);
    int AnchoTexto(const QString& texto, bool negrita, bool cursiva) const;

    std::string carpeta_;
    std::vector<RegistroHistorico> Lis_Datos_;
    std::vector<std::optional<LineaTotales>> Lis_Totales_;
    int PrimeraLinea_ = 0;
    bool VistaListado_ = false;
    bool VistaTotales_ = false;
    std::vector<TextoImpreso> textos_;
};

// Shows the history modally over `padre` and returns when it has been closed.
void MostrarHistorico(const std::string& carpetaDatos, QWidget* padre);

} // namespace zp
