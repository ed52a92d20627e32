#include "Pitch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Two one-pole low-passes. A piano's upper partials lie above the multiples of its fundamental;
// left in, they shorten the period found, 15 to 25 cents sharp.
std::vector<double> LowPassed(std::span<const float> samples, double cutoffHz, double sampleRate) {
    const double keep = std::exp(-2.0 * std::numbers::pi * cutoffHz / sampleRate);
    std::vector<double> filtered(samples.begin(), samples.end());
    for (int pass = 0; pass < 2; ++pass) {
        double state = 0.0;
        for (double& sample : filtered) sample = state = (1.0 - keep) * sample + keep * state;
    }
    return filtered;
}

// Correlation of the signal with itself shifted by lag, normalised to 1 for a perfect match.
double NormalisedCorrelation(const std::vector<double>& samples, std::size_t lag,
                             std::size_t length) {
    double product = 0.0, energyA = 0.0, energyB = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        product += samples[i] * samples[i + lag];
        energyA += samples[i] * samples[i];
        energyB += samples[i + lag] * samples[i + lag];
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
    const std::vector<double> filtered = LowPassed(samples, maxHz, sampleRate);

    std::vector<double> correlation(longestLag + 2, 0.0);
    for (std::size_t lag = shortestLag - 1; lag <= longestLag + 1; ++lag)
        correlation[lag] = NormalisedCorrelation(filtered, lag, length);
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
