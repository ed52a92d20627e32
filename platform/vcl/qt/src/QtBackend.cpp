#include "vcl/qt/QtBackend.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <chrono>
#include <thread>

#include "Convert.h"
#include "DesignStyle.h"
#include "DisplayCheck.h"
#include "FormPeer.h"
#include "HelpWindow.h"
#include "PeerFactory.h"
#include "QtTimer.h"
#include "TextDrawing.h"

namespace vcl::qt {

namespace {

class QtBackend : public Backend {
  public:
    // `application` is null when the process made its QApplication itself.
    explicit QtBackend(std::unique_ptr<QApplication> application)
        : application_(std::move(application)) {}

    std::unique_ptr<ControlPeer> CreatePeer(TControl& control) override {
        return CreatePeerFor(control);
    }

    std::unique_ptr<TimerPeer> CreateTimer(TTimer& timer) override {
        return std::make_unique<QtTimer>(timer);
    }

    void RunLoop() override {
        if (!quitRequested_) {
            loopRunning_ = true;
            QApplication::exec();
            loopRunning_ = false;
        }
        quitRequested_ = false;
    }

    void Quit() override {
        quitRequested_ = true;
        // exit() rather than quit(): it ends the loops at once, without asking the windows.
        // Outside the loop it would leave every later nested loop (a message box's) ending at
        // once, so then the flag alone ends the next RunLoop.
        if (loopRunning_) QCoreApplication::exit(0);
    }

    void RunModal(TForm& form) override {
        while (form.ModalResult == mrNone && !quitRequested_) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    void MessageBox(const std::string& title, const std::string& text, TMessageKind kind) override {
        QMessageBox box(
            kind == TMessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
            ToQString(title), ToQString(text), QMessageBox::Ok, QApplication::activeWindow());
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }

    void Sleep(unsigned milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    void ShowHelp(const HelpDocument& document, int /*command*/, int /*data*/) override {
        // Every command opens the file at its top, which is its contents.
        if (helpWindow_ == nullptr) helpWindow_ = std::make_unique<HelpWindow>(HelpTitle());
        helpWindow_->Show(document);
    }

    TRect DrawText(Image& image, int x, int y, const std::string& text, const TFont& font,
                   const TBrush& brush) override {
        return DrawTextOnImage(image, x, y, text, font, brush);
    }

    void Post(std::function<void()> call) override {
        // A queued call to the application object: posted as an event, so in order, and
        // thread-safe.
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(call),
                                  Qt::QueuedConnection);
    }

  private:
    static std::string HelpTitle() {
        const std::string help = "ヘルプ";
        if (Application == nullptr || Application->Title.empty()) return help;
        return Application->Title + " " + help;
    }

    std::unique_ptr<QApplication> application_;
    std::unique_ptr<HelpWindow> helpWindow_;
    bool quitRequested_ = false;
    bool loopRunning_ = false;
};

// Every size the build rendered and compiled in; the window manager picks the one it shows.
QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator files(":/velunka/icons", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) icon.addFile(files.next());
    return icon;
}

bool SaveWidget(QWidget& widget, const std::string& path) {
    return widget.grab().save(ToQString(path), "PNG");
}

}  // namespace

std::unique_ptr<Backend> CreateBackend(int& argc, char** argv, std::string& error) {
    std::unique_ptr<QApplication> application;
    if (QCoreApplication::instance() == nullptr) {
        const std::string problem = DisplayProblem(DisplaySettingsFromEnvironment(argc, argv));
        if (!problem.empty()) {
            error = problem;
            return nullptr;
        }
        application = std::make_unique<QApplication>(argc, argv);
    }
    InstallFontSubstitutions();
    QApplication::setStyle(MakeDesignStyle());
    QFont systemFont(QString::fromUtf8("ＭＳ Ｐゴシック"));
    systemFont.setPixelSize(12);
    QApplication::setFont(systemFont);
    QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the menu entry (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(VELUNKA_APP_ID));
    return std::make_unique<QtBackend>(std::move(application));
}

bool SaveScreenshot(TForm& form, const std::string& path) {
    FormPeer* peer = FormPeerOf(form);
    if (peer == nullptr || peer->Window() == nullptr) return false;
    return SaveWidget(*peer->Window(), path);
}

bool SaveHelpWindowScreenshot(const std::string& path) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == HelpWindow::kObjectName && window->isVisible()) {
            return SaveWidget(*window, path);
        }
    }
    return false;
}

}  // namespace vcl::qt
