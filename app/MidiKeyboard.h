// A MIDI keyboard plays the on-screen keys: each note reaches the user-interface thread and is
// pressed there as a mouse press on the key is.
#pragma once

#include <memory>

#include "vcl/Vcl.h"
#include "winmm/MidiIn.h"

class MidiKeyboard {
  public:
    // Starts listening to the keyboards that the MIDI layer connects.
    explicit MidiKeyboard(vcl::TApplication& application);
    ~MidiKeyboard();

    // On the user-interface thread: note n goes down or up as key index n - 12. A key on the
    // screen is pressed and released with the left button; any other key is judged at once.
    static void Play(winmm::KeyboardNote note);

  private:
    std::unique_ptr<winmm::KeyboardInput> input_;
};
