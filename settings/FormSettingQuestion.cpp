#include "settings/FormSettingQuestion.h"

#include "app/Design.h"
#include "app/VelunkaMain.h"

namespace {

using namespace velunka;
using namespace vcl;
using enum ComponentKind;

constexpr TColor kPanelColor = 15654864;  // red 208, green 223, blue 238

FontDesign PanelFont(int height) {
    return Gothic(height);
}

// The name of a key index, from the main window's note-name table.
std::string NoteName(int keyIndex) {
    return FormMain->NoteMemo->Lines->Strings[keyIndex];
}

// The MIDI note number of a name; a text that is no note name gives 11, which no range takes.
std::int32_t NoteNumber(const std::string& name) {
    return FormMain->NoteMemo->Lines->IndexOf(name) + 12;
}

// clang-format off
FormDesign SettingQuestionDesign() {
    return FormDesign{
        .name = "FormSettingQuestion",
        .caption = "出題設定",
        .bounds = {218, 147, 255, 275},
        .clientWidth = 247,
        .clientHeight = 248,
        .color = clAqua,
        .font = PGothic(12, clWindowText),
        .components = {
            {.kind = Label, .name = "Label1", .bounds = {50, 25, 48, 12}, .caption = "音の長さ",
             .color = kPanelColor, .font = PanelFont(12)},
            {.kind = Edit, .name = "EditNoteLength", .bounds = {100, 20, 66, 20}, .caption = "1000",
             .tabOrder = 2},
            {.kind = UpDown, .name = "UpDownNoteLength", .bounds = {166, 20, 15, 20}, .tabOrder = 6,
             .associate = "EditNoteLength", .min = 0, .max = 10000, .increment = 500,
             .position = 1000, .thousands = false, .wrap = false},
            {.kind = Label, .name = "LabelUnit", .bounds = {180, 30, 55, 11}, .caption = "（ミリ秒）",
             .color = kPanelColor, .font = PanelFont(11)},
            {.kind = GroupBox, .name = "GroupBox1", .bounds = {30, 60, 185, 61}, .caption = "出題音域",
             .color = kPanelColor, .font = PanelFont(12), .tabOrder = 3},
            {.kind = Label, .name = "Label2", .parent = "GroupBox1", .bounds = {30, 15, 36, 12},
             .caption = "最低音", .color = kPanelColor, .font = PanelFont(12)},
            {.kind = Label, .name = "Label3", .parent = "GroupBox1", .bounds = {115, 15, 36, 12},
             .caption = "最高音", .color = kPanelColor, .font = PanelFont(12)},
            {.kind = Edit, .name = "EditNoteLowDummy", .parent = "GroupBox1",
             .bounds = {25, 31, 46, 20}, .caption = "36", .tabOrder = 3, .visible = false},
            {.kind = UpDown, .name = "UpDownNoteLow", .parent = "GroupBox1",
             .bounds = {71, 31, 15, 20}, .tabOrder = 0, .associate = "EditNoteLowDummy", .min = 0,
             .max = 115, .increment = 1, .position = 36, .wrap = false},
            {.kind = Edit, .name = "EditNoteHighDummy", .parent = "GroupBox1",
             .bounds = {109, 31, 46, 20}, .caption = "60", .tabOrder = 2, .visible = false},
            {.kind = UpDown, .name = "UpDownNoteHigh", .parent = "GroupBox1",
             .bounds = {155, 31, 15, 20}, .tabOrder = 1, .associate = "EditNoteHighDummy", .min = 0,
             .max = 115, .increment = 1, .position = 60, .wrap = false},
            {.kind = Edit, .name = "EditNoteLow", .bounds = {55, 90, 46, 20}, .caption = "c3",
             .tabOrder = 8},
            {.kind = Edit, .name = "EditNoteHigh", .bounds = {140, 90, 41, 20}, .caption = "c5",
             .tabOrder = 9},
            {.kind = RadioGroup, .name = "RadioGroupSelectKeyType", .bounds = {31, 132, 105, 65},
             .caption = "使用鍵盤", .tabOrder = 4, .items = {"白鍵 + 黒鍵", "白鍵のみ"},
             .itemIndex = 1},
            {.kind = Label, .name = "Label4", .bounds = {160, 145, 24, 12}, .caption = "音数"},
            {.kind = Edit, .name = "EditRepeat", .bounds = {155, 160, 51, 20}, .caption = "1",
             .tabOrder = 1},
            {.kind = UpDown, .name = "UpDownRepeat", .bounds = {206, 160, 15, 20}, .tabOrder = 7,
             .associate = "EditRepeat", .min = 1, .max = 10, .increment = 1, .position = 1,
             .wrap = false},
            {.kind = Button, .name = "ButtonSet", .bounds = {25, 210, 75, 25}, .caption = "設定",
             .tabOrder = 0, .isDefault = true, .modalResult = mrOk},
            {.kind = Button, .name = "ButtonCancel", .bounds = {145, 210, 75, 25},
             .caption = "キャンセル", .tabOrder = 5, .isCancel = true, .modalResult = mrCancel},
        },
    };
}
// clang-format on

}  // namespace

