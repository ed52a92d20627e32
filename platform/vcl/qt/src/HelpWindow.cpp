#include "HelpWindow.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

#include "Convert.h"

namespace vcl::qt {

HelpWindow::HelpWindow(const std::string& title) : browser_(new QTextBrowser(this)) {
    setObjectName(kObjectName);
    setWindowTitle(ToQString(title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 480);
}

void HelpWindow::Show(const HelpDocument& document) {
    if (document.Readable()) {
        browser_->setSearchPaths({QFileInfo(ToQString(document.File)).absolutePath()});
        browser_->setHtml(ToQString(document.Content));
    } else {
        browser_->setPlainText(ToQString(document.ErrorText()));
    }
    browser_->moveCursor(QTextCursor::Start);
    browser_->ensureCursorVisible();
    show();
    raise();
    activateWindow();
}

}  // namespace vcl::qt
