// The help window shows a help file, or says why it cannot.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <fstream>

#include "HelpWindow.h"
#include "vcl/Backend.h"
#include "vcl/Forms.h"

namespace vcl::qt::test {
namespace {

QWidget* HelpWindowOnScreen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == HelpWindow::kObjectName && window->isVisible()) return window;
    }
    return nullptr;
}

std::string ShownText() {
    QWidget* window = HelpWindowOnScreen();
    if (window == nullptr) return {};
    return window->findChild<QTextBrowser*>()->toPlainText().toStdString();
}

TEST(Help, ShowsTheFileAtItsContentsAndSaysWhyAMissingOneIsNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string present = QDir(dir.path()).filePath("VELUNKAHELP.HLP").toStdString();
    std::ofstream(present)
        << "<html><body><h1>目次</h1><p>鍵盤をクリックします。</p></body></html>";
    const std::string missing = QDir(dir.path()).filePath("NOHELP.HLP").toStdString();

    Application->HelpFile = present;
    EXPECT_TRUE(Application->HelpCommand(HELP_CONTENTS, 0));
    ASSERT_NE(HelpWindowOnScreen(), nullptr);
    EXPECT_EQ(HelpWindowOnScreen()->windowTitle().toStdString(), "Velunka V0.8 ヘルプ");
    EXPECT_NE(ShownText().find("鍵盤をクリックします。"), std::string::npos);
    // Following a link to a topic stays in the document.
    HelpWindowOnScreen()->findChild<QTextBrowser*>()->setSource(QUrl("#keys"));
    EXPECT_NE(ShownText().find("鍵盤をクリックします。"), std::string::npos);

    Application->HelpFile = missing;
    EXPECT_FALSE(Application->HelpCommand(HELP_CONTENTS, 0));
    const std::string error = ShownText();
    EXPECT_NE(error.find("ヘルプファイルを開けません"), std::string::npos) << error;
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_NE(error.find("見つかりません"), std::string::npos) << error;

    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        helpWindows += window->objectName() == HelpWindow::kObjectName;
    }
    EXPECT_EQ(helpWindows, 1);
}

}  // namespace
}  // namespace vcl::qt::test
