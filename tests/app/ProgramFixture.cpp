#include "ProgramFixture.h"

#include <cstdio>

std::string Bytes(std::uint32_t word) {
    char text[12];
    std::snprintf(text, sizeof text, "%02X %02X %02X %02X", word & 0xFF, (word >> 8) & 0xFF,
                  (word >> 16) & 0xFF, (word >> 24) & 0xFF);
    return text;
}

void ProgramTest::SetUp() {
    auto headless = std::make_unique<vcl::headless::HeadlessBackend>();
    backend = headless.get();
    application = std::make_unique<vcl::TApplication>(std::move(headless));
    device = std::make_shared<winmm::ScriptedDevice>();
    recorder = std::make_shared<winmm::MidiCallRecorder>(
        [this] { return backend ? static_cast<double>(backend->Now()) : -1.0; });
    winmm::InstallDevice(device, recorder);
}

void ProgramTest::TearDown() {
    EndProgram();
    winmm::InstallDevice(nullptr);
}

void ProgramTest::StartProgram() {
    application->CreateForm(FormMain);
    FormMain->Show();
}

void ProgramTest::EndProgram() {
    backend = nullptr;
    application.reset();
}

void ProgramTest::OpenOutput() {
    ASSERT_EQ(midiOutOpen(&FormMain->hMidiOut, MIDI_MAPPER, 0, 0, 0), MMSYSERR_NOERROR);
}

std::vector<winmm::MidiCall> ProgramTest::Calls() const {
    std::vector<winmm::MidiCall> calls;
    for (const auto& entry : recorder->Entries()) calls.push_back(entry.call);
    return calls;
}

std::vector<std::string> ProgramTest::MessagesSent() const {
    std::vector<std::string> sent;
    for (const auto& entry : recorder->Entries()) {
        if (entry.call.kind == winmm::MidiCall::Message) sent.push_back(Bytes(entry.call.message));
    }
    return sent;
}
