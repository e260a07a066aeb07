#include "fuzz_support.h"
#include "science/atomic_mass.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const QString formula = fuzz::text(data, size);
    zq::MassResults results;
    const double mass = zq::CompoundMass(formula, results);
    fuzz::check(std::isfinite(mass) && mass >= 0, "a mass that is no mass");
    fuzz::check(results.lines().size() <= formula.size() * 2 + 1, "more lines than the text has");
    zq::ElementMassLine(formula);
    return 0;
}
