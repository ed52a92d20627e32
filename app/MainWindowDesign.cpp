#include "app/MainWindowDesign.h"

#include "notes/Keyboard.h"

namespace velunka {

using namespace vcl;
using enum ComponentKind;

namespace {

constexpr TColor kPaleYellow = 13238013;
constexpr TColor kPercentGreen = 5338923;

std::vector<ComponentDesign> KeyPanels() {
    std::vector<ComponentDesign> panels;
    int tabOrder = 0;
    for (const KeyboardKey& key : KeyboardKeys()) panels.push_back(KeyPanelDesign(key, tabOrder++));
    return panels;
}

// The tables below keep one control to a row or two, as in the design.
// clang-format off

std::vector<ComponentDesign> OctaveLabels() {
    return {
        {.kind = Label, .name = "Label1", .bounds = {105, 165, 16, 15}, .caption = "C2",
         .color = clPurple, .font = Gothic(15, clAqua)},
        {.kind = Label, .name = "Label2", .bounds = {245, 165, 16, 15}, .caption = "C3",
         .color = clPurple, .font = Gothic(15, clAqua)},
        {.kind = Label, .name = "Label3", .bounds = {385, 165, 16, 15}, .caption = "C4",
         .color = clPurple, .font = Gothic(15, clAqua)},
        {.kind = Label, .name = "Label4", .bounds = {525, 165, 16, 15}, .caption = "C5",
         .color = clPurple, .font = Gothic(15, clAqua)},
    };
}

std::vector<ComponentDesign> QuestionArea() {
    return {
        {.kind = Label, .name = "LabelMode", .bounds = {335, 30, 95, 19}, .caption = "参照モード",
         .color = clLime, .font = Gothic(19)},
        {.kind = Label, .name = "LabelQuestion", .bounds = {360, 240, 57, 19},
         .caption = "？？？", .color = clFuchsia, .font = Gothic(19), .visible = false},
        {.kind = Label, .name = "LabelAnswer", .bounds = {350, 240, 76, 19},
         .caption = "答えてね", .color = clYellow, .font = Gothic(19), .visible = false},
        {.kind = Label, .name = "LabelOk", .bounds = {355, 280, 31, 27}, .caption = "OK",
         .color = clAqua, .font = Gothic(27, clBlack, {fsBold}), .visible = false,
         .alignment = taCenter, .autoSize = false},
        {.kind = Label, .name = "LabelNg", .bounds = {390, 280, 31, 27}, .caption = "NG",
         .color = clRed, .font = Gothic(27, clBlack, {fsBold}), .visible = false,
         .alignment = taCenter, .autoSize = false},
        {.kind = Label, .name = "Label6", .bounds = {700, 270, 48, 12}, .caption = "鳴った音",
         .font = Gothic(12, clWhite)},
    };
}

std::vector<ComponentDesign> Buttons() {
    return {
        {.kind = Button, .name = "ButtonRepeat", .bounds = {355, 190, 71, 25},
         .caption = "くりかえし", .tabOrder = 48},
        {.kind = Button, .name = "ButtonStart", .bounds = {255, 190, 75, 25}, .caption = "開始",
         .tabOrder = 49},
        {.kind = Button, .name = "ButtonStop", .bounds = {450, 190, 75, 25}, .caption = "停止",
         .tabOrder = 50},
    };
}

std::vector<ComponentDesign> Options() {
    return {
        {.kind = GroupBox, .name = "GroupBox2", .bounds = {403, 394, 158, 62}, .caption = "設定",
         .font = Gothic(12, clWhite), .tabOrder = 51},
        {.kind = CheckBox, .name = "CheckBoxNoAnswer", .parent = "GroupBox2",
         .bounds = {8, 16, 143, 17}, .caption = "鳴った音を表示しない", .tabOrder = 0},
        {.kind = CheckBox, .name = "CheckBoxSeq", .parent = "GroupBox2",
         .bounds = {8, 35, 97, 17}, .caption = "連続出題する", .tabOrder = 1},
        {.kind = RadioGroup, .name = "RadioGroupPattern", .bounds = {582, 370, 97, 86},
         .caption = "発音パターン", .font = Gothic(12, clWhite), .tabOrder = 52,
         .items = {"単音", "連続音", "同時音"}, .itemIndex = 0},
    };
}

std::vector<ComponentDesign> NotedAndNoteMemos() {
    return {
        {.kind = Memo, .name = "MemoNoted", .bounds = {695, 285, 66, 171}, .color = kPaleYellow,
         .font = Gothic(15), .tabOrder = 53, .enabled = false, .imeMode = imClose},
        {.kind = Memo, .name = "NoteMemo", .bounds = {0, 200, 76, 89}, .tabOrder = 54,
         .visible = false, .imeMode = imClose},
    };
}

std::vector<ComponentDesign> ScoreTable() {
    const char* table = "PanelTableResult";
    auto figure = [table](const char* name, Bounds bounds, std::optional<TColor> color) {
        return ComponentDesign{.kind = Label, .name = name, .parent = table, .bounds = bounds,
                               .caption = "0", .color = color, .font = Gothic(12, clYellow),
                               .alignment = taRightJustify, .autoSize = false};
    };
    auto heading = [table](const char* name, Bounds bounds, const char* caption, TColor color,
                           TColor fontColor) {
        return ComponentDesign{.kind = Label, .name = name, .parent = table, .bounds = bounds,
                               .caption = caption, .color = color, .font = Gothic(12, fontColor)};
    };
    auto rule = [table](const char* name, Bounds bounds, TBevelShape shape) {
        return ComponentDesign{.kind = Bevel, .name = name, .parent = table, .bounds = bounds,
                               .shape = shape};
    };
    return {
        {.kind = Panel, .name = table, .bounds = {15, 340, 366, 116}, .color = clGray,
         .tabOrder = 55, .bevelOuter = bvNone},
        heading("Label18", {20, 30, 36, 12}, "正解率", clMaroon, clYellow),
        heading("Label19", {20, 55, 36, 12}, "出題数", clMaroon, clYellow),
        figure("LabelSinglePar", {80, 30, 37, 12}, clGreen),
        figure("LabelSingle", {80, 55, 37, 12}, std::nullopt),
        figure("LabelSeqPar", {150, 30, 37, 12}, clGreen),
        figure("LabelSeq", {150, 55, 37, 12}, std::nullopt),
        figure("LabelSamePar", {210, 30, 37, 12}, clGreen),
        figure("LabelSame", {210, 55, 37, 12}, std::nullopt),
        figure("LabelTotalPar", {300, 30, 37, 12}, clGreen),
        figure("LabelTotal", {275, 55, 62, 12}, std::nullopt),
        heading("Label5", {120, 30, 6, 12}, "%", kPercentGreen, clYellow),
        heading("Label8", {190, 30, 6, 12}, "%", kPercentGreen, clYellow),
        heading("Label13", {250, 30, 6, 12}, "%", kPercentGreen, clYellow),
        heading("Label15", {340, 30, 6, 12}, "%", kPercentGreen, clYellow),
        heading("Label22", {90, 90, 24, 12}, "単音", clNavy, clWhite),
        heading("Label23", {155, 90, 36, 12}, "連続音", clNavy, clWhite),
        heading("Label24", {215, 90, 36, 12}, "同時音", clNavy, clWhite),
        heading("Label25", {310, 90, 24, 12}, "平均", clNavy, clWhite),
        rule("Bevel3", {5, 80, 351, 1}, bsTopLine),
        rule("Bevel1", {65, 15, 1, 91}, bsLeftLine),
        rule("Bevel2", {70, 15, 1, 91}, bsLeftLine),
        rule("Bevel4", {265, 15, 1, 91}, bsLeftLine),
        // Created after the table, so that it lies over the table's top edge.
        {.kind = Panel, .name = "Panel2", .bounds = {180, 340, 41, 21}, .caption = "成績",
         .color = clAqua, .font = Gothic(15, clMaroon, {fsUnderline}), .tabOrder = 56,
         .bevelOuter = bvNone},
    };
}

std::vector<ComponentDesign> StatusPanel() {
    const char* panel = "Panel1";
    auto name = [panel](const char* label, Bounds bounds, const char* caption) {
        return ComponentDesign{.kind = Label, .name = label, .parent = panel, .bounds = bounds,
                               .caption = caption, .font = Gothic(15, clAqua)};
    };
    auto value = [panel](const char* label, Bounds bounds, const char* caption, TColor color) {
        return ComponentDesign{.kind = Label, .name = label, .parent = panel, .bounds = bounds,
                               .caption = caption, .color = color, .font = Gothic(15)};
    };
    return {
        {.kind = Panel, .name = panel, .bounds = {0, 468, 772, 36}, .color = clPurple,
         .tabOrder = 57, .align = alBottom},
        name("Label14", {10, 10, 30, 15}, "楽器"),
        value("LabelInst", {40, 10, 45, 15}, "ピアノ", clYellow),
        name("Label7", {180, 10, 30, 15}, "音数"),
        value("LabelrepeatNote", {211, 10, 8, 15}, "1", clLime),
        name("Label9", {245, 10, 30, 15}, "音量"),
        value("LabelVolume", {276, 10, 24, 15}, "127", clLime),
        name("Label10", {310, 10, 60, 15}, "音の長さ"),
        value("LabelNoteLength", {371, 10, 32, 15}, "1000", clLime),
        {.kind = Label, .name = "Label17", .parent = panel, .bounds = {415, 15, 36, 12},
         .caption = "ミリ秒", .font = Gothic(12, clYellow)},
        name("Label11", {470, 10, 60, 15}, "出題音域"),
        value("LabelLowNote", {531, 10, 16, 15}, "c3", clYellow),
        {.kind = Label, .name = "LabelKara", .parent = panel, .bounds = {560, 15, 12, 12},
         .caption = "～", .color = clPurple, .font = Gothic(12, clYellow)},
        value("LabelHighNote", {576, 10, 16, 15}, "c5", clYellow),
        name("Label12", {620, 10, 60, 15}, "使用鍵盤"),
        value("LabelKeyType", {681, 10, 60, 15}, "白鍵のみ", clYellow),
    };
}

std::vector<ComponentDesign> AnswerMemoAndReferenceButton() {
    return {
        {.kind = Memo, .name = "AnswerMemo", .bounds = {95, 200, 91, 89}, .tabOrder = 58,
         .visible = false},
        {.kind = Button, .name = "ButtonRef", .bounds = {255, 235, 31, 25}, .caption = "参照",
         .tabOrder = 59, .visible = false},
    };
}

std::vector<ComponentDesign> Timers() {
    return {
        {.kind = Timer, .name = "TimerNoteOff", .interval = 0},
        {.kind = Timer, .name = "TimerRenzoku", .interval = 0},
        {.kind = Timer, .name = "TimerRepeat", .interval = 0},
    };
}

std::vector<ComponentDesign> Menus() {
    return {
        {.kind = MainMenu, .name = "MainMenu1"},
        {.kind = MenuItem, .name = "MenuFile", .parent = "MainMenu1", .caption = "ファイル(&F)"},
        {.kind = MenuItem, .name = "MenuFileExit", .parent = "MenuFile", .caption = "終了(&X)"},
        {.kind = MenuItem, .name = "MenuSetting", .parent = "MainMenu1", .caption = "設定(&S)"},
        {.kind = MenuItem, .name = "MenuSettingMidi", .parent = "MenuSetting",
         .caption = "Midi設定(&M)"},
        {.kind = MenuItem, .name = "MenuSettingQuestion", .parent = "MenuSetting",
         .caption = "出題設定(&Q)"},
        {.kind = MenuItem, .name = "MenuHelp", .parent = "MainMenu1", .caption = "ヘルプ(&H)"},
        {.kind = MenuItem, .name = "MenuHelpHelp", .parent = "MenuHelp", .caption = "ヘルプ(&H)"},
        {.kind = MenuItem, .name = "MenuHelpAbout", .parent = "MenuHelp",
         .caption = "Velunkaについて(&A)"},
    };
}

// clang-format on

}  // namespace

FormDesign MainWindowDesign() {
    FormDesign design{
        .name = "FormMain",
        .caption = kProgramCaption,
        .bounds = {189, 105, 780, 550},
        .clientWidth = 772,
        .clientHeight = 504,
        .color = clNavy,
        .font = Gothic(12),
        .menu = "MainMenu1",
    };
    for (const auto& part :
         {KeyPanels(), OctaveLabels(), QuestionArea(), Buttons(), Options(), NotedAndNoteMemos(),
          ScoreTable(), StatusPanel(), AnswerMemoAndReferenceButton(), Timers(), Menus()}) {
        design.components.insert(design.components.end(), part.begin(), part.end());
    }
    return design;
}

}  // namespace velunka
