#include "engine/reglas_puntuacion.h"

#include <cassert>

#include "engine/indices.h"
#include "engine/redondeo.h"

namespace zp {

namespace {

// Seat 0 (no seat, a rank past the last opponent) weighs nothing.
int Peso(const EstadoJuego& e, int asiento, int numero)
{
    if (asiento < 1 || asiento > 4 || numero < 0 || numero > 6) return 0;
    return e.PesoNumero[I(asiento)][I(numero)];
}

// Place 1..7 of number n among the mover's numbers, commonest first.
int LugarDe(const EstadoJuego& e, int mover, int n)
{
    for (int k = 1; k <= 7; ++k)
        if (e.NumerosOrdenados[I(mover)][I(k)] == n) return k;
    return 7;
}

// The pips each seat and side would keep after a block: copies of the analysis' counts, less what the
// block rules expect to be laid meanwhile.
struct Bloqueo
{
    std::array<float, 5> PuntosEnMano;
    std::array<float, 3> PuntosEnBando;
};

bool BloqueoFavorable(const Ajustes& a, const DatosEleccion& d, const Bloqueo& b, Entero margen)
{
    const auto m = static_cast<float>(margen);
    if (EnParejas(a)) return b.PuntosEnBando[2] + m > b.PuntosEnBando[1];
    for (int k = 1; k <= a.NumeroJugadores - 1 && k <= 3; ++k) {
        const Entero r = d.Roles.OrdenRivales[I(k)];
        if (!(b.PuntosEnMano[I(r)] + m > b.PuntosEnMano[I(d.Mover)])) return false;
    }
    return true;
}

// Takes `pips` off seat p in individual play, off p's side in pairs. A tile nobody holds is laid by nobody.
void Restar(const Ajustes& a, const DatosEleccion& d, Bloqueo& b, Entero p, int pips)
{
    if (p < 1 || p > 4) return;
    if (EnParejas(a))
        b.PuntosEnBando[I(BandoDe(d.Mover, p))] -= static_cast<float>(pips);
    else
        b.PuntosEnMano[I(p)] -= static_cast<float>(pips);
}

bool NumeroAgotado(const AnalisisNumero& an, bool candidataDoble)
{
    return (an.PuestasConNumero == 6 && an.EsDoble == 1) ||
           (an.PuestasConNumero == 5 && an.EsDoble == 0 && !candidataDoble);
}

// Rules 18 and 19: the next tile T = B-C would join the open pip to the other end and close number X.
int BloqueoSiguiente(const Ajustes& a, const DatosEleccion& d, Candidata c, Entero otro,
                     const AnalisisNumero& an, Entero x, Entero margen)
{
    if (!(an.PuestasConNumero == 6 && an.EsDoble == 1) && !(an.PuestasConNumero == 5 && an.EsDoble == 0))
        return 0;
    Bloqueo b{an.PuntosEnMano, an.PuntosEnBando};
    Restar(a, d, b, d.Mover, c.A + c.B);
    Restar(a, d, b, BuscarPoseedor(d.Mesa, c.B, otro).Asiento, c.B + otro);
    if (an.EsDoble == 0) Restar(a, d, b, BuscarPoseedor(d.Mesa, x, x).Asiento, 2 * x);
    return BloqueoFavorable(a, d, b, margen) ? 50 : -50;
}

} // namespace

DatosEleccion PrepararEleccion(const EstadoJuego& e, const Ajustes& a, Entero mover, Entero nivel)
{
    DatosEleccion d;
    d.Mover = mover;
    d.Nivel = nivel;
    d.CaracterJugador = a.Jugador[I(mover)].CaracterJugador;
    d.Roles = CalcularRoles(e, a, mover, nivel);
    d.Mesa = LeerMesa(e);
    return d;
}

Entero MargenBloqueo(Entero nivel)
{
    return RedondearAPar((100 - nivel) / 5.0 + 1);
}

Entero PuntuarCandidata(const EstadoJuego& e, const Ajustes& a, const DatosEleccion& d, Candidata c,
                        Azar& azar, DesglosePuntuacion* desglose)
{
    assert(d.Mover >= 1 && d.Mover <= 4 && c.A >= 0 && c.A <= 6 && c.B >= 0 && c.B <= 6);
    DesglosePuntuacion z;
    const int L = d.Nivel;
    const Caracter k = d.CaracterJugador;
    const int K = Codigo(k); // the character's code weighs in the formulas
    const Entero m = d.Mover;
    const Entero A = c.A, B = c.B;
    const bool doble = A == B;
    const bool parejas = EnParejas(a);
    const Entero e1 = e.Linea.Extremos[1], e2 = e.Linea.Extremos[2];
    const Entero otro = A == e2 ? e1 : e2;
    const Entero L1 = e.Jugadas[1].PuntoUnido, L2 = e.Jugadas[1].PuntoAbierto;
    const bool salidaDoble = L1 == L2;
    const bool primeraConSeisDoble = e.NumeroMano == 1 && a.PrimeraMano == Apertura::SeisDoble;
    const Entero margen = MargenBloqueo(d.Nivel);
    const int g = 19 - 3 * K;
    const RolesAsientos& r = d.Roles;

    // Base: leaving open the number the mover carries most scores highest.
    z.Base = static_cast<Entero>(18 - 2 * K - LugarDe(e, m, B));

    int wa = 0, wb = 0;
    if (parejas) {
        wa = -6 * Peso(e, r.Propio1, A) - 2 * Peso(e, r.Propio2, A) + 2 * Peso(e, r.Rival1, A) +
             Peso(e, r.Rival2, A);
        wb = 6 * Peso(e, r.Propio1, B) + 2 * Peso(e, r.Propio2, B) - 2 * Peso(e, r.Rival1, B) -
             Peso(e, r.Rival2, B);
    } else {
        const auto& o = r.OrdenRivales;
        wa = -6 * Peso(e, m, A) + 3 * Peso(e, o[1], A) + 2 * Peso(e, o[2], A) + Peso(e, o[3], A);
        wb = 6 * Peso(e, m, B) - 3 * Peso(e, o[1], B) - 2 * Peso(e, o[2], B) - Peso(e, o[3], B);
    }
    if (doble) {
        wa = 0;
        wb = RedondearAPar(wb * 0.5);
    }
    z.Pesos = static_cast<Entero>(wa + wb);

    int puntuacion = z.Base + z.Pesos;
    const auto sumar = [&](int regla, int valor) {
        puntuacion += valor;
        z.Regla[I(regla)] = static_cast<Entero>(z.Regla[I(regla)] + valor);
    };

    const AnalisisNumero anA = AnalizarFichasNumero(d.Mesa, m, A);
    const AnalisisNumero anB = AnalizarFichasNumero(d.Mesa, m, B);
    const int enManoA = anA.FichasConNumero[I(m)], puestasA = anA.PuestasConNumero;
    const int enManoB = anB.FichasConNumero[I(m)], puestasB = anB.PuestasConNumero;

    // 1. Laying a double.
    if (doble) {
        int valor = 15;
        if (puestasA == 3 && L >= 41) valor = 35;
        if (enManoA == 1 && puestasA == 5 && L >= 41) valor += 90;
        if (k != Caracter::Agresivo) valor += 15;
        sumar(1, valor);
    }
    // 2 and 3. The mover's last tile of the number left open, of the number covered.
    if (enManoB == 1) sumar(2, -g);
    if (enManoA == 1) sumar(3, RedondearAPar(puntuacion - g / 2.0) - puntuacion);
    // 4. Answering the lead with the last tile of its number.
    if (e.NumeroJugada == 2 && enManoA == 1) sumar(4, -15);

    if (!primeraConSeisDoble) {
        // 5. The partner led a double: don't answer with another.
        if (parejas && e.NumeroJugada == 3 && salidaDoble && doble && L >= 61) sumar(5, -35);
        // 6. Keep the partner's lead numbers reachable.
        if (parejas && e.NumeroJugada == 3 && !doble && L >= 81) {
            if (BuscarPoseedor(d.Mesa, B, L1).Asiento == m && A != L1) sumar(6, -15);
            if (L1 != L2 && BuscarPoseedor(d.Mesa, B, L2).Asiento == m && A != L2) sumar(6, -15);
        }
        // 7. The leader's second tile matches his lead on both ends.
        const Entero otro7 = A == e1 ? e2 : e1;
        if (!salidaDoble && e.FichasEnMano[I(m)] == 6 && e.JugadorSalida == m && !doble && L >= 61 &&
            (otro7 == L1 || otro7 == L2) && B == otro7)
            sumar(7, 20);
    }

    // 8. Both ends showing a number the mover holds plenty of.
    if (e1 != e2 && enManoB >= 2 && puestasB >= 3 && B == otro) {
        if (enManoB == 2 && anB.PoseedorDobleNumero == m)
            sumar(8, 5);
        else if (enManoB == 7 - puestasB)
            sumar(8, 70);
        else
            sumar(8, 40);
    }

    // 9 to 12 read the analysis of A.
    if (L >= 61 && doble && enManoA == 1 && puestasA == 5) sumar(9, k == Caracter::Conservador ? 130 : 90);
    if (L >= 81 && doble && enManoA == 2 && puestasA == 4) sumar(10, 600);
    if (L >= 71 && doble && enManoA == 3 && puestasA == 4) sumar(11, 600);
    if (L >= 41 && enManoA == 2 && puestasA == 5) sumar(12, doble ? -200 : -700);

    // 13. Don't open the number the next seat's last tile carries.
    if (L >= 96) {
        const FichaSuelta f = UnicaFichaDe(e, r.Siguiente);
        if (f.Hay && B == f.PuntoA) sumar(13, -160);
        if (f.Hay && B == f.PuntoB) sumar(13, -160);
    }

    // 14. The move closes number B: worth it only if the mover's side keeps fewer pips.
    if (NumeroAgotado(anB, doble)) {
        Bloqueo b{anB.PuntosEnMano, anB.PuntosEnBando};
        Restar(a, d, b, m, A + B);
        // The double B-B is still to be laid: by the seat it was dealt to in individual play (one left in the
        // stock is nobody's), by its holder's side in pairs play.
        if (anB.EsDoble == 0)
            Restar(a, d, b, parejas ? anB.PoseedorDobleNumero : e.PoseedorDoble[I(B)], 2 * B);
        bool favorable = BloqueoFavorable(a, d, b, margen);
        if (L < kNivelSinAzar) {
            const int azarBloqueo = Aleatorio(azar, 10);
            if ((k == Caracter::Conservador && azarBloqueo < 6) || (k == Caracter::Medio && azarBloqueo < 3))
                favorable = false;
        }
        sumar(14, favorable ? 600 : -600);
    }

    // 15. The move covers the last playable A.
    if (L >= 51 && NumeroAgotado(anA, doble)) {
        if (puestasA == 6) {
            sumar(15, -400);
        } else {
            // The double A-A is left with nothing to join: bad when it is ours, good when it sticks an
            // opponent who holds nothing else. Ours by its holder's side in pairs play, by the seat it was
            // dealt to in individual play, as in rule 14.
            const Entero poseedor = e.PoseedorDoble[I(A)];
            const bool propio = parejas ? anA.BandoDobleNumero == 1 : poseedor == m;
            if (propio) {
                sumar(15, -400);
            } else {
                sumar(15, -50);
                if (e.FichasEnMano[I(poseedor)] == 1 && L >= 91) sumar(15, 500);
            }
        }
    }

    // 16. Leave the mover's last tile, the double B-B, with an end to join.
    if (e.FichasEnMano[I(m)] == 2 && enManoB == 2 && puestasB == 5 && anB.EsDoble == 0 && !doble)
        sumar(16, 2000);

    // 17. Open a number the partner's last tile carries.
    if (parejas && L >= 96) {
        const FichaSuelta f = UnicaFichaDe(e, Companero[I(m)]);
        if (f.Hay) {
            for (const Entero zn : {f.PuntoA, f.PuntoB}) {
                const AnalisisNumero anZ = AnalizarFichasNumero(d.Mesa, m, zn);
                if (B == zn) {
                    sumar(17, 40);
                    if (f.PuntoA != f.PuntoB && anZ.PuestasConNumero >= 4) sumar(17, 160);
                }
                const PoseedorFicha t = BuscarPoseedor(d.Mesa, B, zn);
                if (t.Asiento == r.Siguiente && !t.Puesta) sumar(17, 20);
            }
        }
    }

    // 18 and 19. The tile B-C that would join the open pip to the other end, closing C or B.
    if (L >= 81 && e1 != e2 && otro >= 0 && otro <= 6 && !BuscarPoseedor(d.Mesa, B, otro).Puesta) {
        const AnalisisNumero anC = AnalizarFichasNumero(d.Mesa, m, otro);
        if (anC.VistoConNumero[I(B)] != 1) sumar(18, BloqueoSiguiente(a, d, c, otro, anC, otro, margen));
        if (anB.VistoConNumero[I(otro)] != 1) sumar(19, BloqueoSiguiente(a, d, c, otro, anB, B, margen));
    }

    if (desglose) *desglose = z;
    return static_cast<Entero>(puntuacion);
}

} // namespace zp
