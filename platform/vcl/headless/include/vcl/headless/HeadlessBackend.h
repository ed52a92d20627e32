// A backend with no display and no real time, for deterministic tests: a virtual clock that
// tests advance, message boxes recorded and answered, modal forms driven by a script.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "vcl/Backend.h"

namespace vcl::headless {

struct MessageRecord {
    std::string Title;
    std::string Text;
    TMessageKind Kind;
    std::int64_t AtMs;
};

struct HelpRecord {
    std::string File;
    int Command;
    int Data;
    bool Shown;         // the file could be read
    std::string Error;  // why not, as the help window reports it
};

struct TextRecord {
    int X, Y;
    std::string Text;
};

class HeadlessBackend : public Backend {
  public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // Virtual milliseconds since the backend was made.
    std::int64_t Now() const { return now_; }
    // Runs the calls posted so far, then moves the clock on by ms, firing every timer tick that
    // falls due, in time order, each at its own due time. Ticks that fell due while the clock
    // was blocked fire once.
    void Advance(std::int64_t ms);
    // Runs the calls posted so far (also those they post), in order, at the current time.
    void RunPosted();
    std::size_t PostedCount() const;

    // Called while a message box is open (it may advance the clock); by default the box is
    // answered at once.
    std::function<void(const MessageRecord&)> OnMessageBox;
    // Called while a modal form runs; it acts on the form and ends with its ModalResult set
    // (or CloseRequested). With no script, or one that leaves it unset, the form is cancelled.
    std::function<void(TForm&)> OnModal;

    const std::vector<MessageRecord>& Messages() const { return messages_; }
    const std::vector<HelpRecord>& HelpRequests() const { return help_; }
    const std::vector<TextRecord>& TextsDrawn() const { return texts_; }
    bool QuitRequested() const { return quit_; }
    int ArmedTimerCount() const;

    // Backend
    std::unique_ptr<ControlPeer> CreatePeer(TControl& control) override;
    std::unique_ptr<TimerPeer> CreateTimer(TTimer& timer) override;
    void RunLoop() override;
    void Quit() override { quit_ = true; }
    void RunModal(TForm& form) override;
    void MessageBox(const std::string& title, const std::string& text, TMessageKind kind) override;
    void Sleep(unsigned milliseconds) override;
    void ShowHelp(const HelpDocument& document, int command, int data) override;
    TRect DrawText(Image& image, int x, int y, const std::string& text, const TFont& font,
                   const TBrush& brush) override;
    void AfterDispatch() override;
    void Post(std::function<void()> call) override;

    struct Timer;

  private:
    void FireDue();
    // The armed timer due first by `bound` (ties: the one armed first), skipping `fired`.
    Timer* NextDue(std::int64_t bound, const std::vector<Timer*>& fired) const;
    void Fire(Timer& timer);
    bool Alive(const Timer* timer) const;
    std::int64_t now_ = 0;
    bool quit_ = false;
    bool firing_ = false;
    std::uint64_t armings_ = 0;
    std::vector<Timer*> timers_;
    std::vector<MessageRecord> messages_;
    std::vector<HelpRecord> help_;
    std::vector<TextRecord> texts_;
    mutable std::mutex postedMutex_;
    std::deque<std::function<void()>> posted_;
    friend struct Timer;
};

}  // namespace vcl::headless
