#include "Pitch.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Correlation of the signal with itself shifted by lag, normalised to 1 for a perfect match.
double NormalisedCorrelation(std::span<const float> samples, std::size_t lag, std::size_t length) {
    double product = 0.0, energyA = 0.0, energyB = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        product += double(samples[i]) * samples[i + lag];
        energyA += double(samples[i]) * samples[i];
        energyB += double(samples[i + lag]) * samples[i + lag];
    }
    return energyA > 0.0 && energyB > 0.0 ? product / std::sqrt(energyA * energyB) : 0.0;
}

}  // namespace

double EstimatePitch(std::span<const float> samples, double sampleRate, double minHz,
                     double maxHz) {
    const auto shortestLag = static_cast<std::size_t>(sampleRate / maxHz);
    const auto longestLag = static_cast<std::size_t>(sampleRate / minHz);
    if (samples.size() <= 2 * longestLag) return 0.0;
    const std::size_t length = samples.size() - longestLag - 1;

    std::vector<double> correlation(longestLag + 2, 0.0);
    for (std::size_t lag = shortestLag - 1; lag <= longestLag + 1; ++lag)
        correlation[lag] = NormalisedCorrelation(samples, lag, length);
    const double best =
        *std::max_element(correlation.begin() + shortestLag, correlation.begin() + longestLag + 1);

    // The shortest lag whose peak comes close to the best one: the period, not a multiple of it.
    for (std::size_t lag = shortestLag; lag <= longestLag; ++lag) {
        const double here = correlation[lag];
        if (here < 0.9 * best || here < correlation[lag - 1] || here < correlation[lag + 1])
            continue;
        const double before = correlation[lag - 1], after = correlation[lag + 1];
        const double curvature = before - 2.0 * here + after;
        const double offset = curvature != 0.0 ? 0.5 * (before - after) / curvature : 0.0;
        return sampleRate / (double(lag) + offset);
    }
    return 0.0;
}

double CentsBetween(double frequency, double reference) {
    return 1200.0 * std::log2(frequency / reference);
}

double MidiNoteFrequency(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}
