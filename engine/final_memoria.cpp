#include "engine/final_memoria.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

namespace zp {

const MemoriaFinal::Cubeta MemoriaFinal::kVacia{};

namespace {

constexpr std::size_t kCubetas = std::size_t{1} << MemoriaFinal::kBitsCubeta;
constexpr std::size_t kPaginaGrande = std::size_t{2} << 20;
constexpr std::size_t kBytesIndice = kCubetas * sizeof(std::uint32_t);
// The index, then the buckets, rounded up to whole large pages.
constexpr std::size_t kBytesBloque =
    (kBytesIndice + kCubetas * 64 + kPaginaGrande - 1) / kPaginaGrande * kPaginaGrande;

// A block aligned to a large page, so that a few page faults and TLB entries cover it all.
std::byte* MapearBloque()
{
    void* p = mmap(nullptr, kBytesBloque + kPaginaGrande, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                   -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    const auto base = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t inicio = (base + kPaginaGrande - 1) / kPaginaGrande * kPaginaGrande;
    if (inicio > base) munmap(p, inicio - base);
    if (const std::size_t cola = base + kPaginaGrande - inicio; cola > 0)
        munmap(reinterpret_cast<void*>(inicio + kBytesBloque), cola);
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(inicio), kBytesBloque, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<std::byte*>(inicio);
}

// The thread's block, unmapped when the thread ends. Only a search that outgrows the small table asks for
// it, so that no other pays for registering its release.
std::byte* BloqueDelHilo()
{
    struct Bloque
    {
        std::byte* p = nullptr;
        ~Bloque()
        {
            if (p != nullptr) munmap(p, kBytesBloque);
        }
    };
    thread_local Bloque b;
    if (b.p == nullptr) b.p = MapearBloque();
    return b.p;
}

} // namespace

void MemoriaFinal::Crecer()
{
    static_assert(sizeof(Cubeta) == 64);
    if (indice_ == nullptr) {
        std::byte* b = BloqueDelHilo();
        indice_ = reinterpret_cast<std::uint32_t*>(b);
        lejanas_ = reinterpret_cast<Cubeta*>(b + kBytesIndice);
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
    if (indice_) std::memset(indice_, 0, kBytesIndice);
    busqueda_ = 1;
}

} // namespace zp
