// The main window: its controls, and the program's whole training state.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "notes/Keyboard.h"
#include "vcl/Vcl.h"
#include "winmm/mmsystem.h"

// The MIDI short message being built; sent as one word, status in the lowest byte.
struct TMidiMessage {
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
    std::uint8_t spare;
};

class TFormMain : public vcl::TForm {
  public:
    explicit TFormMain(vcl::TComponent* AOwner);
    ~TFormMain() override;

    // Controls of the window, as designed.
    vcl::TLabel* LabelMode = nullptr;
    vcl::TLabel* LabelQuestion = nullptr;
    vcl::TLabel* LabelAnswer = nullptr;
    vcl::TLabel* LabelOk = nullptr;
    vcl::TLabel* LabelNg = nullptr;
    vcl::TLabel* Label1 = nullptr;
    vcl::TLabel* Label2 = nullptr;
    vcl::TLabel* Label3 = nullptr;
    vcl::TLabel* Label4 = nullptr;
    vcl::TLabel* Label5 = nullptr;
    vcl::TLabel* Label6 = nullptr;
    vcl::TLabel* Label7 = nullptr;
    vcl::TLabel* Label8 = nullptr;
    vcl::TLabel* Label9 = nullptr;
    vcl::TLabel* Label10 = nullptr;
    vcl::TLabel* Label11 = nullptr;
    vcl::TLabel* Label12 = nullptr;
    vcl::TLabel* Label13 = nullptr;
    vcl::TLabel* Label14 = nullptr;
    vcl::TLabel* Label15 = nullptr;
    vcl::TLabel* Label17 = nullptr;
    vcl::TLabel* Label18 = nullptr;
    vcl::TLabel* Label19 = nullptr;
    vcl::TLabel* Label22 = nullptr;
    vcl::TLabel* Label23 = nullptr;
    vcl::TLabel* Label24 = nullptr;
    vcl::TLabel* Label25 = nullptr;
    vcl::TButton* ButtonStart = nullptr;
    vcl::TButton* ButtonRepeat = nullptr;
    vcl::TButton* ButtonStop = nullptr;
    vcl::TButton* ButtonRef = nullptr;
    vcl::TGroupBox* GroupBox2 = nullptr;
    vcl::TCheckBox* CheckBoxNoAnswer = nullptr;
    vcl::TCheckBox* CheckBoxSeq = nullptr;
    vcl::TRadioGroup* RadioGroupPattern = nullptr;
    vcl::TMemo* MemoNoted = nullptr;
    vcl::TMemo* NoteMemo = nullptr;
    vcl::TMemo* AnswerMemo = nullptr;
    vcl::TPanel* PanelTableResult = nullptr;
    vcl::TLabel* LabelSinglePar = nullptr;
    vcl::TLabel* LabelSingle = nullptr;
    vcl::TLabel* LabelSeqPar = nullptr;
    vcl::TLabel* LabelSeq = nullptr;
    vcl::TLabel* LabelSamePar = nullptr;
    vcl::TLabel* LabelSame = nullptr;
    vcl::TLabel* LabelTotalPar = nullptr;
    vcl::TLabel* LabelTotal = nullptr;
    vcl::TBevel* Bevel1 = nullptr;
    vcl::TBevel* Bevel2 = nullptr;
    vcl::TBevel* Bevel3 = nullptr;
    vcl::TBevel* Bevel4 = nullptr;
    vcl::TPanel* Panel2 = nullptr;
    vcl::TPanel* Panel1 = nullptr;
    vcl::TLabel* LabelInst = nullptr;
    vcl::TLabel* LabelrepeatNote = nullptr;
    vcl::TLabel* LabelVolume = nullptr;
    vcl::TLabel* LabelNoteLength = nullptr;
    vcl::TLabel* LabelLowNote = nullptr;
    vcl::TLabel* LabelKara = nullptr;
    vcl::TLabel* LabelHighNote = nullptr;
    vcl::TLabel* LabelKeyType = nullptr;
    vcl::TTimer* TimerNoteOff = nullptr;
    vcl::TTimer* TimerRenzoku = nullptr;
    vcl::TTimer* TimerRepeat = nullptr;
    vcl::TMainMenu* MainMenu1 = nullptr;
    vcl::TMenuItem* MenuFile = nullptr;
    vcl::TMenuItem* MenuFileExit = nullptr;
    vcl::TMenuItem* MenuSetting = nullptr;
    vcl::TMenuItem* MenuSettingMidi = nullptr;
    vcl::TMenuItem* MenuSettingQuestion = nullptr;
    vcl::TMenuItem* MenuHelp = nullptr;
    vcl::TMenuItem* MenuHelpHelp = nullptr;
    vcl::TMenuItem* MenuHelpAbout = nullptr;
    // PanelC2 .. PanelA5s, parallel to velunka::KeyboardKeys().
    std::array<vcl::TPanel*, velunka::kKeyboardKeyCount> KeyPanels{};

