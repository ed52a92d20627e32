#include "settings/FormMidiSetting.h"

#include <array>

#include "app/Design.h"
#include "app/VelunkaMain.h"

namespace {

using namespace velunka;
using namespace vcl;
using enum ComponentKind;

struct InstrumentChoice {
    const char* name;
    std::int32_t program;
};

// The list in the order shown, with the program number each name stands for.
constexpr std::array<InstrumentChoice, 36> kInstruments{{
    {"ピアノ", 0},        {"E. ピアノ", 5},     {"ハープシコード", 7},
    {"ビブラフォン", 12}, {"オルガン", 17},     {"ガットギター", 25},
    {"E.ギター", 28},     {"O.D.ギター", 30},   {"A.ベース", 33},
    {"E.ベース", 24},     {"バイオリン", 41},   {"ビオラ", 42},
    {"チェロ", 43},       {"コントラバス", 44}, {"トランペット", 57},
    {"トロンボーン", 58}, {"チューバ", 59},     {"フレンチホルン", 61},
    {"S.サックス", 65},   {"A.サックス", 66},   {"T.サックス", 67},
    {"B.サックス", 68},   {"オーボエ", 69},     {"E.ホルン", 70},
    {"バスーン", 71},     {"クラリネット", 72}, {"フルート", 74},
    {"ピッコロ", 73},     {"尺八", 78},         {"オカリナ", 80},
    {"シタール", 105},    {"バンジョー", 106},  {"三味線", 107},
    {"琴", 108},          {"バグパイプ", 110},  {"スティールドラム", 115},
}};

std::vector<std::string> InstrumentNames() {
    std::vector<std::string> names;
    for (const InstrumentChoice& choice : kInstruments) names.emplace_back(choice.name);
    return names;
}

constexpr TColor kLabelColor = 12443380;  // red 244, green 222, blue 189

// clang-format off
FormDesign MidiSettingDesign() {
    return FormDesign{
        .name = "FormMidiSetting",
        .caption = "Midi設定",
        .bounds = {243, 170, 276, 171},
        .clientWidth = 268,
        .clientHeight = 144,
        .color = clGreen,
        .font = PGothic(12, clWindowText),
        .components = {
            {.kind = Label, .name = "Label4", .bounds = {30, 20, 48, 12}, .caption = "使用楽器",
             .color = kLabelColor, .font = Gothic(12)},
            {.kind = ComboBox, .name = "ComboBoxInst", .bounds = {85, 15, 145, 20}, .tabOrder = 1,
             .imeMode = imDisable, .items = InstrumentNames(), .comboStyle = csDropDownList,
             .itemHeight = 12},
            {.kind = Label, .name = "Label5", .bounds = {105, 40, 99, 11},
             .caption = "（初期値：ピアノ）", .font = Gothic(11, clYellow)},
            {.kind = Label, .name = "LabelVolume", .bounds = {65, 65, 24, 12}, .caption = "音量",
             .color = kLabelColor, .font = Gothic(12)},
            {.kind = Edit, .name = "EditVolume", .bounds = {100, 60, 61, 20}, .caption = "127",
             .tabOrder = 2, .imeMode = imDisable},
            {.kind = UpDown, .name = "UpDownVolume", .bounds = {161, 60, 15, 20}, .tabOrder = 4,
             .associate = "EditVolume", .min = 0, .max = 127, .increment = 1, .position = 127,
             .thousands = false, .wrap = false},
            {.kind = Label, .name = "Label3", .bounds = {180, 70, 64, 11}, .caption = "（Max.127）",
             .font = Gothic(11, clYellow)},
            {.kind = Button, .name = "ButtonSet", .bounds = {35, 110, 75, 25}, .caption = "設定",
             .tabOrder = 0, .isDefault = true, .modalResult = mrOk},
            {.kind = Button, .name = "ButtonCancel", .bounds = {160, 110, 75, 25},
             .caption = "キャンセル", .tabOrder = 3, .isCancel = true, .modalResult = mrCancel},
        },
    };
}
// clang-format on

}  // namespace

TFormMidiSetting::TFormMidiSetting(vcl::TComponent* AOwner) : vcl::TForm(AOwner) {
    LoadDesign(*this, MidiSettingDesign());
    Bind(*this, ButtonSet, "ButtonSet");
    Bind(*this, ButtonCancel, "ButtonCancel");
    Bind(*this, LabelVolume, "LabelVolume");
    Bind(*this, Label3, "Label3");
    Bind(*this, ComboBoxInst, "ComboBoxInst");
    Bind(*this, Label4, "Label4");
    Bind(*this, Label5, "Label5");
    Bind(*this, UpDownVolume, "UpDownVolume");
    Bind(*this, EditVolume, "EditVolume");

    ComboBoxInst->OnChange = [this](TObject* Sender) { ComboBoxInstChange(Sender); };
    UpDownVolume->OnClick = [this](TObject* Sender, TUDBtnType Button) {
        UpDownVolumeClick(Sender, Button);
    };
    ButtonSet->OnClick = [this](TObject* Sender) { ButtonSetClick(Sender); };
}

void TFormMidiSetting::ComboBoxInstChange(vcl::TObject*) {
    const int index = ComboBoxInst->Items->IndexOf(ComboBoxInst->Text());
    const bool listed = index >= 0 && index < static_cast<int>(kInstruments.size());
    NewInstrument = listed ? kInstruments[static_cast<size_t>(index)].program : 0;
}

void TFormMidiSetting::UpDownVolumeClick(vcl::TObject*, vcl::TUDBtnType) {
    NewVolume = UpDownVolume->Position;
}

// The volume is read from its edit, typed or stepped; text that is no integer raises the
// conversion error, which is shown and ends the handler before anything is applied.
void TFormMidiSetting::ButtonSetClick(vcl::TObject*) {
    NewVolume = FormMain->StringToInt(EditVolume->Text);
    if (!FormMain->SetVolume(NewVolume)) return;
    FormMain->LabelVolume->Caption = FormMain->IntToString(NewVolume);
    if (!FormMain->SetInstrument(NewInstrument)) return;
    FormMain->LabelInst->Caption = ComboBoxInst->Text();
}
