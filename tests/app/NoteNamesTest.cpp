#include "ProgramFixture.h"

namespace {

class NoteNamesTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
    }
    std::string NameOf(int keyIndex) const { return FormMain->NoteMemo->Lines->Strings[keyIndex]; }
    int KeyIndexOf(const std::string& name) const {
        return FormMain->NoteMemo->Lines->IndexOf(name);
    }
};

TEST_F(NoteNamesTest, NamesByKeyIndex) {
    struct Case {
        int keyIndex;
        const char* name;
    };
    for (Case c :
         {Case{0, "c0"}, Case{1, "c+0"}, Case{11, "b0"}, Case{30, "f+2"}, Case{48, "c4"},
          Case{70, "a+5"}, Case{71, "b5"}, Case{115, "g9"}, Case{116, ""}, Case{500, ""}}) {
        EXPECT_EQ(NameOf(c.keyIndex), c.name) << "key index " << c.keyIndex;
    }
    EXPECT_EQ(FormMain->NoteMemo->Lines->Count(), 116);
}

TEST_F(NoteNamesTest, EveryNameLeadsBackToItsKeyIndex) {
    for (int i = 0; i < 116; ++i) EXPECT_EQ(KeyIndexOf(NameOf(i)), i) << NameOf(i);
}

TEST_F(NoteNamesTest, LookupIgnoresCaseButNothingElse) {
    struct Case {
        const char* name;
        int keyIndex;
    };
    for (Case c : {Case{"c4", 48}, Case{"C4", 48}, Case{"F+2", 30}, Case{"G9", 115}, Case{"", -1},
                   Case{"c#4", -1}, Case{"db4", -1}, Case{" c4", -1}, Case{"c4 ", -1},
                   Case{"h3", -1}, Case{"a9", -1}, Case{"c10", -1}}) {
        EXPECT_EQ(KeyIndexOf(c.name), c.keyIndex) << '"' << c.name << '"';
    }
}

}  // namespace
