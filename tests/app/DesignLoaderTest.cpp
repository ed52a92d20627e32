#include <memory>

#include "ProgramFixture.h"
#include "app/Design.h"

namespace {

using namespace velunka;
using enum ComponentKind;

class DesignLoaderTest : public ProgramTest {
  protected:
    std::unique_ptr<vcl::TForm> form = std::make_unique<vcl::TForm>(application.get());
};

TEST_F(DesignLoaderTest, DialogControlsGetTheirDesignedState) {
    LoadDesign(*form, FormDesign{
                          .name = "FormDialog",
                          .caption = "ダイアログ",
                          .bounds = {10, 20, 200, 150},
                          .clientWidth = 192,
                          .clientHeight = 123,
                          .color = vcl::clGreen,
                          .font = PGothic(12, vcl::clWindowText),
                          .components =
                              {
                                  {.kind = GroupBox, .name = "Box", .bounds = {5, 5, 100, 60}},
                                  {.kind = Edit,
                                   .name = "EditValue",
                                   .parent = "Box",
                                   .bounds = {5, 20, 40, 20},
                                   .caption = "7",
                                   .tabOrder = 2,
                                   .imeMode = vcl::imDisable},
                                  {.kind = UpDown,
                                   .name = "UpDownValue",
                                   .parent = "Box",
                                   .bounds = {45, 20, 15, 20},
                                   .associate = "EditValue",
                                   .min = 0,
                                   .max = 10000,
                                   .increment = 500,
                                   .position = 1000,
                                   .thousands = false},
                                  {.kind = ComboBox,
                                   .name = "Combo",
                                   .bounds = {5, 70, 100, 20},
                                   .items = {"ピアノ", "E. ピアノ"},
                                   .comboStyle = vcl::csDropDownList,
                                   .itemHeight = 12},
                                  {.kind = Button,
                                   .name = "ButtonSet",
                                   .bounds = {5, 95, 75, 25},
                                   .caption = "設定",
                                   .isDefault = true,
                                   .modalResult = vcl::mrOk},
                                  {.kind = Button,
                                   .name = "ButtonCancel",
                                   .bounds = {90, 95, 75, 25},
                                   .caption = "キャンセル",
                                   .isCancel = true,
                                   .modalResult = vcl::mrCancel},
                              },
                      });

    EXPECT_EQ(form->Name, "FormDialog");
    EXPECT_EQ(form->ClientWidth(), 192);
    auto* edit = DesignedComponent<vcl::TEdit>(*form, "EditValue");
    auto* upDown = DesignedComponent<vcl::TUpDown>(*form, "UpDownValue");
    EXPECT_EQ(edit->Parent(), DesignedComponent<vcl::TGroupBox>(*form, "Box"));
    EXPECT_EQ(edit->ImeMode, vcl::imDisable);
    EXPECT_EQ(edit->TabOrder, 2);
    EXPECT_EQ(upDown->Associate(), edit);
    EXPECT_EQ(upDown->Position, 1000);
    EXPECT_EQ(edit->Text(), "1000") << "the up-down writes its position into its edit";
    form->Show();
    upDown->UserStep(vcl::btNext);
    EXPECT_EQ(edit->Text(), "1500");

    auto* combo = DesignedComponent<vcl::TComboBox>(*form, "Combo");
    EXPECT_EQ(combo->Items->Count(), 2);
    EXPECT_EQ(combo->ItemIndex, -1);
    EXPECT_EQ(combo->Style, vcl::csDropDownList);

    auto* set = DesignedComponent<vcl::TButton>(*form, "ButtonSet");
    auto* cancel = DesignedComponent<vcl::TButton>(*form, "ButtonCancel");
    EXPECT_TRUE(set->Default);
    EXPECT_FALSE(set->Cancel);
    EXPECT_TRUE(cancel->Cancel);
    EXPECT_EQ(cancel->ModalResult, vcl::mrCancel);
    EXPECT_EQ(cancel->EffectiveFont().Name(), "ＭＳ Ｐゴシック");
}

TEST_F(DesignLoaderTest, ADesignNamingAMissingComponentIsRefused) {
    for (const ComponentDesign& faulty :
         {ComponentDesign{.kind = Label, .name = "Orphan", .parent = "NoSuchPanel"},
          ComponentDesign{.kind = UpDown, .name = "Lonely", .associate = "NoSuchEdit"},
          ComponentDesign{.kind = MenuItem, .name = "Item", .parent = "NoSuchMenu"}}) {
        auto target = std::make_unique<vcl::TForm>(application.get());
        EXPECT_THROW(LoadDesign(*target, FormDesign{.components = {faulty}}), std::logic_error)
            << faulty.name;
    }
    EXPECT_THROW(DesignedComponent<vcl::TButton>(*form, "Missing"), std::logic_error);
}

}  // namespace
