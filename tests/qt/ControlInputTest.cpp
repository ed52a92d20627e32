// User input on the standard controls reaches the components, and the widgets then show the
// components' state.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "QtTestSupport.h"

namespace vcl::qt::test {
namespace {

TEST(ControlInput, CheckBoxClickTogglesOnceAndTheBoxFollows) {
    auto form = MakeForm(200, 100);
    auto* box = Place<TCheckBox>(*form, *form, 10, 10, 150, 17);
    box->Caption = "連続出題する";
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    ShowAndWait(*form);

    QTest::mouseClick(&WidgetFor<QCheckBox>(*box), Qt::LeftButton, {}, {5, 8});
    EXPECT_TRUE(box->Checked);
    EXPECT_TRUE(WidgetFor<QCheckBox>(*box).isChecked());
    EXPECT_EQ(clicks, 1);

    box->Enabled = false;
    QTest::mouseClick(&WidgetFor<QCheckBox>(*box), Qt::LeftButton, {}, {5, 8});
    EXPECT_TRUE(box->Checked);
    EXPECT_EQ(clicks, 1);
}

TEST(ControlInput, RadioGroupClickSelectsThatItemOnly) {
    auto form = MakeForm(200, 120);
    auto* group = Place<TRadioGroup>(*form, *form, 10, 10, 97, 86);
    group->Caption = "発音パターン";
    group->Items->Assign({"単音", "連続音", "同時音"});
    group->ItemIndex = 0;
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    ShowAndWait(*form);

    QList<QRadioButton*> buttons = WidgetFor(*group).findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[2]->text().toStdString(), "同時音");
    QTest::mouseClick(buttons[1], Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(group->ItemIndex, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(buttons[0]->isChecked());
    EXPECT_TRUE(buttons[1]->isChecked());

    group->ItemIndex = 2;
    EXPECT_TRUE(buttons[2]->isChecked());
    EXPECT_FALSE(buttons[1]->isChecked());
}

TEST(ControlInput, ComboBoxChoiceByKeyboardRunsOnChange) {
    auto form = MakeForm(200, 60);
    auto* combo = Place<TComboBox>(*form, *form, 10, 10, 145, 20);
    combo->Style = csDropDownList;
    combo->Items->Assign({"ピアノ", "E. ピアノ", "ハープシコード"});
    combo->ItemIndex = 0;
    std::vector<std::string> chosen;
    combo->OnChange = [&](TObject*) { chosen.push_back(combo->Text()); };
    ShowAndWait(*form);

    auto& widget = WidgetFor<QComboBox>(*combo);
    EXPECT_FALSE(widget.isEditable());
    EXPECT_EQ(widget.currentText().toStdString(), "ピアノ");
    QTest::keyClick(&widget, Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex, 1);
    EXPECT_EQ(chosen, std::vector<std::string>{"E. ピアノ"});

    combo->ItemIndex = 2;  // from code: shown, no OnChange
    EXPECT_EQ(widget.currentIndex(), 2);
    EXPECT_EQ(chosen.size(), 1u);
}

TEST(ControlInput, EditTypingAndArrowsStepTheAssociatedUpDown) {
    auto form = MakeForm(200, 60);
    auto* edit = Place<TEdit>(*form, *form, 10, 10, 61, 20);
    auto* upDown = Place<TUpDown>(*form, *form, 71, 10, 15, 20);
    upDown->Min = 0;
    upDown->Max = 127;
    upDown->Thousands = false;
    upDown->SetAssociate(edit);
    upDown->Position = 127;
    std::vector<TUDBtnType> steps;
    upDown->OnClick = [&](TObject*, TUDBtnType button) { steps.push_back(button); };
    ShowAndWait(*form);

    auto& line = WidgetFor<QLineEdit>(*edit);
    EXPECT_EQ(line.text().toStdString(), "127");
    QTest::keyClick(&line, Qt::Key_Down);
    EXPECT_EQ(upDown->Position, 126);
    EXPECT_EQ(line.text().toStdString(), "126");

    QList<QToolButton*> arrows = WidgetFor(*upDown).findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QTest::mouseClick(arrows[0], Qt::LeftButton);  // the upper arrow
    QTest::mouseClick(arrows[0], Qt::LeftButton);  // stops at Max
    EXPECT_EQ(upDown->Position, 127);
    EXPECT_EQ(steps, (std::vector<TUDBtnType>{btPrev, btNext}));

    QTest::keyClicks(&line, "5");
    EXPECT_EQ(edit->Text(), "1275");
}

// Enter presses the default button unless a button has the focus; Escape the cancel button.
TEST(ControlInput, EnterAndEscapePressTheFormsButtons) {
    auto form = MakeForm(260, 80);
    auto* edit = Place<TEdit>(*form, *form, 10, 10, 60, 20);
    auto* set = Place<TButton>(*form, *form, 10, 40, 75, 25);
    set->Caption = "設定";
    set->Default = true;
    auto* cancel = Place<TButton>(*form, *form, 120, 40, 75, 25);
    cancel->Caption = "キャンセル";
    cancel->Cancel = true;
    std::vector<std::string> clicked;
    set->OnClick = [&](TObject*) { clicked.push_back("set"); };
    cancel->OnClick = [&](TObject*) { clicked.push_back("cancel"); };
    ShowAndWait(*form);

    EXPECT_TRUE(WidgetFor<QPushButton>(*set).isDefault());
    WidgetFor(*edit).setFocus();
    QTest::keyClick(&WidgetFor(*edit), Qt::Key_Return);
    QTest::keyClick(&WidgetFor(*edit), Qt::Key_Escape);
    WidgetFor(*cancel).setFocus();
    QTest::keyClick(&WidgetFor(*cancel), Qt::Key_Return);
    EXPECT_EQ(clicked, (std::vector<std::string>{"set", "cancel", "cancel"}));
}

TEST(ControlInput, FocusStartsAtTabOrderZeroAndTabFollowsTabOrder) {
    auto form = MakeForm(260, 80);
    auto* edit = Place<TEdit>(*form, *form, 10, 10, 60, 20);
    edit->TabOrder = 1;
    auto* set = Place<TButton>(*form, *form, 10, 40, 75, 25);
    set->TabOrder = 0;
    auto* skipped = Place<TEdit>(*form, *form, 100, 10, 60, 20);
    skipped->TabOrder = 2;
    skipped->TabStop = false;
    ShowAndWait(*form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&WindowOf(*form)));

    EXPECT_EQ(QApplication::focusWidget(), &WidgetFor(*set));
    QTest::keyClick(&WidgetFor(*set), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &WidgetFor(*edit));
    QTest::keyClick(&WidgetFor(*edit), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &WidgetFor(*set));
}

TEST(ControlInput, MenuItemsRunTheirClickAndMirrorTheirState) {
    auto form = MakeForm(300, 100);
    auto* menu = new TMainMenu(form.get());
    auto* settings = new TMenuItem(form.get());
    settings->Caption = "設定(&S)";
    auto* midi = new TMenuItem(form.get());
    midi->Caption = "Midi設定(&M)";
    settings->Add(midi);
    menu->Items->Add(settings);
    form->SetMenu(menu);
    int clicks = 0;
    midi->OnClick = [&](TObject*) { ++clicks; };
    ShowAndWait(*form);

    QMenuBar* bar = WindowOf(*form).findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    QAction* top = bar->actions()[0];
    EXPECT_EQ(top->text().toStdString(), "設定(&S)");
    QAction* item = top->menu()->actions().value(0);
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_EQ(clicks, 1);

    settings->Enabled = false;
    EXPECT_FALSE(top->isEnabled());
    midi->Caption = "MIDI(&M)";
    EXPECT_EQ(item->text().toStdString(), "MIDI(&M)");
    EXPECT_EQ(ClientOf(*form).y(), bar->height());
    EXPECT_EQ(ClientOf(*form).size(), QSize(300, 100));
}

}  // namespace
}  // namespace vcl::qt::test
