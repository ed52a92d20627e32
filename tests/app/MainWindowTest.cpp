#include <functional>
#include <map>
#include <optional>

#include "ProgramFixture.h"

namespace {

using namespace vcl;

class MainWindowTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
    }
    void ForEachControl(const TWinControl& parent,
                        const std::function<void(const TControl&)>& visit) const {
        for (const TControl* control : parent.Controls()) {
            visit(*control);
            if (auto* windowed = dynamic_cast<const TWinControl*>(control)) {
                ForEachControl(*windowed, visit);
            }
        }
    }
    std::map<std::string, TRect> Geometry() const {
        std::map<std::string, TRect> geometry;
        ForEachControl(*FormMain, [&](const TControl& c) {
            geometry[c.Name] = TRect{c.Left, c.Top, c.Left + c.Width, c.Top + c.Height};
        });
        return geometry;
    }
};

TEST_F(MainWindowTest, StartsInReferenceModeWithTheDefaultSettings) {
    EXPECT_EQ(FormMain->Instrument, 0);
    EXPECT_EQ(FormMain->Volume, 127);
    EXPECT_EQ(FormMain->NoteLength, 1000);
    EXPECT_EQ(FormMain->NoteLow, 48);
    EXPECT_EQ(FormMain->NoteHigh, 72);
    EXPECT_EQ(FormMain->NoteCount, 1);
    EXPECT_EQ(FormMain->KeyType, 1);
    EXPECT_EQ(FormMain->NotePos, 0);
    EXPECT_EQ(FormMain->RefNote, 0);
    for (int counter : {FormMain->SingleOk, FormMain->SingleNg, FormMain->SeqOk, FormMain->SeqNg,
                        FormMain->SameOk, FormMain->SameNg}) {
        EXPECT_EQ(counter, 0);
    }
    EXPECT_EQ(FormMain->Notes, (std::array<std::uint8_t, 12>{}));
    EXPECT_EQ(FormMain->Mode, "");
    EXPECT_EQ(FormMain->Phase, "");
    for (const TTimer* timer :
         {FormMain->TimerNoteOff, FormMain->TimerRenzoku, FormMain->TimerRepeat}) {
        EXPECT_EQ(timer->Interval, 0) << timer->Name;
        EXPECT_FALSE(timer->Armed()) << timer->Name;
    }
    EXPECT_FALSE(device->open) << "the output is closed after the start-up check";
    EXPECT_FALSE(application->Terminated());
}

TEST_F(MainWindowTest, FirstViewShowsTheDesign) {
    struct Seen {
        const char* name;
        const char* caption;
        bool showing;
        bool enabled;
        std::optional<TColor> color;
        int fontHeight;
        TColor fontColor;
    };
    constexpr TColor kPercentGreen = 5338923;
    const Seen rows[] = {
        {"LabelMode", "参照モード", true, true, clLime, 19, clBlack},
        {"LabelQuestion", "？？？", false, true, clFuchsia, 19, clBlack},
        {"LabelAnswer", "答えてね", false, true, clYellow, 19, clBlack},
        {"LabelOk", "OK", false, true, clAqua, 27, clBlack},
        {"LabelNg", "NG", false, true, clRed, 27, clBlack},
        {"Label6", "鳴った音", true, true, clNavy, 12, clWhite},
        {"Label1", "C2", true, true, clPurple, 15, clAqua},
        {"Label2", "C3", true, true, clPurple, 15, clAqua},
        {"Label3", "C4", true, true, clPurple, 15, clAqua},
        {"Label4", "C5", true, true, clPurple, 15, clAqua},
        {"ButtonStart", "開始", true, true, std::nullopt, 12, clBlack},
        {"ButtonRepeat", "くりかえし", true, false, std::nullopt, 12, clBlack},
        {"ButtonStop", "停止", true, false, std::nullopt, 12, clBlack},
        {"ButtonRef", "参照", false, true, std::nullopt, 12, clBlack},
        {"GroupBox2", "設定", true, true, clNavy, 12, clWhite},
        {"CheckBoxNoAnswer", "鳴った音を表示しない", true, true, clNavy, 12, clWhite},
        {"CheckBoxSeq", "連続出題する", true, true, clNavy, 12, clWhite},
        {"RadioGroupPattern", "発音パターン", true, true, clNavy, 12, clWhite},
        {"MemoNoted", "", true, false, TColor{13238013}, 15, clBlack},
        {"Label18", "正解率", true, true, clMaroon, 12, clYellow},
        {"Label19", "出題数", true, true, clMaroon, 12, clYellow},
        {"LabelSinglePar", "0", true, true, clGreen, 12, clYellow},
        {"LabelSingle", "0", true, true, clGray, 12, clYellow},
        {"LabelSeqPar", "0", true, true, clGreen, 12, clYellow},
        {"LabelSeq", "0", true, true, clGray, 12, clYellow},
        {"LabelSamePar", "0", true, true, clGreen, 12, clYellow},
        {"LabelSame", "0", true, true, clGray, 12, clYellow},
        {"LabelTotalPar", "0", true, true, clGreen, 12, clYellow},
        {"LabelTotal", "0", true, true, clGray, 12, clYellow},
        {"Label5", "%", true, true, kPercentGreen, 12, clYellow},
        {"Label15", "%", true, true, kPercentGreen, 12, clYellow},
        {"Label22", "単音", true, true, clNavy, 12, clWhite},
        {"Label25", "平均", true, true, clNavy, 12, clWhite},
        {"Panel2", "成績", true, true, clAqua, 15, clMaroon},
        {"Label14", "楽器", true, true, clPurple, 15, clAqua},
        {"LabelInst", "ピアノ", true, true, clYellow, 15, clBlack},
        {"Label7", "音数", true, true, clPurple, 15, clAqua},
        {"LabelrepeatNote", "1", true, true, clLime, 15, clBlack},
        {"Label9", "音量", true, true, clPurple, 15, clAqua},
        {"LabelVolume", "127", true, true, clLime, 15, clBlack},
        {"Label10", "音の長さ", true, true, clPurple, 15, clAqua},
        {"LabelNoteLength", "1000", true, true, clLime, 15, clBlack},
        {"Label17", "ミリ秒", true, true, clPurple, 12, clYellow},
        {"Label11", "出題音域", true, true, clPurple, 15, clAqua},
        {"LabelLowNote", "c3", true, true, clYellow, 15, clBlack},
        {"LabelKara", "～", true, true, clPurple, 12, clYellow},
        {"LabelHighNote", "c5", true, true, clYellow, 15, clBlack},
        {"Label12", "使用鍵盤", true, true, clPurple, 15, clAqua},
        {"LabelKeyType", "白鍵のみ", true, true, clYellow, 15, clBlack},
    };
    for (const Seen& row : rows) {
        SCOPED_TRACE(row.name);
        auto* control = FormMain->Find<TControl>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Caption(), row.caption);
        EXPECT_EQ(control->IsShowing(), row.showing);
        EXPECT_EQ(control->IsInputEnabled(), row.enabled);
        if (row.color) {
            EXPECT_EQ(control->EffectiveColor(), *row.color);
        }
        EXPECT_EQ(control->EffectiveFont().Height, row.fontHeight);
        EXPECT_EQ(control->EffectiveFont().Color, row.fontColor);
    }
    EXPECT_TRUE(FormMain->LabelOk->EffectiveFont().Bold());
    EXPECT_TRUE(FormMain->Panel2->EffectiveFont().Underline());
    EXPECT_FALSE(FormMain->LabelMode->EffectiveFont().Bold());

    EXPECT_FALSE(FormMain->CheckBoxNoAnswer->Checked);
    EXPECT_FALSE(FormMain->CheckBoxSeq->Checked);
    EXPECT_EQ(FormMain->RadioGroupPattern->Items->Lines(),
              (std::vector<std::string>{"単音", "連続音", "同時音"}));
    EXPECT_EQ(FormMain->RadioGroupPattern->ItemIndex, 0);
    EXPECT_EQ(FormMain->MemoNoted->Lines->Count(), 0);
    EXPECT_FALSE(FormMain->NoteMemo->IsShowing());
    EXPECT_FALSE(FormMain->AnswerMemo->IsShowing());
    EXPECT_EQ(FormMain->AnswerMemo->Lines->Count(), 0);

    ForEachControl(*FormMain, [](const TControl& c) {
        EXPECT_EQ(c.EffectiveFont().Name(), "ＭＳ ゴシック") << c.Name;
    });
}

