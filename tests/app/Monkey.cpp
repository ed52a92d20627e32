#include "Monkey.h"

#include <algorithm>
#include <sstream>

#include "notes/Keyboard.h"

namespace {

const std::vector<std::string> kBadTexts{
    "",
    " ",
    "  12",
    "12 ",
    "abc",
    "+",
    "-",
    "+5",
    "-0",
    "007",
    "2147483647",
    "2147483648",
    "-2147483649",
    "99999999999999999999",
    "１０００",
    "c#4",
    "db4",
    "c4 ",
    " c4",
    "C4",
    "g9",
    "a9",
    "g+9",
    "c10",
    "h3",
    "\t",
    "\x01\x02",
    "c",
    "4",
    std::string(1000, '9'),
    std::string(1000, 'c'),
};

std::string Hex(std::uint32_t word) {
    std::ostringstream text;
    text << std::hex << word;
    return text.str();
}

}  // namespace

Monkey::Monkey(std::uint32_t seed) : seed_(seed), random_(seed) {}

template <class T>
std::vector<T*> Monkey::ComponentsOf(const vcl::TComponent& owner) const {
    std::vector<T*> found;
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        if (auto* component = dynamic_cast<T*>(owner.Components(i))) found.push_back(component);
    }
    return found;
}

void Monkey::Drive(vcl::headless::HeadlessBackend& backend, const winmm::MidiCallRecorder& recorder,
                   const winmm::ScriptedDevice& device, std::int64_t events) {
    backend_ = &backend;
    recorder_ = &recorder;
    device_ = &device;
    exitChosen_ = false;
    checkedCalls_ = 0;
    sounding_.clear();
    counters_.assign(6, 0);
    backend.OnModal = [this](vcl::TForm& dialog) { Remember(ActOnDialog(dialog)); };
    backend.OnMessageBox = [this](const vcl::headless::MessageRecord&) { ++report_.messageBoxes; };
    const std::int64_t startMs = backend.Now();
    for (std::int64_t i = 0; i < events && report_.failure.empty() && !exitChosen_; ++i) {
        Remember(Event());
        ++report_.events;
        if (std::string fault = Check(); !fault.empty()) Fail(fault);
    }
    report_.virtualMs += backend.Now() - startMs;
    backend.OnModal = nullptr;
    backend.OnMessageBox = nullptr;
}

void Monkey::Remember(std::string event) {
    last_.push_back(std::move(event));
    if (last_.size() > 20) last_.pop_front();
}

void Monkey::Fail(const std::string& fault) {
    std::ostringstream text;
    text << fault << " (seed " << seed_ << ", event " << report_.events << "); last events:";
    for (const auto& event : last_) text << "\n  " << event;
    report_.failure = text.str();
}

std::string Monkey::Event() {
    std::ostringstream what;
    TFormMain& form = *FormMain;
    const int roll = Pick(100);
    if (roll < 30) {
        const int key = Pick(velunka::kKeyboardKeyCount);
        const vcl::TMouseButton button =
            std::array{vcl::mbLeft, vcl::mbLeft, vcl::mbLeft, vcl::mbRight, vcl::mbMiddle}[Pick(5)];
        const bool down = Pick(2) == 0;
        what << (down ? "down " : "up ") << static_cast<int>(button) << " on key "
             << velunka::KeyboardKeys()[static_cast<size_t>(key)].keyIndex;
        vcl::TPanel* panel = form.KeyPanels[static_cast<size_t>(key)];
        down ? panel->MouseDown(button, {}, 3, 3) : panel->MouseUp(button, {}, 3, 3);
    } else if (roll < 38) {
        auto controls = ComponentsOf<vcl::TControl>(form);
        vcl::TControl* control =
            controls[static_cast<size_t>(Pick(static_cast<int>(controls.size())))];
        const int how = Pick(3);
        what << (how == 0 ? "click " : how == 1 ? "down on " : "up on ") << control->Name;
        if (how == 0) control->Click();
        if (how == 1) control->MouseDown(vcl::mbLeft, {}, 1, 1);
        if (how == 2) control->MouseUp(vcl::mbLeft, {}, 1, 1);
    } else if (roll < 46) {
        what << "start";
        form.ButtonStart->Click();
    } else if (roll < 51) {
        what << "stop";
        form.ButtonStop->Click();
    } else if (roll < 56) {
        what << "repeat";
        form.ButtonRepeat->Click();
    } else if (roll < 57) {
        what << "reference tone";
        form.ButtonRef->Click();
    } else if (roll < 61) {
        what << "check box";
        (Pick(2) == 0 ? form.CheckBoxSeq : form.CheckBoxNoAnswer)->Click();
    } else if (roll < 65) {
        const int pattern = Pick(3);
        what << "pattern " << pattern;
        if (form.RadioGroupPattern->IsInputEnabled()) form.RadioGroupPattern->UserSelect(pattern);
    } else if (roll < 72) {
        auto items = ComponentsOf<vcl::TMenuItem>(form);
        vcl::TMenuItem* item = items[static_cast<size_t>(Pick(static_cast<int>(items.size())))];
        if (item == form.MenuFileExit && Pick(20) != 0) item = form.MenuHelpAbout;
        what << "menu " << item->Name;
        item->Click();
        if (item == form.MenuFileExit && vcl::Application->Terminated()) exitChosen_ = true;
    } else {
        if (Pick(20) == 0) burst_ = !burst_;
        const int ms = burst_ ? 0 : std::array{50, 1000, 3000}[Pick(3)];
        const int advance = Pick(ms + 1);
        what << "advance " << advance;
        backend_->Advance(advance);
    }
    return what.str();
}

