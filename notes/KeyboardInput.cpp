#include "app/VelunkaMain.h"

// Every key behaves as its own: its handlers know its panel, its colours and its key index.
void TFormMain::BindKeyboardEvents() {
    for (size_t i = 0; i < KeyPanels.size(); ++i) {
        KeyPanels[i]->OnMouseDown = [this, i](vcl::TObject*, vcl::TMouseButton Button,
                                              vcl::TShiftState, int,
                                              int) { KeyPanelMouseDown(i, Button); };
        KeyPanels[i]->OnMouseUp = [this, i](vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int,
                                            int) { KeyPanelMouseUp(i); };
    }
}

// The key shows held before the press is judged, also when the press is ignored.
void TFormMain::KeyPanelMouseDown(size_t key, vcl::TMouseButton Button) {
    if (Button != vcl::mbLeft) return;
    KeyPanels[key]->Color = velunka::KeyboardKeys()[key].heldColor;
    KeyPressed(velunka::KeyboardKeys()[key].keyIndex);
}

void TFormMain::KeyPanelMouseUp(size_t key) {
    KeyPanels[key]->Color = velunka::KeyboardKeys()[key].restColor;
}
