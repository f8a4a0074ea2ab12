#pragma once
// A fraction stored into a 16-bit integer goes to the nearest integer, halves to the even one, whatever the
// floating-point rounding mode in force.
#include <cmath>
#include <cstdint>

namespace zp {

constexpr std::int16_t RedondearAPar(double x)
{
    double base = x >= 0 ? static_cast<double>(static_cast<long long>(x))
                         : -static_cast<double>(static_cast<long long>(-x));
    if (base > x) base -= 1.0; // floor
    const double resto = x - base;
    long long n = static_cast<long long>(base);
    if (resto > 0.5 || (resto == 0.5 && (n % 2 != 0))) ++n;
    return static_cast<std::int16_t>(n);
}

static_assert(RedondearAPar(163.5) == 164 && RedondearAPar(218.5) == 218 && RedondearAPar(-0.5) == 0);
static_assert(RedondearAPar(261.5) == 262 && RedondearAPar(345.5) == 346 && RedondearAPar(2.4) == 2);

} // namespace zp
