// What a backend (real windows, or the headless test platform) provides to the component layer.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "vcl/Controls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/Graphics.h"
#include "vcl/Help.h"

namespace vcl {

class Backend {
  public:
    virtual ~Backend() = default;

    // A peer mirrors a control's state; called for a form when it is first shown and for each
    // control on a shown form, parents before children. May return nullptr.
    virtual std::unique_ptr<ControlPeer> CreatePeer(TControl& control) = 0;
    virtual std::unique_ptr<TimerPeer> CreateTimer(TTimer& timer) = 0;

    // Processes events until Quit.
    virtual void RunLoop() = 0;
    virtual void Quit() = 0;
    // A nested loop until form.ModalResult is not mrNone; the other forms take no input and
    // every timer keeps firing.
    virtual void RunModal(TForm& form) = 0;
    // A modal box with one OK button; returns when the user closes it.
    virtual void MessageBox(const std::string& title, const std::string& text,
                            TMessageKind kind) = 0;
    // Blocks the calling thread; no timer fires meanwhile, due ticks come afterwards.
    virtual void Sleep(unsigned milliseconds) = 0;
    // Shows a help document in the program's own help window, or, when it could not be read,
    // says so there.
    virtual void ShowHelp(const HelpDocument& document, int command, int data) = 0;
    // Draws text with a font on an image; fills its cell with the brush unless it is bsClear.
    // Returns the rectangle touched.
    virtual TRect DrawText(Image& image, int x, int y, const std::string& text, const TFont& font,
                           const TBrush& brush) = 0;
    // Queues a call for the user-interface thread, to run after those queued before it. Safe
    // from any thread; never waits for the call.
    virtual void Post(std::function<void()> call) = 0;
    // After the outermost event handler has returned.
    virtual void AfterDispatch() {}
};

}  // namespace vcl
