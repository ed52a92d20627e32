#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "HeadlessFixture.h"

namespace {

using vcl::TButton;
using vcl::TForm;
using vcl::TObject;

class Dispatcher : public HeadlessFixture {
  protected:
    TForm* form = NewForm();
    TButton* button = Put<TButton>(form, "Button");
};

TEST_F(Dispatcher, AnExceptionInAHandlerBecomesOneErrorBoxAndTheProgramGoesOn) {
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        if (clicks == 1) throw vcl::EConvertError("'x' は整数ではありません");
    };
    button->Click();
    button->Click();
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(backend_.Messages().size(), 1u);
    const auto& box = backend_.Messages()[0];
    EXPECT_EQ(box.Title, "Test App");
    EXPECT_EQ(box.Text, "'x' は整数ではありません");
    EXPECT_EQ(box.Kind, vcl::TMessageKind::Error);
}

TEST_F(Dispatcher, OtherExceptionsPropagate) {
    button->OnClick = [](TObject*) { throw std::runtime_error("not ours"); };
    EXPECT_THROW(button->Click(), std::runtime_error);
    EXPECT_TRUE(backend_.Messages().empty());
}

TEST_F(Dispatcher, PostedCallsRunInOrderWhenTheLoopComesToThemAndTheirExceptionsAreShown) {
    std::vector<int> ran;
    std::thread poster([&] {
        for (int i = 1; i <= 3; ++i) {
            app_->Post([&, i] {
                ran.push_back(i);
                if (i == 2) throw vcl::EConvertError("posted");
            });
        }
    });
    poster.join();
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(backend_.PostedCount(), 3u);

    backend_.Advance(0);
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(backend_.Messages().size(), 1u);
    EXPECT_EQ(backend_.Messages()[0].Text, "posted");

    app_->Post([&] { app_->Post([&] { ran.push_back(5); }); });
    backend_.RunPosted();
    EXPECT_EQ(ran.back(), 5);
}

struct Blocker {
    std::string name;
    std::function<void(TForm& form, vcl::TPanel& panel)> apply;
};

class BlockedInput : public Dispatcher, public ::testing::WithParamInterface<Blocker> {};

