#include <algorithm>
#include <set>

#include "ProgramFixture.h"

namespace {

class KeyboardTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
    }
    // Position in the window's stacking order: a later control lies in front.
    int StackingPosition(const vcl::TControl* control) const {
        const auto& controls = FormMain->Controls();
        return static_cast<int>(std::find(controls.begin(), controls.end(), control) -
                                controls.begin());
    }
    // The key panel a click at (x, y) of the client area lands on.
    const vcl::TPanel* KeyAt(int x, int y) const {
        const auto& controls = FormMain->Controls();
        for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
            auto* panel = dynamic_cast<const vcl::TPanel*>(*it);
            if (panel == nullptr ||
                std::find(FormMain->KeyPanels.begin(), FormMain->KeyPanels.end(), panel) ==
                    FormMain->KeyPanels.end()) {
                continue;
            }
            if (x >= panel->Left && x < panel->Left + panel->Width && y >= panel->Top &&
                y < panel->Top + panel->Height) {
                return panel;
            }
        }
        return nullptr;
    }
};

TEST_F(KeyboardTest, KeysByNameIndexAndPlace) {
    struct Case {
        const char* name;
        int keyIndex;
        int left;
        bool black;
    };
    for (Case c : {Case{"PanelC2", 24, 105, false}, Case{"PanelC2s", 25, 115, true},
                   Case{"PanelE2", 28, 145, false}, Case{"PanelF2", 29, 165, false},
                   Case{"PanelF2s", 30, 175, true}, Case{"PanelB2", 35, 225, false},
                   Case{"PanelC3", 36, 245, false}, Case{"PanelC4", 48, 385, false},
                   Case{"PanelD4s", 51, 415, true}, Case{"PanelA5s", 70, 635, true},
                   Case{"PanelB5", 71, 645, false}}) {
        SCOPED_TRACE(c.name);
        auto* panel = FormMain->Find<vcl::TPanel>(c.name);
        ASSERT_NE(panel, nullptr);
        const auto& keys = velunka::KeyboardKeys();
        auto key = std::find_if(keys.begin(), keys.end(),
                                [&](const auto& k) { return k.panelName == c.name; });
        ASSERT_NE(key, keys.end());
        EXPECT_EQ(FormMain->KeyPanels[static_cast<size_t>(key - keys.begin())], panel);
        EXPECT_EQ(key->keyIndex, c.keyIndex);
        EXPECT_EQ(key->black, c.black);
        EXPECT_EQ(panel->Parent(), FormMain);
        EXPECT_EQ(panel->Left, c.left);
        EXPECT_EQ(panel->Top, 65);
        EXPECT_EQ(panel->Width, 21);
        EXPECT_EQ(panel->Height, c.black ? 51 : 91);
        EXPECT_EQ(panel->Color, c.black ? vcl::clBlack : vcl::clWhite);
        EXPECT_EQ(key->heldColor, c.black ? vcl::clWhite : vcl::clBlack);
    }
}

TEST_F(KeyboardTest, FortyEightKeysFromC2ToB5AllAlike) {
    std::set<int> keyIndexes;
    for (size_t i = 0; i < FormMain->KeyPanels.size(); ++i) {
        const velunka::KeyboardKey& key = velunka::KeyboardKeys()[i];
        const vcl::TPanel* panel = FormMain->KeyPanels[i];
        SCOPED_TRACE(key.panelName);
        keyIndexes.insert(key.keyIndex);
        EXPECT_EQ(panel->Name, key.panelName);
        EXPECT_EQ(panel->TabOrder, static_cast<int>(i));
        EXPECT_EQ(panel->Caption(), "");
        EXPECT_EQ(panel->Cursor, vcl::crUpArrow);
        EXPECT_EQ(panel->BevelInner, vcl::bvRaised);
        EXPECT_EQ(panel->BevelOuter, vcl::bvNone);
        EXPECT_EQ(panel->BorderStyle, vcl::bsSingle);
        EXPECT_EQ(panel->Color, key.restColor);
    }
    EXPECT_EQ(keyIndexes.size(), 48u);
    EXPECT_EQ(*keyIndexes.begin(), 24);
    EXPECT_EQ(*keyIndexes.rbegin(), 71);
}

TEST_F(KeyboardTest, EveryBlackKeyLiesInFrontOfTheWhiteKeysItOverlaps) {
    for (const vcl::TPanel* black : FormMain->KeyPanels) {
        if (black->Height != 51) continue;
        for (const vcl::TPanel* white : FormMain->KeyPanels) {
            bool overlaps = white->Height == 91 && white->Left < black->Left + black->Width &&
                            black->Left < white->Left + white->Width;
            if (overlaps) {
                EXPECT_GT(StackingPosition(black), StackingPosition(white))
                    << black->Name << " over " << white->Name;
            }
        }
    }
    EXPECT_EQ(KeyAt(400, 70)->Name, "PanelC4s");
    EXPECT_EQ(KeyAt(400, 130)->Name, "PanelC4");
    EXPECT_EQ(KeyAt(394, 70)->Name, "PanelC4");
    EXPECT_EQ(KeyAt(645, 130)->Name, "PanelB5");
    EXPECT_EQ(KeyAt(104, 100), nullptr);
}

}  // namespace
