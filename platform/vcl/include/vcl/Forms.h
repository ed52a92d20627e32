// Forms, the application object, message boxes and Sleep.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/Controls.h"
#include "vcl/Graphics.h"
#include "vcl/Menus.h"

namespace vcl {

class Backend;

enum class TPosition { poDesigned, poScreenCenter };
using enum TPosition;

class TForm : public TWinControl {
  public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    // Left, Top: the window's place on the screen. Width, Height: its outer size as designed
    // (frame, title and menu bar included); the client area is what the controls stand on.
    void SetClientSize(int width, int height);
    int ClientWidth() const override { return clientWidth_; }
    int ClientHeight() const override { return clientHeight_; }
    Property<TBorderStyle> BorderStyle{bsSizeable, [this] { Changed(Change::Style); }};
    Property<TPosition> Position{poDesigned};
    Property<TModalResult> ModalResult{mrNone};
    void SetMenu(TMainMenu* menu);
    TMainMenu* Menu() const { return menu_; }
    TCanvas* Canvas();

    void Show();
    // Runs a nested loop until ModalResult is set or the form is closed; hides the form again.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    void Close();

    // Input from the backends (and headless tests).
    void PressReturn();     // the Default button, if any takes input
    void PressEscape();     // the Cancel button, if any takes input
    void CloseRequested();  // the close box: mrCancel when modal, else Close
    void UserResized(int clientWidth, int clientHeight);

  private:
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    TMainMenu* menu_ = nullptr;
    std::unique_ptr<TCanvas> canvas_;
    bool modal_ = false;
};

enum class TMessageKind { Information, Error };

class TApplication : public TComponent {
  public:
    explicit TApplication(std::unique_ptr<Backend> backend);
    ~TApplication() override;

    void Initialize() {}
    std::string Title;
    std::string HelpFile;

    template <class T>
    void CreateForm(T*& reference) {
        reference = new T(this);  // owned by the application
        if (mainForm_ == nullptr) mainForm_ = reference;
    }
    TForm* MainForm() const { return mainForm_; }
    // Shows the main form and processes events until Terminate; returns at once when
    // Terminate came before.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ShowException(const Exception& e);
    // With a HelpFile set, opens it in the help window (HELP_CONTENTS: its contents).
    bool HelpCommand(int command, int data);

    // Runs an event handler: an Exception that escapes it is shown, and the program goes on.
    void Dispatch(const std::function<void()>& handler);
    // From any thread: runs the handler on the user-interface thread as Dispatch does, after
    // the handlers posted before it, without waiting for it.
    void Post(std::function<void()> handler);
    // The topmost modal form; while one is open, other forms take no input.
    TForm* ActiveModalForm() const { return modalForms_.empty() ? nullptr : modalForms_.back(); }
    void PushModal(TForm* form) { modalForms_.push_back(form); }
    void RemoveModal(TForm* form) { std::erase(modalForms_, form); }

    Backend& GetBackend() const { return *backend_; }

  private:
    friend class TForm;  // a form destroyed early leaves the main-form slot
    std::unique_ptr<Backend> backend_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int dispatchDepth_ = 0;
    std::vector<TForm*> modalForms_;
};

extern TApplication* Application;

constexpr int HELP_CONTENTS = 3;

// A modal box with one OK button, titled with the application's Title.
void ShowMessage(const std::string& text);
// Blocks the user-interface thread; no event is handled meanwhile.
void Sleep(unsigned milliseconds);

}  // namespace vcl
