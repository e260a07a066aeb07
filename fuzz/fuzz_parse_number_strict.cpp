#include "common/calc_error.h"
#include "common/number_rules.h"
#include "fuzz_support.h"

#include <QLocale>

#include <cmath>

// Whatever is read strictly is a finite number; in both kinds of locale.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};
    QLocale::setDefault(locales[size % 2]);
    try {
        const double value = zq::ParseNumberStrict(fuzz::text(data, size));
        fuzz::check(std::isfinite(value), "ParseNumberStrict gave a non-finite number");
    } catch (const zq::CalcError &) {
    }
    return 0;
}
