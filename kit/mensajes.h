#pragma once
// The program's own message box: every question and report goes through it, never a system one.
// `MostrarMensaje` shows the form `mensajes` modally, centred on the table (on the whole screen while a
// settings window is open), and returns the answer, which it also leaves in `RespuestaMensaje`.
#include "engine/estado.h"
#include "engine/usuario.h"
#include "kit/dialogo.h"
#include "platform/surface.h"

#include <QDialog>
#include <QString>
#include <string>

namespace zp {

class PictureBox;

// The last message's values, kept after the box is gone for callers that read them.
struct EstadoMensajes
{
    Entero LineasMensaje = 0;
    Entero BotonesMensaje = 0;     // 1 = one exit button; any other value = Aceptar and Cancelar
    Entero AyudaMensaje = 0;       // help context; 0 = no help button
    bool RespuestaMensaje = false; // true = accepted, or a one-button box closed by any means
};
EstadoMensajes& Mensajes();

// Shows the box and returns when it has been closed: true for Aceptar (or any closing of a one-button
// box), false for Cancelar. A box raised while another is open (a network event during a question) opens
// over it; each call returns its own answer.
bool MostrarMensaje(const QString& titulo, const QString& texto, Entero lineas, Entero botones,
                    Entero ayuda = 0, CierreCaja alCerrar = CierreCaja::Cancelar);
bool MostrarMensaje(const std::string& titulo, const std::string& texto, Entero lineas, Entero botones,
                    Entero ayuda = 0, CierreCaja alCerrar = CierreCaja::Cancelar);
// The program's own texts, written in the source as UTF-8.
bool MostrarMensaje(const char* titulo, const char* texto, Entero lineas, Entero botones, Entero ayuda = 0,
                    CierreCaja alCerrar = CierreCaja::Cancelar);

// The lines `texto` fills in the box's text label. The box never shows fewer, whatever `lineas` it is
// given, so no text is ever cut off.
Entero ContarLineasMensaje(const QString& texto);

// Fonts of the form's labels, in pixels: 12 pt bold for the title, 9.75 pt for the text.
FontSpec FuenteTituloMensaje();
FontSpec FuenteTextoMensaje();

class mensajes : public DialogoFondo
{
    Q_OBJECT
public:
    mensajes(const QString& titulo, const QString& texto, Entero lineas, Entero botones, Entero ayuda,
             QWidget* padre = nullptr, CierreCaja alCerrar = CierreCaja::Cancelar);

    bool Respuesta() const { return respuesta_; }
    QString TextoTitulo() const { return titulo_; }
    QString TextoMensaje() const { return texto_; }

    // The form's controls, by their names.
    PictureBox* Pic_BotAyuda;
    PictureBox* Pic_BotSalir;
    PictureBox* Pic_Si;
    PictureBox* Pic_No;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Load();
    void Form_KeyPress();
    void Pic_BotSalir_MouseDown();
    void Pic_Si_MouseDown();
    void Pic_No_MouseDown();

    void DibujarFormulario();
    void Descargar();

    QString titulo_, texto_;
    Entero lineas_, botones_, ayuda_;
    CierreCaja alCerrar_;
    bool respuesta_ = false;
};

} // namespace zp
