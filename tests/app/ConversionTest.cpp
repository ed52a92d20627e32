#include <climits>

#include "ProgramFixture.h"

namespace {

class ConversionTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
    }
};

TEST_F(ConversionTest, IntToStringIsPlainDecimal) {
    struct Case {
        std::int32_t value;
        const char* text;
    };
    for (Case c : {Case{0, "0"}, Case{-5, "-5"}, Case{1000, "1000"}, Case{INT32_MAX, "2147483647"},
                   Case{INT32_MIN, "-2147483648"}}) {
        EXPECT_EQ(FormMain->IntToString(c.value), c.text);
    }
}

TEST_F(ConversionTest, StringToIntReadsDecimalText) {
    EXPECT_EQ(FormMain->StringToInt("12"), 12);
    EXPECT_EQ(FormMain->StringToInt("-2147483648"), INT32_MIN);
}

TEST_F(ConversionTest, TextThatIsNoNumberAbandonsTheCallingHandler) {
    size_t messagesBefore = backend->Messages().size();
    bool reachedTheEnd = false;

    application->Dispatch([&] {
        FormMain->NoteLength = FormMain->StringToInt("abc");
        reachedTheEnd = true;
    });

    ASSERT_EQ(backend->Messages().size(), messagesBefore + 1);
    const auto& shown = backend->Messages().back();
    EXPECT_EQ(shown.Text, "'abc' は整数ではありません");
    EXPECT_EQ(shown.Kind, vcl::TMessageKind::Error);
    EXPECT_FALSE(reachedTheEnd);
    EXPECT_EQ(FormMain->NoteLength, 1000);
    EXPECT_FALSE(application->Terminated()) << "the program goes on";
}

}  // namespace
