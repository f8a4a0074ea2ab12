#pragma once
// The chat window `mensared`: during network play it lists every chat line of this run, the oldest first,
// each under the name of its sender and the time it was sent, and lets the person here send a line of up to
// 200 characters. A client's own line is listed when the host sends it back, so every computer lists the
// lines in the same order.
#include "kit/dialogo.h"
#include "network/conexion_red.h"
#include "platform/surface.h"

#include <QDialog>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace zp {

class PictureBox;

// A chat record of the person here, at seat 4, with the time now. `texto` in UTF-8.
std::string ComponerMensajeChatAhora(const Ajustes& a, std::string_view texto);

class mensared : public DialogoFondo
{
    Q_OBJECT
public:
    explicit mensared(ConexionRed& red, QWidget* padre = nullptr);

    // The history rebuilt from the stored records, the last line in view.
    void MostrarMensajesChat();

    // The form's controls, by their names.
    QPlainTextEdit* Txt_Recibidos;
    QPlainTextEdit* Txt_Enviar;
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_Enviar;
    PictureBox* Pic_BotSalir;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    void Txt_Enviar_Change();
    void Pic_Enviar_MouseDown();
    void Pic_BotSalir_MouseDown();

    ConexionRed& red_;
};

// Shows the chat window modally over `padre` (the table when none) until it is left. While it is open a
// second call does nothing: the open window lists new lines by itself.
void MostrarMensared(ConexionRed& red, QWidget* padre = nullptr);

} // namespace zp
