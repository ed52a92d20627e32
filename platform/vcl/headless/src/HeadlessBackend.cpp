#include <cstdlib>

#include "HeadlessTimer.h"

namespace vcl::headless {

namespace {

int TextWidth(const std::string& text, int height) {
    int width = 0;
    for (unsigned char c : text) {
        const bool continuation = (c & 0xC0) == 0x80;
        if (!continuation) width += c < 0x80 ? height / 2 : height;
    }
    return width;
}

}  // namespace

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() {
    for (Timer* t : timers_) t->backend = nullptr;
}

std::unique_ptr<ControlPeer> HeadlessBackend::CreatePeer(TControl&) {
    return nullptr;
}

void HeadlessBackend::RunLoop() {}

void HeadlessBackend::RunModal(TForm& form) {
    if (OnModal) OnModal(form);
    if (form.ModalResult == mrNone) form.ModalResult = mrCancel;
}

void HeadlessBackend::MessageBox(const std::string& title, const std::string& text,
                                 TMessageKind kind) {
    messages_.push_back({title, text, kind, now_});
    const MessageRecord shown = messages_.back();
    if (OnMessageBox) OnMessageBox(shown);
}

void HeadlessBackend::ShowHelp(const HelpDocument& document, int command, int data) {
    const bool shown = document.Readable();
    help_.push_back({document.File, command, data, shown, shown ? "" : document.ErrorText()});
}

TRect HeadlessBackend::DrawText(Image& image, int x, int y, const std::string& text,
                                const TFont& font, const TBrush& brush) {
    const int height = std::abs(font.Height());
    const TRect cell{x, y, x + TextWidth(text, height), y + height};
    if (brush.Style != bsClear)
        image.Fill(cell.Left, cell.Top, cell.Right, cell.Bottom, brush.Color);
    texts_.push_back({x, y, text});
    return cell;
}

}  // namespace vcl::headless
