// velunka-screenshot OUTDIR: renders the main window, the About box, the two settings dialogs
// and the help window to OUTDIR/main.png, about.png, midi-setting.png, question-setting.png and
// help.png, offscreen, with MIDI going to a log only.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "app/VelunkaMain.h"
#include "vcl/Backend.h"
#include "vcl/qt/QtBackend.h"

namespace {

// The Qt backend, except that message boxes are printed and modal forms are photographed and
// closed, so that nothing waits for a user.
class ScreenshotBackend : public vcl::Backend {
  public:
    ScreenshotBackend(std::unique_ptr<vcl::Backend> qt, std::filesystem::path outDir)
        : qt_(std::move(qt)), outDir_(std::move(outDir)) {}

    std::unique_ptr<vcl::ControlPeer> CreatePeer(vcl::TControl& control) override {
        return qt_->CreatePeer(control);
    }
    std::unique_ptr<vcl::TimerPeer> CreateTimer(vcl::TTimer& timer) override {
        return qt_->CreateTimer(timer);
    }
    void RunLoop() override {}
    void Quit() override {}
    void RunModal(vcl::TForm& form) override {
        static const std::map<std::string, std::string> files = {
            {"AboutBox", "about.png"},
            {"FormMidiSetting", "midi-setting.png"},
            {"FormSettingQuestion", "question-setting.png"},
        };
        const auto file = files.find(form.Name);
        modalSaved_ &= Save(form, file != files.end() ? file->second : form.Name + ".png");
        form.ModalResult = vcl::mrCancel;
    }
    void MessageBox(const std::string& title, const std::string& text, vcl::TMessageKind) override {
        std::cout << "message [" << title << "]: " << text << "\n";
    }
    void Sleep(unsigned milliseconds) override { qt_->Sleep(milliseconds); }
    void Post(std::function<void()> call) override { qt_->Post(std::move(call)); }
    void ShowHelp(const vcl::HelpDocument& document, int command, int data) override {
        qt_->ShowHelp(document, command, data);
    }
    vcl::TRect DrawText(vcl::Image& image, int x, int y, const std::string& text,
                        const vcl::TFont& font, const vcl::TBrush& brush) override {
        return qt_->DrawText(image, x, y, text, font, brush);
    }

    bool Save(vcl::TForm& form, const std::string& name) {
        const std::string path = (outDir_ / name).string();
        const bool saved = vcl::qt::SaveScreenshot(form, path);
        std::cout << (saved ? "wrote " : "could not write ") << path << "\n";
        return saved;
    }

    bool ModalSaved() const { return modalSaved_; }

  private:
    std::unique_ptr<vcl::Backend> qt_;
    std::filesystem::path outDir_;
    bool modalSaved_ = true;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: velunka-screenshot OUTDIR\n";
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    std::filesystem::create_directories(outDir);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VELUNKA_MIDI_OUT", "record:/dev/null", 1);

    std::string error;
    std::unique_ptr<vcl::Backend> qt = vcl::qt::CreateBackend(argc, argv, error);
    if (!qt) {
        std::cerr << "velunka-screenshot: " << error << "\n";
        return 1;
    }
    auto backend = std::make_unique<ScreenshotBackend>(std::move(qt), outDir);
    ScreenshotBackend& screenshots = *backend;
    vcl::TApplication application(std::move(backend));
    application.Title = "Velunka V0.8";
    application.HelpFile = VELUNKA_HELP_SOURCE;
    application.CreateForm(FormMain);
    FormMain->Show();

    bool ok = screenshots.Save(*FormMain, "main.png");
    FormMain->MenuHelpAbout->Click();
    FormMain->MenuSettingMidi->Click();
    FormMain->MenuSettingQuestion->Click();
    FormMain->MenuHelpHelp->Click();
    const std::string helpPath = (outDir / "help.png").string();
    const bool helpSaved = vcl::qt::SaveHelpWindowScreenshot(helpPath);
    std::cout << (helpSaved ? "wrote " : "could not write ") << helpPath << "\n";
    return ok && screenshots.ModalSaved() && helpSaved ? 0 : 1;
}
