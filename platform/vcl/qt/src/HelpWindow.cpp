#include "HelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

#include "Convert.h"

namespace vcl::qt {

namespace {

// Empty when the file can be read; else why not, for the user.
QString ReadProblem(const QString& path, QByteArray& content) {
    const QFileInfo info(path);
    if (!info.exists()) return QString::fromUtf8("ファイルが見つかりません");
    if (info.isDir()) return QString::fromUtf8("ファイルではなくフォルダです");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString::fromUtf8("読み込めません (%1)").arg(file.errorString());
    }
    content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return QString::fromUtf8("読み込めません (%1)").arg(file.errorString());
    }
    return {};
}

}  // namespace

HelpWindow::HelpWindow(const std::string& title) : browser_(new QTextBrowser(this)) {
    setObjectName(kObjectName);
    setWindowTitle(ToQString(title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 480);
}

bool HelpWindow::ShowFile(const std::string& path) {
    const QString file = ToQString(path);
    QByteArray content;
    const QString problem = ReadProblem(file, content);
    if (problem.isEmpty()) {
        browser_->setSearchPaths({QFileInfo(file).absolutePath()});
        browser_->setHtml(QString::fromUtf8(content));
    } else {
        browser_->setPlainText(
            QString::fromUtf8("ヘルプファイルを開けません: %1\n%2").arg(file, problem));
    }
    browser_->moveCursor(QTextCursor::Start);
    browser_->ensureCursorVisible();
    show();
    raise();
    activateWindow();
    return problem.isEmpty();
}

}  // namespace vcl::qt
