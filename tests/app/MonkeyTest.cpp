// The monkey in CI: VELUNKA_MONKEY_EVENTS events (100,000 by default) over ten seeds from
// VELUNKA_MONKEY_SEED; a longer run is the same test with a larger number.
#include <cstdlib>
#include <iostream>

#include "Monkey.h"
#include "ProgramFixture.h"

namespace {

std::int64_t FromEnvironment(const char* name, std::int64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoll(text, nullptr, 10) : fallback;
}

class MonkeyTest : public ProgramTest {};

TEST_F(MonkeyTest, RandomUseOfTheWholeProgramKeepsEveryInvariant) {
    const std::int64_t total = FromEnvironment("VELUNKA_MONKEY_EVENTS", 100000);
    const auto firstSeed = static_cast<std::uint32_t>(FromEnvironment("VELUNKA_MONKEY_SEED", 1));
    constexpr int kSeeds = 10;
    MonkeyReport sum;
    for (std::uint32_t seed = firstSeed; seed < firstSeed + kSeeds; ++seed) {
        TearDown();
        SetUp();
        StartProgram();
        Monkey monkey(seed);
        const std::int64_t events = total / kSeeds;
        while (monkey.Report().events < events && monkey.Report().failure.empty()) {
            monkey.Drive(*backend, *recorder, *device, events - monkey.Report().events);
            if (!monkey.ExitChosen()) continue;
            EndProgram();
            monkey.ProgramEnded(*recorder, *device);
            TearDown();
            SetUp();
            StartProgram();
        }
        const MonkeyReport& report = monkey.Report();
        ASSERT_EQ(report.failure, "");
        sum.events += report.events;
        sum.checks += report.checks;
        sum.dialogsOpened += report.dialogsOpened;
        sum.textsTyped += report.textsTyped;
        sum.messageBoxes += report.messageBoxes;
        sum.exits += report.exits;
        sum.virtualMs += report.virtualMs;
    }
    std::cout << "monkey: " << sum.events << " events, " << sum.checks << " checks held, "
              << sum.dialogsOpened << " dialogs, " << sum.textsTyped << " texts typed, "
              << sum.messageBoxes << " message boxes, " << sum.exits << " exits, "
              << sum.virtualMs / 1000 / 60 << " virtual minutes\n";
}

}  // namespace