    // Event handlers.
    void ButtonStartClick(vcl::TObject* Sender);
    void ButtonStopClick(vcl::TObject* Sender);
    void ButtonRepeatClick(vcl::TObject* Sender);
    void ButtonRefClick(vcl::TObject* Sender);
    void TimerNoteOffTimer(vcl::TObject* Sender);
    void TimerRenzokuTimer(vcl::TObject* Sender);
    void TimerRepeatTimer(vcl::TObject* Sender);
    // The mouse handlers of KeyPanels[key].
    void KeyPanelMouseDown(size_t key, vcl::TMouseButton Button);
    void KeyPanelMouseUp(size_t key);
    void MenuFileExitClick(vcl::TObject* Sender);
    void MenuHelpHelpClick(vcl::TObject* Sender);
    void MenuHelpAboutClick(vcl::TObject* Sender);

    // MIDI output.
    void NoteOn(std::int32_t pos);
    void NoteOff(std::int32_t pos);
    void KeyNoteOn(std::int32_t key);
    void KeyNoteOff(std::int32_t key);
    void CheckMidi();

    // Note names.
    void InitNoteNames();

    // Training.
    void StartQuestion();
    std::uint8_t RandomNote();
    void FoldToWhiteKey(std::int32_t pos);
    void RepeatQuestion();
    void KeyPressed(std::int32_t keyIndex);
    void ShowOk();
    void ShowNg();
    void UpdateScore();

    std::string IntToString(std::int32_t value) const;
    std::int32_t StringToInt(const std::string& text) const;

    HMIDIOUT hMidiOut = 0;
    TMidiMessage MidiMsg{};
    std::uint8_t Instrument = 0;
    std::uint8_t Volume = 0;
    std::int32_t SingleOk = 0;
    std::int32_t SingleNg = 0;
    std::int32_t SeqOk = 0;
    std::int32_t SeqNg = 0;
    std::int32_t SameOk = 0;
    std::int32_t SameNg = 0;
    std::int32_t NotePos = 0;
    std::int32_t NoteLength = 0;
    std::int32_t NoteLow = 0;
    std::int32_t NoteHigh = 0;
    std::int32_t NoteCount = 0;
    std::int32_t RefNote = 0;
    std::int32_t KeyType = 0;
    std::array<std::uint8_t, 12> Notes{};
    std::string Mode;
    std::string Phase;

  private:
    void BindControls();
    void BindEvents();
    void BindKeyboardEvents();
    void SendMidiMsg();
    // A program change, then the note on; or the note off.
    void SendNoteOn(std::uint8_t note);
    void SendNoteOff(std::uint8_t note);
    // Note-offs for whatever still sounds, so that nothing hangs when a question or a replay
    // starts over notes that were cut short.
    void EndSoundingNotes();
    void CloseMidiOutput();
    // A run is pending from Start until its first question, and goes on until Stop.
    bool RunPendingOrGoing() const;
    std::string NoteName(std::uint8_t note) const;
    void ListNotesSounded(vcl::TMemo* memo, std::int32_t count);
    void EraseProgressArea();
    void DrawProgressBox(std::int32_t n);
    void AnswerComplete(std::int32_t& okCounter);
    void AnswerWrong(std::int32_t& ngCounter);
    void StartChord();
    void EnterQuestion(const char* mode, const char* modeCaption);
    void ShowAsking();
    void AwaitAnswer();
    void CutNotesShort();

    // MIDI notes between a note-on and its note-off while the output is open.
    std::bitset<128> SoundingNotes;
};

extern TFormMain* FormMain;
