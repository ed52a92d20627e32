// The real main window on the Qt backend: real mouse presses on its key panels reach the program.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>

#include "QtTestSupport.h"
#include "app/VelunkaMain.h"
#include "winmm/MidiOut.h"

namespace vcl::qt::test {
namespace {

class ProgramKeys : public testing::Test {
  protected:
    void SetUp() override {
        device = std::make_shared<winmm::ScriptedDevice>();
        winmm::InstallDevice(device);
        // The start-up check's message box is answered as a user would.
        QTimer::singleShot(50, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->accept();
            }
        });
        form = std::make_unique<TFormMain>(nullptr);
        ShowAndWait(*form);
        device->sent.clear();
    }
    void TearDown() override {
        form.reset();
        winmm::InstallDevice(nullptr);
    }
    TPanel* Key(const char* name) const { return form->Find<TPanel>(name); }
    QPoint Middle(const TPanel* key) const {
        return InWindow(*form, {key->Left + key->Width / 2, key->Top + 80});
    }
    QWindow* Window() const { return WindowHandleOf(*form); }

    std::shared_ptr<winmm::ScriptedDevice> device;
    std::unique_ptr<TFormMain> form;
};

TEST_F(ProgramKeys, ALeftPressHoldsTheKeyAndSoundsItAReleaseOffTheKeyRestsIt) {
    TPanel* c4 = Key("PanelC4");
    QTest::mousePress(Window(), Qt::LeftButton, {}, Middle(c4));
    EXPECT_EQ(c4->Color(), clBlack);
    EXPECT_EQ(WidgetFor(*c4).palette().color(QPalette::Window), QColor(0, 0, 0));
    ASSERT_EQ(device->sent.size(), 3u);
    EXPECT_EQ(device->sent[2], 0x7F3C90u);  // note-on 60, velocity 127

    QTest::mouseMove(Window(), InWindow(*form, {700, 300}));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, InWindow(*form, {700, 300}));
    EXPECT_EQ(c4->Color(), clWhite);
}

TEST_F(ProgramKeys, ARightPressNeitherHoldsNorSounds) {
    TPanel* c4 = Key("PanelC4");
    QTest::mousePress(Window(), Qt::RightButton, {}, Middle(c4));
    EXPECT_EQ(c4->Color(), clWhite);
    QTest::mouseRelease(Window(), Qt::RightButton, {}, Middle(c4));
    EXPECT_TRUE(device->sent.empty());
}

}  // namespace
}  // namespace vcl::qt::test
