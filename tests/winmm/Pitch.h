#pragma once

#include <span>

// The fundamental frequency of a periodic signal in Hz, from the autocorrelation of the signal
// low-passed at maxHz; searched between minHz and maxHz.
double EstimatePitch(std::span<const float> samples, double sampleRate, double minHz = 50.0,
                     double maxHz = 1000.0);

double CentsBetween(double frequency, double reference);
double MidiNoteFrequency(int note);
