#include "app/VelunkaMain.h"

#include <cstdlib>
#include <ctime>

#include "app/Design.h"
#include "app/MainWindowDesign.h"
#include "winmm/mmsystem.h"

TFormMain* FormMain = nullptr;

TFormMain::TFormMain(vcl::TComponent* AOwner) : vcl::TForm(AOwner) {
    velunka::LoadDesign(*this, velunka::MainWindowDesign());
    BindControls();
    BindEvents();

    SingleOk = 0;
    SingleNg = 0;
    SeqOk = 0;
    SeqNg = 0;
    SameOk = 0;
    SameNg = 0;
    Mode = "";
    Phase = "";
    Instrument = 0;
    NoteLength = 1000;
    Volume = 127;
    NoteLow = 48;
    NoteHigh = 72;
    NoteCount = 1;
    NotePos = 0;
    KeyType = 1;

    InitNoteNames();
    CheckMidi();
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    ButtonRepeat->Enabled = false;
    ButtonStop->Enabled = false;
}

TFormMain::~TFormMain() {
    midiOutClose(hMidiOut);
    if (FormMain == this) FormMain = nullptr;
}

void TFormMain::BindControls() {
    using velunka::Bind;
    Bind(*this, LabelMode, "LabelMode");
    Bind(*this, LabelQuestion, "LabelQuestion");
    Bind(*this, LabelAnswer, "LabelAnswer");
    Bind(*this, LabelOk, "LabelOk");
    Bind(*this, LabelNg, "LabelNg");
    Bind(*this, Label1, "Label1");
    Bind(*this, Label2, "Label2");
    Bind(*this, Label3, "Label3");
    Bind(*this, Label4, "Label4");
    Bind(*this, Label5, "Label5");
    Bind(*this, Label6, "Label6");
    Bind(*this, Label7, "Label7");
    Bind(*this, Label8, "Label8");
    Bind(*this, Label9, "Label9");
    Bind(*this, Label10, "Label10");
    Bind(*this, Label11, "Label11");
    Bind(*this, Label12, "Label12");
    Bind(*this, Label13, "Label13");
    Bind(*this, Label14, "Label14");
    Bind(*this, Label15, "Label15");
    Bind(*this, Label17, "Label17");
    Bind(*this, Label18, "Label18");
    Bind(*this, Label19, "Label19");
    Bind(*this, Label22, "Label22");
    Bind(*this, Label23, "Label23");
    Bind(*this, Label24, "Label24");
    Bind(*this, Label25, "Label25");
    Bind(*this, ButtonStart, "ButtonStart");
    Bind(*this, ButtonRepeat, "ButtonRepeat");
    Bind(*this, ButtonStop, "ButtonStop");
    Bind(*this, ButtonRef, "ButtonRef");
    Bind(*this, GroupBox2, "GroupBox2");
    Bind(*this, CheckBoxNoAnswer, "CheckBoxNoAnswer");
    Bind(*this, CheckBoxSeq, "CheckBoxSeq");
    Bind(*this, RadioGroupPattern, "RadioGroupPattern");
    Bind(*this, MemoNoted, "MemoNoted");
    Bind(*this, NoteMemo, "NoteMemo");
    Bind(*this, AnswerMemo, "AnswerMemo");
    Bind(*this, PanelTableResult, "PanelTableResult");
    Bind(*this, LabelSinglePar, "LabelSinglePar");
    Bind(*this, LabelSingle, "LabelSingle");
    Bind(*this, LabelSeqPar, "LabelSeqPar");
    Bind(*this, LabelSeq, "LabelSeq");
    Bind(*this, LabelSamePar, "LabelSamePar");
    Bind(*this, LabelSame, "LabelSame");
    Bind(*this, LabelTotalPar, "LabelTotalPar");
    Bind(*this, LabelTotal, "LabelTotal");
    Bind(*this, Bevel1, "Bevel1");
    Bind(*this, Bevel2, "Bevel2");
    Bind(*this, Bevel3, "Bevel3");
    Bind(*this, Bevel4, "Bevel4");
    Bind(*this, Panel2, "Panel2");
    Bind(*this, Panel1, "Panel1");
    Bind(*this, LabelInst, "LabelInst");
    Bind(*this, LabelrepeatNote, "LabelrepeatNote");
    Bind(*this, LabelVolume, "LabelVolume");
    Bind(*this, LabelNoteLength, "LabelNoteLength");
    Bind(*this, LabelLowNote, "LabelLowNote");
    Bind(*this, LabelKara, "LabelKara");
    Bind(*this, LabelHighNote, "LabelHighNote");
    Bind(*this, LabelKeyType, "LabelKeyType");
    Bind(*this, TimerNoteOff, "TimerNoteOff");
    Bind(*this, TimerRenzoku, "TimerRenzoku");
    Bind(*this, TimerRepeat, "TimerRepeat");
    Bind(*this, MainMenu1, "MainMenu1");
    Bind(*this, MenuFile, "MenuFile");
    Bind(*this, MenuFileExit, "MenuFileExit");
    Bind(*this, MenuSetting, "MenuSetting");
    Bind(*this, MenuSettingMidi, "MenuSettingMidi");
    Bind(*this, MenuSettingQuestion, "MenuSettingQuestion");
    Bind(*this, MenuHelp, "MenuHelp");
    Bind(*this, MenuHelpHelp, "MenuHelpHelp");
    Bind(*this, MenuHelpAbout, "MenuHelpAbout");
    for (size_t i = 0; i < KeyPanels.size(); ++i) {
        Bind(*this, KeyPanels[i], velunka::KeyboardKeys()[i].panelName);
    }
}

void TFormMain::BindEvents() {
    ButtonStart->OnClick = [this](vcl::TObject* Sender) { ButtonStartClick(Sender); };
    ButtonStop->OnClick = [this](vcl::TObject* Sender) { ButtonStopClick(Sender); };
    ButtonRepeat->OnClick = [this](vcl::TObject* Sender) { ButtonRepeatClick(Sender); };
    ButtonRef->OnClick = [this](vcl::TObject* Sender) { ButtonRefClick(Sender); };
    TimerNoteOff->OnTimer = [this](vcl::TObject* Sender) { TimerNoteOffTimer(Sender); };
    TimerRenzoku->OnTimer = [this](vcl::TObject* Sender) { TimerRenzokuTimer(Sender); };
    TimerRepeat->OnTimer = [this](vcl::TObject* Sender) { TimerRepeatTimer(Sender); };
    MenuFileExit->OnClick = [this](vcl::TObject* Sender) { MenuFileExitClick(Sender); };
    MenuHelpHelp->OnClick = [this](vcl::TObject* Sender) { MenuHelpHelpClick(Sender); };
    MenuHelpAbout->OnClick = [this](vcl::TObject* Sender) { MenuHelpAboutClick(Sender); };
    BindKeyboardEvents();
}

std::string TFormMain::IntToString(std::int32_t value) const {
    return std::to_string(value);
}

std::int32_t TFormMain::StringToInt(const std::string& text) const {
    return vcl::StrToInt(text);
}

void TFormMain::MenuFileExitClick(vcl::TObject*) {
    vcl::Application->Terminate();
}
