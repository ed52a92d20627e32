// Every window of the program carries the program's icon, in every size the desktop asks for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QSize>

#include "QtTestSupport.h"

namespace vcl::qt::test {
namespace {

TEST(ProgramIcon, EveryWindowShowsItAtEverySizeAndNamesTheDesktopEntry) {
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size << " px missing";
    }
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.example.velunka.Velunka");

    std::unique_ptr<TForm> form = MakeForm(120, 80);
    ShowAndWait(*form);
    EXPECT_EQ(WindowOf(*form).windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

}  // namespace
}  // namespace vcl::qt::test
