#include "engine/final_memoria.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zp {

const MemoriaFinal::Cubeta MemoriaFinal::kVacia{};

void MemoriaFinal::Crecer()
{
    constexpr std::size_t kCubetas = std::size_t{1} << kBitsCubeta;
    if (!indice_) {
        // calloc and aligned_alloc of this size map fresh pages: nothing is written until it is used.
        indice_.reset(static_cast<std::uint32_t*>(std::calloc(kCubetas, sizeof(std::uint32_t))));
        lejanas_.reset(static_cast<Cubeta*>(std::aligned_alloc(alignof(Cubeta), kCubetas * sizeof(Cubeta))));
        if (!indice_ || !lejanas_) throw std::bad_alloc();
    }
    // The small table's buckets move over; their order among the large ones changes nothing.
    std::uint32_t n = 0;
    for (std::uint32_t i = 0; i < kPequena; ++i) {
        if ((etiquetas_[i] >> kBitsCubeta) != busqueda_) continue;
        indice_[etiquetas_[i] & kMascaraCubeta] = Etiqueta(n);
        lejanas_[n++] = cercanas_[i];
    }
    usadas_ = n;
    grande_ = true;
}

void MemoriaFinal::Reiniciar()
{
    std::fill(std::begin(etiquetas_), std::end(etiquetas_), 0u);
    if (indice_) std::memset(indice_.get(), 0, (std::size_t{1} << kBitsCubeta) * sizeof(std::uint32_t));
    busqueda_ = 1;
}

} // namespace zp
