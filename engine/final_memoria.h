#pragma once
// The endgame search's memory of positions already counted. It behaves as one table of 2^17 buckets of two
// entries each, a position's bucket fixed by its hash, a full bucket keeping the larger of its two subtrees:
// which positions are found again, and so the node count, depend on that alone. Only the buckets a search
// touches are kept: first in a small table of its own that stays in the cache, then, for the few large
// searches, in buckets laid out in the order the search first reaches them, so that the positions of one
// subtree lie together. Nothing is cleared between searches: every bucket is tagged with its search.
// One per thread, in thread storage zeroed before the thread runs, so that a small search never waits for
// memory; the large table, in large pages, is mapped the first time a search of the thread outgrows the small
// one, and is the thread's own.
#include <cstdint>

namespace zp {

// Outcomes below a position, seen from the mover's side at the call.
struct ValorFinal
{
    std::uint64_t Total = 0;   // outcomes counted (a tie under "se repite" counts nowhere)
    std::uint64_t Ganadas = 0; // those the mover's side wins
    std::uint64_t Suma = 0;    // their scored values added up
    ValorFinal& operator+=(const ValorFinal& o)
    {
        Total += o.Total;
        Ganadas += o.Ganadas;
        Suma += o.Suma;
        return *this;
    }
};

class MemoriaFinal
{
public:
    static constexpr int kBitsCubeta = 17;

    // A new search: everything remembered before is forgotten.
    void Nueva()
    {
        if (++busqueda_ == kBusquedas) Reiniciar();
        usadas_ = 0;
        grande_ = false;
    }

    // Adds to v the value of a position (a key other than 0) counted earlier in this search; false when it
    // was not. With no branch but the answer: whether a position is there is anybody's guess.
    bool Sumar(std::uint64_t clave, ValorFinal& v) const
    {
        const Cubeta& c = Encontrar(CubetaDe(clave));
        const bool primera = c.E[0].Clave == clave;
        const bool segunda = c.E[1].Clave == clave;
        const Entrada& e = c.E[segunda ? 1 : 0];
        const std::uint64_t si = std::uint64_t{0} - static_cast<std::uint64_t>(primera | segunda);
        v.Total += e.Total & si;
        v.Ganadas += e.Ganadas & si;
        v.Suma += e.Suma & si;
        return primera | segunda;
    }

    // Remembers a position not yet in memory. A full bucket keeps the larger subtree: the dearer one to
    // count again.
    void Guardar(std::uint64_t clave, const ValorFinal& v)
    {
        Cubeta& c = Obtener(CubetaDe(clave));
        const bool segunda = c.E[0].Clave != 0 && (c.E[1].Clave == 0 || c.E[1].Total <= c.E[0].Total);
        c.E[segunda ? 1 : 0] = Entrada{clave, v.Total, v.Ganadas, v.Suma};
    }

private:
    struct Entrada
    {
        std::uint64_t Clave; // 0: empty
        std::uint64_t Total, Ganadas, Suma;
    };
    struct alignas(64) Cubeta
    {
        Entrada E[2];
    };
    static const Cubeta kVacia;

    // A bucket's tag: its search in the high bits, the bucket (or its place among the large search's
    // buckets) in the low ones. Tag 0, which zeroed memory holds, belongs to no search.
    static constexpr std::uint32_t kBusquedas = std::uint32_t{1} << (32 - kBitsCubeta);
    static constexpr std::uint32_t kMascaraCubeta = (std::uint32_t{1} << kBitsCubeta) - 1;
    static constexpr int kBitsPequena = 9;
    static constexpr std::uint32_t kPequena = std::uint32_t{1} << kBitsPequena;

    static std::uint32_t CubetaDe(std::uint64_t clave)
    {
        return static_cast<std::uint32_t>((clave * 0x9E3779B97F4A7C15ull) >> (64 - kBitsCubeta));
    }

    std::uint32_t Etiqueta(std::uint32_t n) const { return busqueda_ << kBitsCubeta | n; }

    // Bucket b of this search; the empty bucket when it has none.
    const Cubeta& Encontrar(std::uint32_t b) const
    {
        if (grande_) {
            const std::uint32_t e = indice_[b];
            return (e >> kBitsCubeta) == busqueda_ ? lejanas_[e & kMascaraCubeta] : kVacia;
        }
        for (std::uint32_t i = b & (kPequena - 1);; i = (i + 1) & (kPequena - 1)) {
            if (etiquetas_[i] == Etiqueta(b)) return cercanas_[i];
            if ((etiquetas_[i] >> kBitsCubeta) != busqueda_) return kVacia;
        }
    }

    Cubeta& Obtener(std::uint32_t b)
    {
        if (const Cubeta& c = Encontrar(b); &c != &kVacia) return const_cast<Cubeta&>(c);
        if (!grande_ && usadas_ == kPequena / 2) Crecer();
        Cubeta* c = nullptr;
        if (grande_) {
            indice_[b] = Etiqueta(usadas_);
            c = &lejanas_[usadas_];
        } else {
            std::uint32_t i = b & (kPequena - 1);
            while ((etiquetas_[i] >> kBitsCubeta) == busqueda_) i = (i + 1) & (kPequena - 1);
            etiquetas_[i] = Etiqueta(b);
            c = &cercanas_[i];
        }
        ++usadas_;
        *c = Cubeta{};
        return *c;
    }

    void Crecer();
    void Reiniciar();

    std::uint32_t busqueda_ = 0;
    std::uint32_t usadas_ = 0; // buckets of this search
    bool grande_ = false;      // this search outgrew the small table
    // The small table, open addressing on the bucket number.
    std::uint32_t etiquetas_[kPequena]{};
    Cubeta cercanas_[kPequena]{};
    // The large searches': the tag and place of every bucket, and the buckets in the order they were
    // reached. The thread's block, mapped the first time one of its searches needs it.
    std::uint32_t* indice_ = nullptr;
    Cubeta* lejanas_ = nullptr;
};

} // namespace zp
