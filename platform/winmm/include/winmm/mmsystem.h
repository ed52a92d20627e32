// MIDI output calls, result codes and handles, as the program uses them.
#pragma once

#include <cstdint>

using MMRESULT = std::uint32_t;
using HMIDIOUT = std::uint32_t;  // 0 is the null handle

constexpr std::uint32_t MIDI_MAPPER = 0xFFFFFFFFu;
constexpr std::uint32_t CALLBACK_NULL = 0;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MIDIERR_NOMAP = 66;
constexpr MMRESULT MIDIERR_NODEVICE = 68;

// Opens the output chosen by the mapper. While it is open, another open succeeds and gives the
// live handle again; one close closes it.
MMRESULT midiOutOpen(HMIDIOUT* phmo, std::uint32_t uDeviceID, std::uintptr_t dwCallback,
                     std::uintptr_t dwInstance, std::uint32_t fdwOpen);
// Plays a short message at once: status in the lowest byte, then data1, data2.
MMRESULT midiOutShortMsg(HMIDIOUT hmo, std::uint32_t dwMsg);
// Closes the output and silences what still sounds on it. A closed, stale or null handle is
// answered with MMSYSERR_INVALHANDLE and changes nothing.
MMRESULT midiOutClose(HMIDIOUT hmo);
