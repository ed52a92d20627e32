#include <climits>
#include <functional>

#include "SettingsFixture.h"

namespace {

struct SetterCase {
    std::string name;
    std::function<bool(TFormMain&)> call;
    // What an accepted call stores; empty for a refusal.
    std::function<void(MainWindowSettings&)> stores;
};

class SetterTest : public SettingsTest, public ::testing::WithParamInterface<SetterCase> {};

// Every field starts away from the values the cases store, so that a store shows.
TEST_P(SetterTest, AcceptsSilentlyOrRefusesWithOneMessageAndNoChange) {
    const SetterCase& c = GetParam();
    FormMain->Instrument = 9;
    FormMain->Volume = 99;
    FormMain->NoteLength = 777;
    FormMain->NoteLow = 50;
    FormMain->NoteHigh = 70;
    FormMain->NoteCount = 5;
    FormMain->KeyType = 1;
    MainWindowSettings expected = SettingsOf(*FormMain);
    if (c.stores) c.stores(expected);

    const bool accepted = c.call(*FormMain);

    EXPECT_EQ(accepted, static_cast<bool>(c.stores));
    EXPECT_EQ(SettingsOf(*FormMain), expected);
    if (accepted) {
        EXPECT_TRUE(TakeMessages().empty());
    } else {
        EXPECT_EQ(TakeMessages(), std::vector<std::string>{kOutOfRange});
        EXPECT_EQ(backend->Messages().back().Title, application->Title);
    }
}

SetterCase Accepts(std::string name, std::function<bool(TFormMain&)> call,
                   std::function<void(MainWindowSettings&)> stores) {
    return {std::move(name), std::move(call), std::move(stores)};
}
SetterCase Refuses(std::string name, std::function<bool(TFormMain&)> call) {
    return {std::move(name), std::move(call), nullptr};
}

const SetterCase setterCases[] = {
    Accepts(
        "Instrument0", [](TFormMain& f) { return f.SetInstrument(0); },
        [](MainWindowSettings& s) { s.Instrument = 0; }),
    Accepts(
        "Instrument127", [](TFormMain& f) { return f.SetInstrument(127); },
        [](MainWindowSettings& s) { s.Instrument = 127; }),
    Refuses("InstrumentMinus1", [](TFormMain& f) { return f.SetInstrument(-1); }),
    Refuses("Instrument128", [](TFormMain& f) { return f.SetInstrument(128); }),
    Refuses("Instrument261LowByte5", [](TFormMain& f) { return f.SetInstrument(261); }),
    Accepts(
        "Volume0", [](TFormMain& f) { return f.SetVolume(0); },
        [](MainWindowSettings& s) { s.Volume = 0; }),
    Accepts(
        "Volume127", [](TFormMain& f) { return f.SetVolume(127); },
        [](MainWindowSettings& s) { s.Volume = 127; }),
    Refuses("VolumeMinus1", [](TFormMain& f) { return f.SetVolume(-1); }),
    Refuses("Volume128", [](TFormMain& f) { return f.SetVolume(128); }),
    Refuses("VolumeIntMax", [](TFormMain& f) { return f.SetVolume(INT_MAX); }),
    Accepts(
        "NoteLength0", [](TFormMain& f) { return f.SetNoteLength(0); },
        [](MainWindowSettings& s) { s.NoteLength = 0; }),
    Accepts(
        "NoteLengthIntMax", [](TFormMain& f) { return f.SetNoteLength(2147483647); },
        [](MainWindowSettings& s) { s.NoteLength = 2147483647; }),
    Refuses("NoteLengthMinus1", [](TFormMain& f) { return f.SetNoteLength(-1); }),
    Refuses("NoteLengthIntMin", [](TFormMain& f) { return f.SetNoteLength(INT_MIN); }),
    Accepts(
        "Range12To12", [](TFormMain& f) { return f.SetNoteRange(12, 12); },
        [](MainWindowSettings& s) { s.NoteLow = s.NoteHigh = 12; }),
    Accepts(
        "Range127To127", [](TFormMain& f) { return f.SetNoteRange(127, 127); },
        [](MainWindowSettings& s) { s.NoteLow = s.NoteHigh = 127; }),
    Accepts(
        "Range12To127", [](TFormMain& f) { return f.SetNoteRange(12, 127); },
        [](MainWindowSettings& s) { s.NoteLow = 12, s.NoteHigh = 127; }),
    Refuses("RangeHighBelowLow", [](TFormMain& f) { return f.SetNoteRange(60, 59); }),
    Refuses("RangeLow11", [](TFormMain& f) { return f.SetNoteRange(11, 60); }),
    Refuses("RangeHigh128", [](TFormMain& f) { return f.SetNoteRange(60, 128); }),
    Refuses("RangeLowMinus1", [](TFormMain& f) { return f.SetNoteRange(-1, 60); }),
    Refuses("RangeLow128High128", [](TFormMain& f) { return f.SetNoteRange(128, 128); }),
    Refuses("RangeHigh11", [](TFormMain& f) { return f.SetNoteRange(11, 11); }),
    Refuses("RangeEveryConditionFails", [](TFormMain& f) { return f.SetNoteRange(200, -5); }),
    Accepts(
        "NoteCount1", [](TFormMain& f) { return f.SetNoteCount(1); },
        [](MainWindowSettings& s) { s.NoteCount = 1; }),
    Accepts(
        "NoteCount10", [](TFormMain& f) { return f.SetNoteCount(10); },
        [](MainWindowSettings& s) { s.NoteCount = 10; }),
    Refuses("NoteCount0", [](TFormMain& f) { return f.SetNoteCount(0); }),
    Refuses("NoteCount11", [](TFormMain& f) { return f.SetNoteCount(11); }),
    Refuses("NoteCountMinus1", [](TFormMain& f) { return f.SetNoteCount(-1); }),
    Accepts(
        "KeyType0", [](TFormMain& f) { return f.SetKeyType(0); },
        [](MainWindowSettings& s) { s.KeyType = 0; }),
    Accepts(
        "KeyType1", [](TFormMain& f) { return f.SetKeyType(1); },
        [](MainWindowSettings& s) { s.KeyType = 1; }),
    Refuses("KeyType2", [](TFormMain& f) { return f.SetKeyType(2); }),
    Refuses("KeyTypeMinus1", [](TFormMain& f) { return f.SetKeyType(-1); }),
};

INSTANTIATE_TEST_SUITE_P(Setters, SetterTest, ::testing::ValuesIn(setterCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