TFormSettingQuestion::TFormSettingQuestion(vcl::TComponent* AOwner) : vcl::TForm(AOwner) {
    LoadDesign(*this, SettingQuestionDesign());
    Bind(*this, Label1, "Label1");
    Bind(*this, LabelUnit, "LabelUnit");
    Bind(*this, GroupBox1, "GroupBox1");
    Bind(*this, Label2, "Label2");
    Bind(*this, Label3, "Label3");
    Bind(*this, ButtonSet, "ButtonSet");
    Bind(*this, ButtonCancel, "ButtonCancel");
    Bind(*this, RadioGroupSelectKeyType, "RadioGroupSelectKeyType");
    Bind(*this, UpDownNoteLength, "UpDownNoteLength");
    Bind(*this, EditNoteLength, "EditNoteLength");
    Bind(*this, EditRepeat, "EditRepeat");
    Bind(*this, UpDownRepeat, "UpDownRepeat");
    Bind(*this, Label4, "Label4");
    Bind(*this, UpDownNoteLow, "UpDownNoteLow");
    Bind(*this, UpDownNoteHigh, "UpDownNoteHigh");
    Bind(*this, EditNoteLow, "EditNoteLow");
    Bind(*this, EditNoteHigh, "EditNoteHigh");
    Bind(*this, EditNoteHighDummy, "EditNoteHighDummy");
    Bind(*this, EditNoteLowDummy, "EditNoteLowDummy");

    ButtonCancel->OnClick = [this](TObject* Sender) { ButtonCancelClick(Sender); };
    UpDownNoteLength->OnClick = [this](TObject* Sender, TUDBtnType Button) {
        UpDownNoteLengthClick(Sender, Button);
    };
    ButtonSet->OnClick = [this](TObject* Sender) { ButtonSetClick(Sender); };
    UpDownRepeat->OnClick = [this](TObject* Sender, TUDBtnType Button) {
        UpDownRepeatClick(Sender, Button);
    };
    UpDownNoteLow->OnClick = [this](TObject* Sender, TUDBtnType Button) {
        UpDownNoteLowClick(Sender, Button);
    };
    UpDownNoteHigh->OnClick = [this](TObject* Sender, TUDBtnType Button) {
        UpDownNoteHighClick(Sender, Button);
    };
}

void TFormSettingQuestion::ButtonCancelClick(vcl::TObject*) {}

void TFormSettingQuestion::UpDownNoteLengthClick(vcl::TObject*, vcl::TUDBtnType) {
    NewNoteLength = UpDownNoteLength->Position;
}

void TFormSettingQuestion::UpDownRepeatClick(vcl::TObject*, vcl::TUDBtnType) {
    NewNoteCount = FormMain->StringToInt(EditRepeat->Text);
}

void TFormSettingQuestion::UpDownNoteLowClick(vcl::TObject*, vcl::TUDBtnType) {
    EditNoteLow->Text = NoteName(UpDownNoteLow->Position);
}

void TFormSettingQuestion::UpDownNoteHighClick(vcl::TObject*, vcl::TUDBtnType) {
    EditNoteHigh->Text = NoteName(UpDownNoteHigh->Position);
}

// Applies the settings in order and stops at the first refusal. The note length and the number
// of notes are read from their edits, typed or stepped; text that is no integer raises the
// conversion error, which is shown and ends the handler before that setting is applied.
void TFormSettingQuestion::ButtonSetClick(vcl::TObject*) {
    NewNoteLow = NoteNumber(EditNoteLow->Text);
    NewNoteHigh = NoteNumber(EditNoteHigh->Text);

    NewNoteLength = FormMain->StringToInt(EditNoteLength->Text);
    if (!FormMain->SetNoteLength(NewNoteLength)) return;
    FormMain->LabelNoteLength->Caption = FormMain->IntToString(NewNoteLength);

    NewNoteCount = FormMain->StringToInt(EditRepeat->Text);
    if (!FormMain->SetNoteCount(NewNoteCount)) return;
    FormMain->LabelrepeatNote->Caption = FormMain->IntToString(NewNoteCount);
    if (NewNoteCount > 1) FormMain->RadioGroupPattern->ItemIndex = 1;

    if (!FormMain->SetNoteRange(NewNoteLow, NewNoteHigh)) return;
    FormMain->LabelLowNote->Caption = EditNoteLow->Text;
    FormMain->LabelHighNote->Caption = EditNoteHigh->Text;

    switch (RadioGroupSelectKeyType->ItemIndex) {
        case 0:
            FormMain->LabelKeyType->Caption = "白鍵＋黒鍵";
            FormMain->SetKeyType(0);
            break;
        case 1:
            FormMain->LabelKeyType->Caption = "白鍵のみ";
            FormMain->SetKeyType(1);
            break;
        default:
            break;
    }
}
