#pragma once
// The stored-games window `cargua`: in one of three modes it stores the game on the table under a name,
// loads a stored game so that it becomes the game on the table, or deletes a stored game. The games are
// state files "<name>.man" of the work folder.
#include "engine/contexto.h"
#include "kit/dialogo.h"
#include "platform/surface.h"

#include <QDialog>
#include <string>

class QLineEdit;
class QListWidget;

namespace zp {

class PictureBox;

// What the window does: load, store or delete a game.
enum ModoCargua : Entero
{
    kCarguaCargar = 1,
    kCarguaGuardar = 2,
    kCarguaBorrar = 3
};

class cargua : public DialogoFondo
{
    Q_OBJECT
public:
    cargua(Contexto& c, std::string carpetaDatos, ModoCargua modo, QWidget* padre = nullptr);

    // The prompt, or the warning that the name is taken.
    QString TextoMensaje() const { return mensaje_; }
    // A stored game became the game on the table.
    bool Cargado() const { return cargado_; }

    // The form's controls, by their names.
    QLineEdit* Tex_CarGua;
    QListWidget* Lis_CarGua;
    PictureBox* Pic_Cargar;
    PictureBox* Pic_Guardar;
    PictureBox* Pic_Borrar;
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_BotSalir;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    void RellenaLista();
    void Tex_CarGua_Change();
    void Tex_CarGua_KeyPress();
    void Lis_CarGua_Click();
    void Lis_CarGua_DblClick();
    void Pic_Cargar_Click();
    void Pic_Guardar_Click();
    void Pic_Borrar_Click();
    void GuardaMano();

    void PonerMensaje(const QString& texto);
    void Utilizable(PictureBox* boton, bool si);
    PictureBox* BotonDelModo() const;
    // The name is refused with a message when it is not one a stored game can have.
    bool NombreAceptado();

    Contexto& c_;
    std::string carpeta_;
    ModoCargua modo_;
    QString mensaje_;
    QString NombreJuego;
    bool AvisoMostrado = false;
    bool cargado_ = false;
};

// Shows the window modally over `padre` (the table when none) and returns, once it has closed, whether a
// stored game was loaded; the caller then takes it up from the top-level loop.
bool MostrarCargua(Contexto& c, const std::string& carpetaDatos, ModoCargua modo, QWidget* padre = nullptr);

} // namespace zp
