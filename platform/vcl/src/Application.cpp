#include <stdexcept>

#include "Events.h"
#include "vcl/Backend.h"
#include "vcl/Forms.h"

namespace vcl {

TApplication* Application = nullptr;

TApplication::TApplication(std::unique_ptr<Backend> backend)
    : TComponent(nullptr), backend_(std::move(backend)) {
    if (!backend_) throw std::invalid_argument("the application needs a backend");
    Application = this;
}

TApplication::~TApplication() {
    // The forms go while the backend that their peers and timers belong to still exists.
    DestroyComponents();
    if (Application == this) Application = nullptr;
}

void TApplication::Run() {
    if (mainForm_ != nullptr) mainForm_->Show();
    if (!terminated_) backend_->RunLoop();
}

void TApplication::Terminate() {
    terminated_ = true;
    backend_->Quit();
}

void TApplication::ShowException(const Exception& e) {
    backend_->MessageBox(Title, e.Message(), TMessageKind::Error);
}

bool TApplication::HelpCommand(int command, int data) {
    if (HelpFile.empty()) return false;
    const HelpDocument document = ReadHelpFile(HelpFile);
    backend_->ShowHelp(document, command, data);
    return document.Readable();
}

void TApplication::Dispatch(const std::function<void()>& handler) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    };
    {
        Depth depth(dispatchDepth_);
        try {
            handler();
        } catch (const Exception& e) {
            ShowException(e);
        }
    }
    if (dispatchDepth_ == 0) backend_->AfterDispatch();
}

void TApplication::Post(std::function<void()> handler) {
    backend_->Post([handler = std::move(handler)] { DispatchEvent(handler); });
}

void DispatchEvent(const std::function<void()>& handler) {
    if (Application != nullptr) {
        Application->Dispatch(handler);
    } else {
        handler();
    }
}

bool FormTakesInput(const TForm* form) {
    if (Application == nullptr) return true;
    const TForm* modal = Application->ActiveModalForm();
    return modal == nullptr || modal == form;
}

void ShowMessage(const std::string& text) {
    if (Application == nullptr) throw std::logic_error("a message box needs the application");
    Application->GetBackend().MessageBox(Application->Title, text, TMessageKind::Information);
}

void Sleep(unsigned milliseconds) {
    if (Application != nullptr) Application->GetBackend().Sleep(milliseconds);
}

}  // namespace vcl
