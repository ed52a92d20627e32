// The event loop, modal forms, message boxes and timers on Qt's loop.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>
#include <thread>
#include <vector>

#include "QtTestSupport.h"

namespace vcl::qt::test {
namespace {

Backend& TheBackend() {
    return Application->GetBackend();
}

// Ends a loop that should have ended by itself, so that a fault fails instead of hanging.
class HangGuard {
  public:
    HangGuard() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            fired_ = true;
            QCoreApplication::exit(0);
        });
        timer_.start(10000);
    }
    bool Fired() const { return fired_; }

  private:
    QTimer timer_;
    bool fired_ = false;
};

TEST(Loop, TimerTicksThroughTheLoopUntilQuit) {
    HangGuard guard;
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 3) TheBackend().Quit();
    };
    timer.Interval = 10;
    TheBackend().RunLoop();
    EXPECT_FALSE(guard.Fired());
    EXPECT_EQ(ticks, 3);
}

struct ShownBox {
    std::string title;
    std::string text;
};

// Reads and closes the message box that the next call opens.
void CloseNextMessageBox(ShownBox& shown) {
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        shown.title = box->windowTitle().toStdString();
        shown.text = box->text().toStdString();
        box->accept();
    });
}

// A quit outside the loop must not end the nested loops that come later.
TEST(Loop, QuitBeforeTheLoopEndsItAtOnceAndOnlyIt) {
    HangGuard guard;
    TheBackend().Quit();
    TheBackend().RunLoop();
    EXPECT_FALSE(guard.Fired());

    ShownBox shown;
    CloseNextMessageBox(shown);
    TheBackend().MessageBox("Velunka V0.8", "MIDI出力を開けません", TMessageKind::Error);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.text, "MIDI出力を開けません");
}

TEST(Loop, ModalFormRunsUntilItHasAResultWhileOtherTimersFire) {
    HangGuard guard;
    auto dialog = MakeForm(200, 100);
    dialog->Caption = "Midi設定";
    TTimer timer(nullptr);
    int ticks = 0;
    Qt::WindowModality modality = Qt::NonModal;
    timer.OnTimer = [&](TObject*) {
        modality = WindowOf(*dialog).windowModality();
        if (++ticks == 2) dialog->ModalResult = mrOk;
    };
    timer.Interval = 10;
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    timer.Interval = 0;
    EXPECT_FALSE(guard.Fired());
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_FALSE(WindowOf(*dialog).isVisible());
}

TEST(Loop, MessageBoxCarriesTheTitleAndText) {
    HangGuard guard;
    ShownBox shown;
    CloseNextMessageBox(shown);
    ShowMessage("データが正常な範囲を超えています");
    QCoreApplication::processEvents();
    EXPECT_FALSE(guard.Fired());
    EXPECT_EQ(shown.title, "Velunka V0.8");
    EXPECT_EQ(shown.text, "データが正常な範囲を超えています");
}

TEST(Loop, CallsPostedFromOtherThreadsRunOnTheLoopInOrder) {
    HangGuard guard;
    const std::thread::id loopThread = std::this_thread::get_id();
    std::vector<int> ran;
    bool allOnLoopThread = true;
    std::thread poster([&] {
        for (int i = 1; i <= 100; ++i) {
            Application->Post([&, i] {
                allOnLoopThread = allOnLoopThread && std::this_thread::get_id() == loopThread;
                ran.push_back(i);
                if (i == 100) TheBackend().Quit();
            });
        }
    });
    TheBackend().RunLoop();
    poster.join();
    EXPECT_FALSE(guard.Fired());
    EXPECT_TRUE(allOnLoopThread);
    ASSERT_EQ(ran.size(), 100u);
    EXPECT_TRUE(std::ranges::is_sorted(ran));
}

}  // namespace
}  // namespace vcl::qt::test
