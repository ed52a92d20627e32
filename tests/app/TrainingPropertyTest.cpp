// Seeded random use of a run: presses, Start, Stop, Repeat, the check boxes, the pattern and
// time. Whatever happens, every message is well formed and reaches an open output, and once
// the run is stopped and the notes' time is up nothing sounds.
#include <deque>
#include <random>
#include <sstream>

#include "TrainingFixture.h"

namespace {

class TrainingPropertyTest : public TrainingTest {
  protected:
    std::string Step(std::mt19937& random) {
        std::uniform_int_distribution<int> kind(0, 11);
        std::uniform_int_distribution<int> key(24, 71);
        std::ostringstream what;
        switch (kind(random)) {
            case 0:
            case 1:
            case 2: {
                int k = key(random);
                what << "press " << k;
                PressKey(k);
                break;
            }
            case 3:
                what << "right press";
                PressKeyWith(key(random), vcl::mbRight);
                break;
            case 4:
                what << "answer right";
                AnswerRight();
                break;
            case 5:
                what << "start";
                Click(FormMain->ButtonStart);
                break;
            case 6:
                what << "stop";
                Click(FormMain->ButtonStop);
                break;
            case 7:
                what << "repeat";
                Click(FormMain->ButtonRepeat);
                break;
            case 8:
                what << "pattern";
                FormMain->RadioGroupPattern->UserSelect(static_cast<int>(random() % 3));
                break;
            case 9:
                what << "check boxes";
                (random() % 2 ? FormMain->CheckBoxSeq : FormMain->CheckBoxNoAnswer)->Click();
                break;
            default: {
                int ms = static_cast<int>(random() % 3000);
                what << "advance " << ms;
                Advance(ms);
                break;
            }
        }
        return what.str();
    }

    // Empty when every message so far is well formed and went to an open output.
    std::string MessageFault() const {
        for (const auto& entry : recorder->Entries()) {
            const winmm::MidiCall& call = entry.call;
            if (call.kind != winmm::MidiCall::Message) continue;
            const unsigned status = call.message & 0xFF;
            const unsigned data1 = (call.message >> 8) & 0xFF;
            const unsigned data2 = (call.message >> 16) & 0xFF;
            if (status != 0xC0 && status != 0x90 && status != 0x80)
                return "status " + Bytes(call.message);
            if (data1 > 127 || data2 > 127) return "data byte " + Bytes(call.message);
            if (call.result != MMSYSERR_NOERROR)
                return "sent to a closed output " + Bytes(call.message);
        }
        return "";
    }

    std::string StateFault() const {
        const std::string& mode = FormMain->Mode;
        const std::string& phase = FormMain->Phase;
        if (mode != "" && mode != "single" && mode != "sequence" && mode != "chord") return "mode";
        if (phase != "" && phase != "question" && phase != "answer") return "phase";
        if (mode == "" && phase != "") return "phase outside a run";
        const bool run = mode != "";
        if (FormMain->RadioGroupPattern->Enabled() == run ||
            FormMain->CheckBoxSeq->Enabled() == run ||
            FormMain->CheckBoxNoAnswer->Enabled() == run ||
            FormMain->MenuSetting->Enabled() == run) {
            return "controls locked outside a run, or free during one";
        }
        if (!run && backend->ArmedTimerCount() == 0 && device->open) {
            return "the output is open in reference mode with nothing to end";
        }
        return "";
    }
};

TEST_F(TrainingPropertyTest, RandomUseLeavesNothingSoundingAndSendsOnlyWellFormedMessages) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Restart();
        std::mt19937 random(seed);
        std::srand(seed);
        FormMain->NoteLength = std::vector<int>{100, 250, 1000}[seed % 3];
        FormMain->NoteCount = 1 + static_cast<int>(seed % 10);
        std::deque<std::string> last;
        auto fail = [&](const std::string& fault, int event) {
            std::ostringstream history;
            for (const auto& e : last) history << "\n  " << e;
            FAIL() << fault << " (seed " << seed << ", event " << event
                   << "); last events:" << history.str();
        };
        for (int event = 0; event < 500; ++event) {
            last.push_back(Step(random));
            if (last.size() > 20) last.pop_front();
            if (std::string fault = MessageFault() + StateFault(); !fault.empty()) {
                return fail(fault, event);
            }
        }
        Advance(1000);  // a pending question starts, so that Stop can end the run
        Click(FormMain->ButtonStop);
        Advance(5000);
        if (!SoundingAfter(recorder->Entries()).empty()) return fail("a note is left sounding", -1);
        if (device->open) {
            return fail("the output is left open: mode '" + FormMain->Mode + "' renzoku " +
                            std::to_string(FormMain->TimerRenzoku->Interval) + " noteoff " +
                            std::to_string(FormMain->TimerNoteOff->Interval) + "\n" +
                            ::testing::PrintToString(Timeline()),
                        -1);
        }
    }
}

}  // namespace
