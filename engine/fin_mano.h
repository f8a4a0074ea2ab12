#pragma once
// The end of a hand and of the match: who won the hand (a domino, or the fewest pips in a blocked hand,
// with the tie rules), its points and tens, the messages, the score-sheet entry, the match totals, and then
// the next hand, the replay of a tied hand, or the end of the match with the history question. The person
// here may take the end of a hand back in a game without network play.
#include "engine/contexto.h"

namespace zp {

// A match has at most 700 hands. The state strings carry the hand number in three digits, and a game saved
// by an earlier version, which played on to 999, is still read and ends when its hand does. The score sheet
// holds more entries than that, so no target can run it out.
constexpr Entero kManosPartida = 700;
constexpr Entero kManosLegibles = 999;
constexpr std::size_t kEntradasMarcador = 1100;

enum class FinMano
{
    Continuar,        // the next hand is dealt, or the finished one reopened: the loop goes on
    PartidaTerminada, // the match is over and its messages shown; the closing steps remain
    Abandonada,
    ReglasNoValidas // the next hand could not be dealt
};

// Called by the loop when JugadorTurno has emptied the hand or nobody can play any more.
FinMano TerminarMano(Contexto& c);

// Once the end of hand NumeroMano has been shown and scored (GanadorMano 0 for a tie played again): the
// totals, then the end of the match or the next hand dealt. Also where a match left between two hands
// takes up again.
FinMano SeguirTrasMano(Contexto& c);

// A match between two hands whose last hand has its winner but not yet its score-sheet entry (it was taken
// while the hand's end was being told). Decided by the entry's mark, never by what it holds: the entry of a
// leader with no name in a hand of 0 points is blank. A tie played again (no winner, no entry) is not one.
bool FaltaAnotacion(const EstadoJuego& e, const Ajustes& a);
// Such a hand's entry, from the hands as they ended, as TerminarMano writes it. True when it was written.
bool AnotarManoTerminada(EstadoJuego& e, const Ajustes& a);

// The match totals from entries 1..NumeroMano: tens when scoring by tens, points otherwise; at most 999.
void CalcularTotales(EstadoJuego& e, const Ajustes& a);

// Some seat (individual play) or pair has reached the target.
bool ComprobarFinPartida(const EstadoJuego& e, const Ajustes& a);

// What the history file receives for the match just finished.
ResumenPartida ResumirPartida(const EstadoJuego& e, const Ajustes& a);

// The end of the hand taken back (Cancelar at the end-of-hand messages): the hand reopens one move back
// with the recorder on, and every turn waits until play comes back to where it ended.
void RetrocederFinDeMano(Contexto& c);

// The recorder switched on at the move being awaited.
void ActivarGrabadora(Contexto& c);

} // namespace zp
