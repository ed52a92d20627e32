#include <functional>
#include <string>
#include <vector>

#include "HeadlessFixture.h"

namespace {

using vcl::TTimer;

class TimerTest : public HeadlessFixture {
  public:
    TimerTest() {
        for (TTimer* t : {a, b}) {
            t->Interval = 0;
            t->OnTimer = [this, t](vcl::TObject*) {
                ticks.push_back((t == a ? "A@" : "B@") + std::to_string(backend_.Now()));
                if (t == a && onA) onA(static_cast<int>(ticks.size()));
            };
        }
    }

    void Advance(std::int64_t ms) { backend_.Advance(ms); }
    // Runs in A's handler with the number of ticks so far.
    void SetOnA(std::function<void(int)> f) { onA = std::move(f); }
    vcl::headless::HeadlessBackend& Backend() { return backend_; }
    vcl::TApplication& App() { return *app_; }

  protected:
    TTimer* a = new TTimer(app_.get());
    TTimer* b = new TTimer(app_.get());
    std::function<void(int tickCount)> onA;
    std::vector<std::string> ticks;
};

struct TimerCase {
    std::string name;
    std::function<void(TimerTest&, TTimer& a, TTimer& b)> script;
    std::vector<std::string> expected;
};

// Each step gives A an interval, then advances the clock.
std::function<void(TimerTest&, TTimer&, TTimer&)> SetAThenAdvance(
    std::vector<std::pair<int, int>> steps) {
    return [steps](TimerTest& t, TTimer& a, TTimer&) {
        for (auto [interval, ms] : steps) {
            a.Interval = interval;
            t.Advance(ms);
        }
    };
}

class TimerRules : public TimerTest, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerRules, TicksAtTheExpectedTimes) {
    GetParam().script(*this, *a, *b);
    EXPECT_EQ(ticks, GetParam().expected);
}

const TimerCase timerCases[] = {
    {"FiresEveryInterval", SetAThenAdvance({{100, 350}}), {"A@100", "A@200", "A@300"}},
    {"SameIntervalKeepsTheCountdown", SetAThenAdvance({{100, 50}, {100, 100}}), {"A@100"}},
    {"OtherIntervalStartsAFreshCountdown", SetAThenAdvance({{100, 50}, {200, 350}}), {"A@250"}},
    {"ZeroDisarms", SetAThenAdvance({{100, 150}, {0, 500}}), {"A@100"}},
    {"DisabledDoesNotFireUntilEnabledAgain",
     [](auto& t, auto& a, auto&) {
         a.Enabled = false;
         a.Interval = 100;
         t.Advance(500);
         a.Enabled = true;
         t.Advance(150);
     },
     {"A@600"}},
    {"TiesFireInArmingOrder",
     [](auto& t, auto& a, auto& b) {
         b.Interval = 100;
         a.Interval = 100;
         t.Advance(100);
     },
     {"B@100", "A@100"}},
    {"HandlerRearmsWithAnotherInterval",
     [](auto& t, auto& a, auto&) {
         t.SetOnA([&a](int n) {
             if (n == 1) a.Interval = 300;
         });
         a.Interval = 100;
         t.Advance(800);
     },
     {"A@100", "A@400", "A@700"}},
    {"LateTicksAfterSleepInATickCoalesce",
     [](auto& t, auto& a, auto&) {
         t.SetOnA([](int n) {
             if (n == 1) vcl::Sleep(350);
         });
         a.Interval = 100;
         t.Advance(600);
     },
     {"A@100", "A@450", "A@550"}},
    {"SleepInAClickFiresTheDueTickOnceAfterTheHandler",
     [](auto& t, auto& a, auto& b) {
         a.Interval = 100;
         b.Interval = 150;
         t.App().Dispatch([] { vcl::Sleep(350); });
         t.Advance(100);
     },
     {"A@350", "B@350", "A@450"}},
    {"TimersKeepFiringInsideAMessageBox",
     [](auto& t, auto& a, auto& b) {
         a.Interval = 100;
         b.Interval = 150;
         t.Backend().OnMessageBox = [&t](const auto&) { t.Advance(250); };
         t.App().Dispatch([] { vcl::ShowMessage("open"); });
     },
     {"A@100", "B@150", "A@200"}},
    {"TimersKeepFiringInsideAModalForm",
     [](auto& t, auto& a, auto&) {
         a.Interval = 100;
         t.Backend().OnModal = [&t](vcl::TForm&) { t.Advance(250); };
         auto* dialog = new vcl::TForm(&t.App());
         t.App().Dispatch([dialog] { dialog->ShowModal(); });
     },
     {"A@100", "A@200"}},
    {"ABoxOpenedByATickKeepsThatTimerFiring",
     [](auto& t, auto& a, auto&) {
         t.Backend().OnMessageBox = [&t](const auto&) { t.Advance(250); };
         t.SetOnA([](int n) {
             if (n == 1) vcl::ShowMessage("open");
         });
         a.Interval = 100;
         t.Advance(400);
     },
     {"A@100", "A@200", "A@300", "A@400"}},
};

INSTANTIATE_TEST_SUITE_P(Headless, TimerRules, ::testing::ValuesIn(timerCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(TimerTest, ArmedNeedsAnIntervalEnabledAndAHandler) {
    TTimer* bare = new TTimer(app_.get());
    bare->Interval = 100;
    EXPECT_FALSE(bare->Armed());
    a->Interval = 100;
    EXPECT_TRUE(a->Armed());
    a->Enabled = false;
    EXPECT_FALSE(a->Armed());
    EXPECT_EQ(backend_.ArmedTimerCount(), 0);
}

TEST_F(TimerTest, ATimerDestroyedByAnotherHandlerNeverFires) {
    auto doomed = std::make_unique<TTimer>(app_.get());
    int doomedTicks = 0;
    doomed->OnTimer = [&](vcl::TObject*) { ++doomedTicks; };
    SetOnA([&](int) { doomed.reset(); });
    a->Interval = 100;
    doomed->Interval = 100;
    Advance(500);
    EXPECT_EQ(doomedTicks, 0);
    EXPECT_EQ(ticks.size(), 5u);
    EXPECT_EQ(Backend().ArmedTimerCount(), 1);
}

}  // namespace