TEST_F(MainWindowTest, WindowAndMenus) {
    EXPECT_EQ(FormMain->Caption(), "Velunka　V0.8");
    EXPECT_EQ(FormMain->Color, clNavy);
    EXPECT_EQ(FormMain->Left, 189);
    EXPECT_EQ(FormMain->Top, 105);
    EXPECT_EQ(FormMain->Width, 780);
    EXPECT_EQ(FormMain->Height, 550);
    EXPECT_EQ(FormMain->ClientWidth(), 772);
    EXPECT_EQ(FormMain->ClientHeight(), 504);
    EXPECT_EQ(FormMain->Panel1->Top, 468);

    ASSERT_EQ(FormMain->Menu(), FormMain->MainMenu1);
    std::vector<std::vector<std::string>> menus;
    const TMenuItem* root = FormMain->MainMenu1->Items;
    for (int i = 0; i < root->Count(); ++i) {
        std::vector<std::string> captions{root->Items(i)->Caption()};
        for (int j = 0; j < root->Items(i)->Count(); ++j) {
            const TMenuItem* item = root->Items(i)->Items(j);
            captions.push_back(item->Caption());
            EXPECT_TRUE(item->IsInputEnabled()) << item->Caption();
        }
        menus.push_back(captions);
    }
    EXPECT_EQ(menus, (std::vector<std::vector<std::string>>{
                         {"ファイル(&F)", "終了(&X)"},
                         {"設定(&S)", "Midi設定(&M)", "出題設定(&Q)"},
                         {"ヘルプ(&H)", "ヘルプ(&H)", "Velunkaについて(&A)"}}));
    EXPECT_EQ(root->Items(0)->Items(0), FormMain->MenuFileExit);
    EXPECT_EQ(root->Items(1)->Items(1), FormMain->MenuSettingQuestion);
    EXPECT_EQ(root->Items(2)->Items(1), FormMain->MenuHelpAbout);
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheStatusPanel) {
    std::map<std::string, TRect> before = Geometry();
    for (auto [width, height] : {std::pair{900, 600}, std::pair{600, 400}}) {
        FormMain->UserResized(width, height);

        std::map<std::string, TRect> after = Geometry();
        TRect panel = after.at("Panel1");
        EXPECT_EQ(panel.Left, 0);
        EXPECT_EQ(panel.Top, height - 36);
        EXPECT_EQ(panel.Right, width);
        EXPECT_EQ(panel.Bottom, height);
        after.erase("Panel1");
        for (const auto& [name, rect] : after) {
            const TRect& was = before.at(name);
            EXPECT_TRUE(rect.Left == was.Left && rect.Top == was.Top && rect.Right == was.Right &&
                        rect.Bottom == was.Bottom)
                << name << " moved";
        }
    }
}

}  // namespace
