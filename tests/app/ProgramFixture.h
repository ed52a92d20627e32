// The real main window on the headless backend, with a scripted MIDI device behind the mapper
// and every MIDI call logged on the backend's virtual clock.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/VelunkaMain.h"
#include "vcl/headless/HeadlessBackend.h"
#include "winmm/MidiOut.h"

// "C0 05 7F 00": the bytes of a short message, lowest first.
std::string Bytes(std::uint32_t word);

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows FormMain as the entry point does; the MIDI check runs against `device`.
    void StartProgram();
    // Ends the program as the application does after its loop: the main window is destroyed.
    void EndProgram();

    // Opens the output the way Start does.
    void OpenOutput();
    std::vector<winmm::MidiCall> Calls() const;
    // The short messages sent since the log was last cleared, as Bytes().
    std::vector<std::string> MessagesSent() const;

    vcl::headless::HeadlessBackend* backend = nullptr;
    std::unique_ptr<vcl::TApplication> application;
    std::shared_ptr<winmm::ScriptedDevice> device;
    std::shared_ptr<winmm::MidiCallRecorder> recorder;
};
