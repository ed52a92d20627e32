#include <string>

#include "HeadlessFixture.h"

namespace {

using vcl::TStrings;

TEST(Strings, ReadingOutsideTheListGivesEmptyText) {
    TStrings list;
    list.Add("c0");
    EXPECT_EQ(list.Strings[0], "c0");
    EXPECT_EQ(list.Strings[1], "");
    EXPECT_EQ(list.Strings[116], "");
    EXPECT_EQ(list.Strings[-1], "");
}

TEST(Strings, IndexOfIgnoresAsciiLetterCaseOnly) {
    TStrings list;
    for (const char* name : {"c4", "c+4", "none", "ｃ4"}) list.Insert(list.Count(), name);
    EXPECT_EQ(list.IndexOf("C4"), 0);
    EXPECT_EQ(list.IndexOf("c+4"), 1);
    EXPECT_EQ(list.IndexOf("NONE"), 2);
    EXPECT_EQ(list.IndexOf("Ｃ4"), -1);
    EXPECT_EQ(list.IndexOf("c4 "), -1);
    EXPECT_EQ(list.IndexOf(""), -1);
}

TEST(Strings, ReplacingALineKeepsThePositionsOfTheOthers) {
    TStrings list;
    list.Assign({"e4", "g4", "c4"});
    list.Delete(1);
    list.Insert(1, "none");
    EXPECT_EQ(list.Text(), "e4\nnone\nc4\n");
}

TEST(Strings, InsertOrDeleteOutsideTheListRaises) {
    TStrings list;
    list.Assign({"a", "b"});
    const auto expectRangeError = [](auto&& action, const std::string& message) {
        try {
            action();
            ADD_FAILURE() << "no error for " << message;
        } catch (const vcl::EStringListError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    };
    expectRangeError([&] { list.Insert(3, "x"); }, "リストのインデックスが範囲を超えています (3)");
    expectRangeError([&] { list.Insert(-1, "x"); },
                     "リストのインデックスが範囲を超えています (-1)");
    expectRangeError([&] { list.Delete(2); }, "リストのインデックスが範囲を超えています (2)");
    EXPECT_EQ(list.Text(), "a\nb\n");
}

TEST(Strings, SetTextSplitsLines) {
    TStrings list;
    list.SetText("one\r\ntwo\nthree");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"one", "two", "three"}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
}

using StringsInHandlers = HeadlessFixture;

TEST_F(StringsInHandlers, ARangeErrorInAHandlerIsShownAndTheProgramGoesOn) {
    vcl::TForm* form = NewForm();
    auto* memo = Put<vcl::TMemo>(form);
    auto* button = Put<vcl::TButton>(form);
    int clicks = 0;
    button->OnClick = [&](vcl::TObject*) {
        ++clicks;
        memo->Lines->Insert(5, "late");
        memo->Lines->Add("never");
    };
    button->Click();
    button->Click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(memo->Lines->Count(), 0);
    ASSERT_EQ(backend_.Messages().size(), 2u);
    EXPECT_EQ(backend_.Messages()[0].Text, "リストのインデックスが範囲を超えています (5)");
    EXPECT_EQ(backend_.Messages()[0].Kind, vcl::TMessageKind::Error);
}

}  // namespace