std::string Monkey::TypedText() {
    ++report_.textsTyped;
    switch (Pick(4)) {
        case 0:
            return kBadTexts[static_cast<size_t>(Pick(static_cast<int>(kBadTexts.size())))];
        case 1:
            return std::to_string(Pick(20001) - 10);
        case 2:
            return FormMain->NoteMemo->Lines->Get(Pick(116));
        default:
            return std::to_string(Pick(12));
    }
}

std::string Monkey::ActOnDialog(vcl::TForm& dialog) {
    ++report_.dialogsOpened;
    std::ostringstream what;
    what << "dialog " << dialog.Name << ":";
    auto edits = ComponentsOf<vcl::TEdit>(dialog);
    auto upDowns = ComponentsOf<vcl::TUpDown>(dialog);
    auto combos = ComponentsOf<vcl::TComboBox>(dialog);
    auto radios = ComponentsOf<vcl::TRadioGroup>(dialog);
    auto buttons = ComponentsOf<vcl::TButton>(dialog);
    const int actions = Pick(8);
    for (int i = 0; i < actions; ++i) {
        switch (Pick(6)) {
            case 0:
                if (!edits.empty()) {
                    vcl::TEdit* edit =
                        edits[static_cast<size_t>(Pick(static_cast<int>(edits.size())))];
                    std::string text = TypedText();
                    what << " type " << edit->Name << "=\"" << text.substr(0, 12) << "\"";
                    edit->UserEdited(text);
                }
                break;
            case 1:
                if (!edits.empty()) {
                    vcl::TEdit* edit =
                        edits[static_cast<size_t>(Pick(static_cast<int>(edits.size())))];
                    const bool up = Pick(2) == 0;
                    what << " arrow " << edit->Name << (up ? "+" : "-");
                    edit->UserArrowKey(up);
                }
                break;
            case 2:
                if (!upDowns.empty()) {
                    vcl::TUpDown* upDown =
                        upDowns[static_cast<size_t>(Pick(static_cast<int>(upDowns.size())))];
                    const int steps = 1 + Pick(30);
                    const vcl::TUDBtnType button = Pick(2) == 0 ? vcl::btNext : vcl::btPrev;
                    what << " step " << upDown->Name << (button == vcl::btNext ? "+" : "-")
                         << steps;
                    for (int s = 0; s < steps; ++s) upDown->UserStep(button);
                }
                break;
            case 3:
                if (!combos.empty()) {
                    vcl::TComboBox* combo =
                        combos[static_cast<size_t>(Pick(static_cast<int>(combos.size())))];
                    const int index = Pick(combo->Items->Count());
                    what << " select " << combo->Name << "=" << index;
                    combo->UserSelect(index);
                }
                break;
            case 4:
                if (!radios.empty()) {
                    vcl::TRadioGroup* radio =
                        radios[static_cast<size_t>(Pick(static_cast<int>(radios.size())))];
                    const int index = Pick(radio->Items->Count());
                    what << " select " << radio->Name << "=" << index;
                    radio->UserSelect(index);
                }
                break;
            default: {
                const int ms = Pick(1500);
                what << " advance " << ms;
                backend_->Advance(ms);
            }
        }
    }
    const int ending = Pick(4);
    if (ending < 2 && !buttons.empty()) {
        vcl::TButton* button = buttons[static_cast<size_t>(Pick(static_cast<int>(buttons.size())))];
        what << " click " << button->Name;
        button->Click();
    } else if (ending == 2) {
        what << " close box";
        dialog.CloseRequested();
    } else {
        what << " left open";
    }
    return what.str();
}

std::string Monkey::Check() {
    ++report_.checks;
    for (std::string fault :
         {CheckMessages(), CheckState(), CheckScore(), CheckSettings(), CheckOutputIdle()}) {
        if (!fault.empty()) return fault;
    }
    return "";
}

