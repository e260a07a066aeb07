#include "common/random_source.h"

#include <QRandomGenerator>

#include <utility>

namespace zq {
namespace {

RandomSource &installedSource() {
    static RandomSource source;
    return source;
}

} // namespace

double RandomValue() {
    if (const RandomSource &source = installedSource())
        return source();
    return QRandomGenerator::system()->generateDouble();
}

int RandomWhole(int n) {
    return static_cast<int>(RandomValue() * n) + 1;
}

RandomSource setRandomSource(RandomSource source) {
    return std::exchange(installedSource(), std::move(source));
}

} // namespace zq
