#include <cstdio>
#include <filesystem>
#include <fstream>

#include "HeadlessFixture.h"

namespace {

using vcl::TButton;
using vcl::TForm;

class Forms : public HeadlessFixture {
  protected:
    TForm* main = nullptr;
    Forms() { app_->CreateForm(main); }
};

TEST_F(Forms, RunShowsTheMainFormAndCloseBoxTerminates) {
    EXPECT_FALSE(main->Visible());
    app_->Run();
    EXPECT_TRUE(main->Visible());
    main->CloseRequested();
    EXPECT_TRUE(app_->Terminated());
    EXPECT_TRUE(backend_.QuitRequested());
}

struct ModalCase {
    std::string name;
    std::function<void(TForm& dialog, TButton& set, TButton& cancel)> script;
    vcl::TModalResult expected;
    int setClicks;
};

class ModalForm : public Forms, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(ModalForm, EndsWithTheResultTheUserChose) {
    auto dialog = std::make_unique<TForm>(main);
    auto* set = Put<TButton>(dialog.get());
    set->Default = true;
    set->ModalResult = vcl::mrOk;
    auto* cancel = Put<TButton>(dialog.get());
    cancel->Cancel = true;
    cancel->ModalResult = vcl::mrCancel;
    int setClicks = 0;
    vcl::TModalResult resultSeenBySet = vcl::mrNone;
    set->OnClick = [&](vcl::TObject*) {
        ++setClicks;
        resultSeenBySet = dialog->ModalResult;
    };
    backend_.OnModal = [&](TForm& form) { GetParam().script(form, *set, *cancel); };

    EXPECT_EQ(dialog->ShowModal(), GetParam().expected);
    EXPECT_EQ(setClicks, GetParam().setClicks);
    if (setClicks > 0) {
        EXPECT_EQ(resultSeenBySet, vcl::mrOk);
    }
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(dialog->Modal());
    EXPECT_FALSE(app_->Terminated());
}

const ModalCase modalCases[] = {
    {"SetButton", [](TForm&, TButton& set, TButton&) { set.Click(); }, vcl::mrOk, 1},
    {"Return", [](TForm& d, TButton&, TButton&) { d.PressReturn(); }, vcl::mrOk, 1},
    {"Escape", [](TForm& d, TButton&, TButton&) { d.PressEscape(); }, vcl::mrCancel, 0},
    {"CancelButton", [](TForm&, TButton&, TButton& c) { c.Click(); }, vcl::mrCancel, 0},
    {"CloseBox", [](TForm& d, TButton&, TButton&) { d.CloseRequested(); }, vcl::mrCancel, 0},
    {"NoAnswer", [](TForm&, TButton&, TButton&) {}, vcl::mrCancel, 0},
    {"ReturnWithSetDisabled",
     [](TForm& d, TButton& set, TButton&) {
         set.Enabled = false;
         d.PressReturn();
     },
     vcl::mrCancel, 0},
};

INSTANTIATE_TEST_SUITE_P(Headless, ModalForm, ::testing::ValuesIn(modalCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(Forms, ABitBtnOfKindOkClosesADialogWithOk) {
    auto dialog = std::make_unique<TForm>(main);
    auto* ok = Put<vcl::TBitBtn>(dialog.get());
    ok->SetKind(vcl::bkOK);
    EXPECT_EQ(ok->Caption(), "OK");
    backend_.OnModal = [](TForm& form) { form.PressReturn(); };
    EXPECT_EQ(dialog->ShowModal(), vcl::mrOk);
}

TEST_F(Forms, ACheckBoxClickTogglesItBeforeTheHandler) {
    main->Show();
    auto* check = Put<vcl::TCheckBox>(main);
    bool seen = false;
    check->OnClick = [&](vcl::TObject*) { seen = check->Checked; };
    check->Click();
    EXPECT_TRUE(seen);
    check->Click();
    EXPECT_FALSE(check->Checked());
}

TEST_F(Forms, ListSelectionsByTheUserRunTheirHandlers) {
    main->Show();
    auto* combo = Put<vcl::TComboBox>(main);
    combo->Items->Assign({"ピアノ", "E. ピアノ"});
    std::string chosen;
    combo->OnChange = [&](vcl::TObject*) { chosen = combo->Text(); };
    combo->ItemIndex = 0;
    EXPECT_EQ(chosen, "");
    combo->UserSelect(1);
    EXPECT_EQ(chosen, "E. ピアノ");
    combo->ItemIndex = 5;
    EXPECT_EQ(combo->Text(), "");

    auto* radio = Put<vcl::TRadioGroup>(main);
    radio->Items->Assign({"単音", "連続音", "同時音"});
    int clickedIndex = -1;
    radio->OnClick = [&](vcl::TObject*) { clickedIndex = radio->ItemIndex; };
    radio->UserSelect(2);
    EXPECT_EQ(clickedIndex, 2);
}

TEST_F(Forms, AnEditTakesTheUsersTextAndReportsIt) {
    main->Show();
    auto* edit = Put<vcl::TEdit>(main);
    std::string seen;
    edit->OnChange = [&](vcl::TObject*) { seen = edit->Text; };
    edit->UserEdited("C4");
    EXPECT_EQ(seen, "C4");
}

TEST_F(Forms, MessageBoxesCarryTheApplicationTitle) {
    vcl::ShowMessage("データが正常な範囲を超えています");
    ASSERT_EQ(backend_.Messages().size(), 1u);
    EXPECT_EQ(backend_.Messages()[0].Title, "Test App");
    EXPECT_EQ(backend_.Messages()[0].Kind, vcl::TMessageKind::Information);
}

TEST_F(Forms, HelpOpensTheHelpFileOrSaysWhyNot) {
    EXPECT_FALSE(app_->HelpCommand(vcl::HELP_CONTENTS, 0));
    EXPECT_TRUE(backend_.HelpRequests().empty());

    const auto dir = std::filesystem::path(::testing::TempDir());
    const auto present = dir / "VELUNKAHELP.HLP";
    std::ofstream(present) << "<h1>目次</h1>\n";
    app_->HelpFile = present.string();
    EXPECT_TRUE(app_->HelpCommand(vcl::HELP_CONTENTS, 0));

    app_->HelpFile = (dir / "missing" / "VELUNKAHELP.HLP").string();
    EXPECT_FALSE(app_->HelpCommand(vcl::HELP_CONTENTS, 0));

    ASSERT_EQ(backend_.HelpRequests().size(), 2u);
    const auto& shown = backend_.HelpRequests()[0];
    EXPECT_TRUE(shown.Shown);
    EXPECT_EQ(shown.Command, vcl::HELP_CONTENTS);
    const auto& missing = backend_.HelpRequests()[1];
    EXPECT_FALSE(missing.Shown);
    EXPECT_NE(missing.Error.find(app_->HelpFile), std::string::npos);
    std::filesystem::remove(present);
}

}  // namespace