// Every message is a program change, note-on or note-off on channel 1 with data bytes below 128,
// sent to an open output.
std::string Monkey::CheckMessages() {
    const auto& entries = recorder_->Entries();
    for (; checkedCalls_ < entries.size(); ++checkedCalls_) {
        const winmm::MidiCall& call = entries[checkedCalls_].call;
        if (call.kind == winmm::MidiCall::Close) {
            if (call.result == MMSYSERR_NOERROR) sounding_.clear();
            continue;
        }
        if (call.kind != winmm::MidiCall::Message) continue;
        const unsigned status = call.message & 0xFF;
        const int note = static_cast<int>((call.message >> 8) & 0xFF);
        const unsigned velocity = (call.message >> 16) & 0xFF;
        if (status != 0xC0 && status != 0x90 && status != 0x80)
            return "status of " + Hex(call.message);
        if (note > 127 || velocity > 127 || (call.message >> 24) != 0) {
            return "data byte of " + Hex(call.message);
        }
        if (call.result != MMSYSERR_NOERROR) return "sent to a closed output: " + Hex(call.message);
        auto at = std::find(sounding_.begin(), sounding_.end(), note);
        if (status == 0x90 && velocity > 0) {
            if (at == sounding_.end()) sounding_.push_back(note);
        } else if (status != 0xC0 && at != sounding_.end()) {
            sounding_.erase(at);
        }
    }
    return "";
}

std::string Monkey::CheckState() const {
    const TFormMain& form = *FormMain;
    const std::string& mode = form.Mode;
    const std::string& phase = form.Phase;
    if (mode != "" && mode != "single" && mode != "sequence" && mode != "chord")
        return "Mode " + mode;
    if (phase != "" && phase != "question" && phase != "answer") return "Phase " + phase;
    if (mode == "" && phase != "") return "Phase " + phase + " outside a run";
    const bool run = mode != "";
    if (form.RadioGroupPattern->Enabled() == run || form.CheckBoxSeq->Enabled() == run ||
        form.CheckBoxNoAnswer->Enabled() == run || form.MenuSetting->Enabled() == run) {
        return run ? "options free during a run" : "options locked outside a run";
    }
    return "";
}

std::string Monkey::CheckScore() {
    const TFormMain& form = *FormMain;
    const std::vector<std::int32_t> counters{form.SingleOk, form.SingleNg, form.SeqOk,
                                             form.SeqNg,    form.SameOk,   form.SameNg};
    for (size_t i = 0; i < counters.size(); ++i) {
        if (counters[i] < counters_[i]) return "a score counter went down";
    }
    counters_ = counters;
    struct Column {
        std::int64_t ok, judged;
        const vcl::TLabel* count;
        const vcl::TLabel* percent;
    };
    const Column columns[] = {
        {form.SingleOk, std::int64_t{form.SingleOk} + form.SingleNg, form.LabelSingle,
         form.LabelSinglePar},
        {form.SeqOk, std::int64_t{form.SeqOk} + form.SeqNg, form.LabelSeq, form.LabelSeqPar},
        {form.SameOk, std::int64_t{form.SameOk} + form.SameNg, form.LabelSame, form.LabelSamePar},
        {std::int64_t{form.SingleOk} + form.SeqOk + form.SameOk,
         std::int64_t{form.SingleOk} + form.SingleNg + form.SeqOk + form.SeqNg + form.SameOk +
             form.SameNg,
         form.LabelTotal, form.LabelTotalPar},
    };
    for (const Column& c : columns) {
        const std::string count = std::to_string(c.judged);
        const std::string percent = c.judged == 0 ? "0" : std::to_string(c.ok * 100 / c.judged);
        if (c.count->Caption() != count || c.percent->Caption() != percent) {
            return "score table shows " + c.count->Caption() + "/" + c.percent->Caption() +
                   ", counters give " + count + "/" + percent;
        }
    }
    return "";
}

std::string Monkey::CheckSettings() const {
    const TFormMain& form = *FormMain;
    if (form.Instrument > 127 || form.Volume > 127) return "instrument or volume out of range";
    if (form.NoteLength < 0) return "negative note length";
    if (form.NoteLow < 12 || form.NoteLow > form.NoteHigh || form.NoteHigh > 127) return "range";
    if (form.NoteCount < 1 || form.NoteCount > 10) return "note count";
    if (form.KeyType != 0 && form.KeyType != 1) return "key type";
    return "";
}

// In reference mode with nothing left to end, the output is closed and nothing sounds. A note
// length of 0 keeps a reference note sounding until the next press, by design.
std::string Monkey::CheckOutputIdle() const {
    const TFormMain& form = *FormMain;
    if (form.Mode != "" || form.NoteLength == 0 || backend_->ArmedTimerCount() != 0) return "";
    if (device_->open) return "output open while idle";
    if (!sounding_.empty()) return "a note sounds while idle";
    return "";
}

void Monkey::ProgramEnded(const winmm::MidiCallRecorder& recorder,
                          const winmm::ScriptedDevice& device) {
    ++report_.exits;
    recorder_ = &recorder;
    if (std::string fault = CheckMessages(); !fault.empty()) return Fail(fault);
    if (device.open) return Fail("output left open at exit");
}
