// Screenshots of a form's window, its menu bar included, and of the help window.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>

#include "QtTestSupport.h"
#include "vcl/qt/QtBackend.h"

namespace vcl::qt::test {
namespace {

TEST(Screenshot, FormWindowWithItsMenuBarAndTheHelpWindow) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto form = MakeForm(244, 154);
    form->Color = clAqua;
    auto* menu = new TMainMenu(form.get());
    auto* file = new TMenuItem(form.get());
    file->Caption = "ファイル(&F)";
    menu->Items->Add(file);
    form->SetMenu(menu);
    ShowAndWait(*form);

    const QString formShot = QDir(dir.path()).filePath("form.png");
    ASSERT_TRUE(SaveScreenshot(*form, formShot.toStdString()));
    const QImage image(formShot);
    const int menuHeight = WindowOf(*form).findChild<QMenuBar*>()->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(image.size(), QSize(244, 154 + menuHeight));
    EXPECT_EQ(image.pixelColor(200, menuHeight + 100), QColor(0, 255, 255));

    const QString helpShot = QDir(dir.path()).filePath("help.png");
    Application->HelpFile = QDir(dir.path()).filePath("none.HLP").toStdString();
    Application->HelpCommand(HELP_CONTENTS, 0);
    EXPECT_TRUE(SaveHelpWindowScreenshot(helpShot.toStdString()));
    EXPECT_FALSE(QImage(helpShot).isNull());
}

}  // namespace
}  // namespace vcl::qt::test
