#pragma once
// Pacing and sound. Pauses are scaled by the speed setting and handle no input; headless they take no time.
namespace zp {

enum class ModoSonido
{
    Esperar = 0,
    Seguir = 1
}; // wait for the end of the sound, or return at once

class Ritmo
{
public:
    virtual ~Ritmo() = default;
    virtual void HacerPausa(int milisegundos) = 0;
    virtual void ReproducirSonido(ModoSonido modo, int numero) = 0;
};

} // namespace zp