// Every entry point, each on its own control on a panel of the form.
TEST_P(BlockedInput, NoEntryPointReachesItsHandler) {
    auto* panel = Put<vcl::TPanel>(form, "Panel");
    auto* onPanel = Put<TButton>(panel, "PanelButton");
    onPanel->Default = true;
    auto* edit = Put<vcl::TEdit>(panel);
    auto* upDown = Put<vcl::TUpDown>(panel);
    upDown->SetAssociate(edit);
    auto* combo = Put<vcl::TComboBox>(panel);
    combo->Items->Add("one");
    auto* radio = Put<vcl::TRadioGroup>(panel);
    radio->Items->Add("one");
    auto* check = Put<vcl::TCheckBox>(panel);
    int handled = 0;
    const auto count = [&](TObject*) { ++handled; };
    const auto countMouse = [&](TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
        ++handled;
    };
    onPanel->OnClick = count;
    onPanel->OnMouseDown = countMouse;
    onPanel->OnMouseUp = countMouse;
    edit->Text = "0";
    edit->OnChange = count;
    upDown->OnClick = [&](TObject*, vcl::TUDBtnType) { ++handled; };
    combo->OnChange = count;
    radio->OnClick = count;
    check->OnClick = count;

    GetParam().apply(*form, *panel);
    onPanel->Click();
    onPanel->MouseDown(vcl::mbLeft, {}, 1, 1);
    onPanel->MouseUp(vcl::mbLeft, {}, 1, 1);
    form->PressReturn();
    edit->UserEdited("7");
    edit->UserArrowKey(true);
    upDown->UserStep(vcl::btNext);
    combo->UserSelect(0);
    radio->UserSelect(0);
    check->Click();

    EXPECT_EQ(handled, 0);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(upDown->Position(), 0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(radio->ItemIndex(), -1);
    EXPECT_FALSE(check->Checked());
}

const Blocker blockers[] = {
    {"ParentDisabled", [](TForm&, vcl::TPanel& panel) { panel.Enabled = false; }},
    {"ParentHidden", [](TForm&, vcl::TPanel& panel) { panel.Visible = false; }},
    {"FormHidden", [](TForm& form, vcl::TPanel&) { form.Visible = false; }},
    {"FormDisabled", [](TForm& form, vcl::TPanel&) { form.Enabled = false; }},
    {"BehindAModalForm",
     [](TForm&, vcl::TPanel&) {
         auto* dialog = new TForm(vcl::Application);
         dialog->Show();
         vcl::Application->PushModal(dialog);
     }},
};

INSTANTIATE_TEST_SUITE_P(Headless, BlockedInput, ::testing::ValuesIn(blockers),
                         [](const auto& info) { return info.param.name; });

TEST_F(Dispatcher, ADisabledOrHiddenControlTakesNoClickButItsSiblingsDo) {
    auto* sibling = Put<TButton>(form);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    sibling->OnClick = [&](TObject*) { clicks += 10; };
    button->Enabled = false;
    button->Click();
    sibling->Click();
    button->Enabled = true;
    button->Visible = false;
    button->Click();
    EXPECT_EQ(clicks, 10);
}

TEST_F(Dispatcher, WhileAModalFormIsOpenOnlyItsControlsTakeInput) {
    int mainClicks = 0;
    int dialogClicks = 0;
    button->OnClick = [&](TObject*) { ++mainClicks; };
    auto* dialog = new TForm(app_.get());
    auto* ok = Put<TButton>(dialog);
    ok->ModalResult = vcl::mrOk;
    ok->OnClick = [&](TObject*) { ++dialogClicks; };
    auto* item = new vcl::TMenuItem(form);
    auto* menu = new vcl::TMainMenu(form);
    menu->Items->Add(item);
    form->SetMenu(menu);
    int menuClicks = 0;
    item->OnClick = [&](TObject*) { ++menuClicks; };

    backend_.OnModal = [&](TForm& modal) {
        EXPECT_EQ(app_->ActiveModalForm(), &modal);
        button->Click();
        item->Click();
        form->CloseRequested();
        ok->Click();
    };
    EXPECT_EQ(dialog->ShowModal(), vcl::mrOk);
    EXPECT_EQ(mainClicks, 0);
    EXPECT_EQ(menuClicks, 0);
    EXPECT_EQ(dialogClicks, 1);
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(app_->ActiveModalForm(), nullptr);
    button->Click();
    item->Click();
    EXPECT_EQ(mainClicks, 1);
    EXPECT_EQ(menuClicks, 1);
}

TEST_F(Dispatcher, AMenuItemUnderADisabledMenuTakesNoClick) {
    auto* menu = new vcl::TMainMenu(form);
    auto* settings = new vcl::TMenuItem(form);
    auto* midi = new vcl::TMenuItem(form);
    menu->Items->Add(settings);
    settings->Add(midi);
    int clicks = 0;
    midi->OnClick = [&](TObject*) { ++clicks; };
    settings->Enabled = false;
    midi->Click();
    settings->Enabled = true;
    midi->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(Dispatcher, MenuChangesReachTheFormThatShowsTheMenu) {
    struct CountingPeer : vcl::ControlPeer {
        int& menuChanges;
        explicit CountingPeer(int& n) : menuChanges(n) {}
        void Changed(vcl::Change what) override { menuChanges += what == vcl::Change::Menu; }
    };
    int menuChanges = 0;
    form->SetPeer(std::make_unique<CountingPeer>(menuChanges));
    auto* menu = new vcl::TMainMenu(form);
    auto* file = new vcl::TMenuItem(form);
    form->SetMenu(menu);
    menu->Items->Add(file);
    file->Caption = "ファイル(&F)";
    file->Enabled = false;
    file->Enabled = false;
    EXPECT_EQ(menuChanges, 4);
}

}  // namespace
