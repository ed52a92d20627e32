// The running program with its settings dialogs opened from the menu and driven by a script.
#pragma once

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "settings/FormMidiSetting.h"
#include "settings/FormSettingQuestion.h"

// Every setting of the main window and every place that shows one.
struct MainWindowSettings {
    int Instrument, Volume, NoteLength, NoteLow, NoteHigh, NoteCount, KeyType;
    std::string LabelInst, LabelVolume, LabelNoteLength, LabelrepeatNote, LabelLowNote,
        LabelHighNote, LabelKeyType;
    int Pattern;
    bool operator==(const MainWindowSettings&) const = default;
};
MainWindowSettings SettingsOf(const TFormMain& form);
std::ostream& operator<<(std::ostream& out, const MainWindowSettings& s);

// The ways to leave a dialog without applying anything: its Cancel button, Escape, the close box.
struct WayToCancel {
    std::string how;
    std::function<void(vcl::TForm&)> close;
};
std::vector<WayToCancel> WaysToCancel();

// What both dialogs share: a modal window owned by the main window, at its designed place and
// size with its caption and colour, Set the default button and Cancel the cancel button.
void ExpectDialogFrame(const vcl::TForm& dialog, const std::string& caption, vcl::TColor color,
                       std::array<int, 4> leftTopWidthHeight);

class SettingsTest : public ProgramTest {
  protected:
    void SetUp() override;

    // Chooses the menu item; `script` acts on the dialog while it is shown. Checks that the
    // dialog is gone afterwards.
    void OpenMidiSetting(const std::function<void(TFormMidiSetting&)>& script);
    void OpenSettingQuestion(const std::function<void(TFormSettingQuestion&)>& script);
    // Texts of the message boxes shown since the last call (the first: since the start-up check).
    std::vector<std::string> TakeMessages();

    static constexpr const char* kOutOfRange = "データが正常な範囲を超えています";
    static std::string NotAnInteger(const std::string& text) {
        return "'" + text + "' は整数ではありません";
    }

  private:
    size_t messagesTaken_ = 0;
};
