#pragma once
// The Continue button pressed with the mouse, or with a key that stands for it: it ends the match loop's
// wait for this computer (the next move, the pause between moves, the next hand).
namespace zp {

class mesa;

// The press on `Pic_BotContinuar`. It acts only while the loop waits for it and the recorder is off.
void Pic_BotContinuar_MouseDown(mesa& ventana);

// A key typed on the table, as its character code. Ctrl+C does nothing; "q", "Q" and Esc minimise the
// window; any other key presses Continue, unless the seat in turn is played from another computer, and with
// no match it then opens the player settings.
void Form_KeyPress(mesa& ventana, int codigo);

} // namespace zp
