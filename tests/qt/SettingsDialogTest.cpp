// The two settings dialogs of the real program on the Qt backend: how they look, and the keys
// a user works them with.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "QtTestSupport.h"
#include "app/VelunkaMain.h"
#include "settings/FormMidiSetting.h"
#include "settings/FormSettingQuestion.h"
#include "vcl/qt/QtBackend.h"
#include "winmm/MidiOut.h"

namespace vcl::qt::test {
namespace {

class SettingsDialogQt : public ::testing::Test {
  protected:
    void SetUp() override {
        winmm::InstallDevice(std::make_shared<winmm::ScriptedDevice>());
        // Message boxes (the start-up check's, the range message) are read and answered.
        QObject::connect(&boxAnswerer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes_.push_back(box->text().toStdString());
                box->accept();
            }
        });
        boxAnswerer_.start(10);
        Application->CreateForm(FormMain);
        ShowAndWait(*FormMain);
        boxes_.clear();
    }
    void TearDown() override {
        std::unique_ptr<TFormMain> mainWindow(FormMain);
        mainWindow.reset();
        boxAnswerer_.stop();
        winmm::InstallDevice(nullptr);
    }

    // Chooses the menu item; once the dialog is on screen and has its focus, `act` works it.
    // A dialog that `act` left open is cancelled, so that a fault fails instead of hanging.
    template <class Dialog>
    void WhileOpen(TMenuItem* item, const std::function<void(Dialog&)>& act) {
        bool acted = false;
        // A timer rather than a posted call: it comes after the dialog's own queued work.
        QTimer::singleShot(1, [&] {
            auto* dialog = dynamic_cast<Dialog*>(Application->ActiveModalForm());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no dialog open";
                return;
            }
            EXPECT_TRUE(QTest::qWaitForWindowActive(&WindowOf(*dialog)));
            QCoreApplication::processEvents();
            act(*dialog);
            acted = true;
            QCoreApplication::processEvents();
            if (dialog->ModalResult == mrNone) {
                ADD_FAILURE() << "the dialog is still open";
                dialog->ModalResult = mrCancel;
            }
        });
        item->Click();
        EXPECT_TRUE(acted);
    }
    void WhileMidiSettingOpen(const std::function<void(TFormMidiSetting&)>& act) {
        WhileOpen(FormMain->MenuSettingMidi, act);
    }
    void WhileSettingQuestionOpen(const std::function<void(TFormSettingQuestion&)>& act) {
        WhileOpen(FormMain->MenuSettingQuestion, act);
    }

    static void Keys(const TControl& control, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(&WidgetFor(control), key);
    }
    static void Type(const TEdit& edit, const char* text) {
        WidgetFor<QLineEdit>(edit).selectAll();
        QTest::keyClicks(&WidgetFor(edit), QString::fromUtf8(text));
    }
    // The control whose widget holds the keyboard focus.
    static std::string FocusedControl(const TForm& form) {
        for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
            for (int i = 0; i < form.ComponentCount(); ++i) {
                auto* control = dynamic_cast<TControl*>(form.Components(i));
                if (control != nullptr && WidgetOf(*control) == w) return control->Name;
            }
        }
        return "(none)";
    }
    // The controls the focus visits from the start, pressing Tab after each.
    static std::vector<std::string> TabWalk(const TForm& form, int stops) {
        std::vector<std::string> visited;
        for (int i = 0; i < stops; ++i) {
            visited.push_back(FocusedControl(form));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return visited;
    }

    QTimer boxAnswerer_;
    std::vector<std::string> boxes_;
};

TEST_F(SettingsDialogQt, ScreenshotsShowTheDesignedColours) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Spot {
        QPoint at;
        QColor color;
    };
    auto check = [&](TForm& dialog, QSize client, std::vector<Spot> spots) {
        const QString file =
            QDir(dir.path()).filePath(QString::fromStdString(dialog.Name) + ".png");
        ASSERT_TRUE(SaveScreenshot(dialog, file.toStdString()));
        const QImage image(file);
        EXPECT_EQ(image.size(), client);
        for (const Spot& spot : spots) {
            EXPECT_EQ(image.pixelColor(spot.at), spot.color)
                << dialog.Name << " at " << spot.at.x() << "," << spot.at.y();
        }
        dialog.ModalResult = mrCancel;
    };
    const QColor green(0, 128, 0), aqua(0, 255, 255), labelColor(244, 222, 189),
        panelColor(208, 223, 238);
    WhileMidiSettingOpen([&](TFormMidiSetting& dialog) {
        EXPECT_EQ(WindowOf(dialog).windowTitle().toStdString(), "Midi設定");
        check(dialog, {268, 144}, {{{5, 5}, green}, {{30, 20}, labelColor}, {{250, 130}, green}});
    });
    WhileSettingQuestionOpen([&](TFormSettingQuestion& dialog) {
        EXPECT_EQ(WindowOf(dialog).windowTitle().toStdString(), "出題設定");
        check(dialog, {247, 248},
              {{{5, 5}, aqua},
               {{50, 25}, panelColor},
               {{234, 40}, panelColor},
               {{200, 115}, panelColor},
               {{100, 240}, aqua}});
    });
}

// Enter presses Set wherever the focus is but on Cancel; the values typed or stepped apply.
TEST_F(SettingsDialogQt, EnterAppliesTheMidiSettings) {
    WhileMidiSettingOpen([&](TFormMidiSetting& dialog) {
        Keys(*dialog.ComboBoxInst, Qt::Key_Down);
        EXPECT_EQ(WidgetFor<QComboBox>(*dialog.ComboBoxInst).currentText().toStdString(),
                  "E. ピアノ");
        Keys(*dialog.EditVolume, Qt::Key_Down, 2);
        EXPECT_EQ(WidgetFor<QLineEdit>(*dialog.EditVolume).text().toStdString(), "125");
        Keys(*dialog.EditVolume, Qt::Key_Return);
    });
    EXPECT_EQ(FormMain->Instrument, 5);
    EXPECT_EQ(FormMain->LabelInst->Caption(), "E. ピアノ");
    EXPECT_EQ(FormMain->Volume, 125);
    EXPECT_EQ(FormMain->LabelVolume->Caption(), "125");

    WhileMidiSettingOpen([&](TFormMidiSetting& dialog) {
        Type(*dialog.EditVolume, "90");
        Keys(*dialog.ComboBoxInst, Qt::Key_Enter);
    });
    EXPECT_EQ(FormMain->Volume, 90);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(SettingsDialogQt, ArrowKeysAndArrowButtonsStepTheQuestionSettings) {
    WhileSettingQuestionOpen([&](TFormSettingQuestion& dialog) {
        Keys(*dialog.EditNoteLength, Qt::Key_Up);
        Keys(*dialog.EditRepeat, Qt::Key_Up, 2);
        WidgetFor(*dialog.UpDownNoteLow).setFocus();
        Keys(*dialog.UpDownNoteLow, Qt::Key_Up);
        QList<QToolButton*> arrows = WidgetFor(*dialog.UpDownNoteHigh).findChildren<QToolButton*>();
        ASSERT_EQ(arrows.size(), 2);
        QTest::mouseClick(arrows[1], Qt::LeftButton);  // the lower arrow
        EXPECT_EQ(WidgetFor<QLineEdit>(*dialog.EditNoteLength).text().toStdString(), "1500");
        EXPECT_EQ(WidgetFor<QLineEdit>(*dialog.EditRepeat).text().toStdString(), "3");
        EXPECT_EQ(WidgetFor<QLineEdit>(*dialog.EditNoteLow).text().toStdString(), "c+3");
        EXPECT_EQ(WidgetFor<QLineEdit>(*dialog.EditNoteHigh).text().toStdString(), "b4");
        QList<QRadioButton*> keySets =
            WidgetFor(*dialog.RadioGroupSelectKeyType).findChildren<QRadioButton*>();
        ASSERT_EQ(keySets.size(), 2);
        keySets[1]->setFocus();
        QTest::keyClick(keySets[1], Qt::Key_Up);
        EXPECT_EQ(dialog.RadioGroupSelectKeyType->ItemIndex, 0);
        EXPECT_TRUE(keySets[0]->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), keySets[0]);
        QTest::keyClick(keySets[0], Qt::Key_Return);
    });
    EXPECT_EQ(FormMain->NoteLength, 1500);
    EXPECT_EQ(FormMain->NoteCount, 3);
    EXPECT_EQ(FormMain->RadioGroupPattern->ItemIndex, 1);
    EXPECT_EQ(FormMain->NoteLow, 49);
    EXPECT_EQ(FormMain->NoteHigh, 71);
    EXPECT_EQ(FormMain->LabelLowNote->Caption(), "c+3");
    EXPECT_EQ(FormMain->LabelHighNote->Caption(), "b4");
    EXPECT_EQ(FormMain->KeyType, 0);
    EXPECT_EQ(FormMain->LabelKeyType->Caption(), "白鍵＋黒鍵");

    WhileSettingQuestionOpen([&](TFormSettingQuestion& dialog) {
        Type(*dialog.EditNoteLength, "3000");
        Type(*dialog.EditNoteLow, "h3");
        Keys(*dialog.EditNoteLow, Qt::Key_Return);
    });
    EXPECT_EQ(FormMain->NoteLength, 3000);
    EXPECT_EQ(FormMain->LabelNoteLength->Caption(), "3000");
    EXPECT_EQ(FormMain->NoteLow, 49) << "refused";
    EXPECT_EQ(boxes_, std::vector<std::string>{"データが正常な範囲を超えています"});
}

// Escape, Enter on the focused Cancel button and the close box all leave everything as it was.
TEST_F(SettingsDialogQt, EscapeCancelAndTheCloseBoxApplyNothing) {
    const std::vector<std::function<void(TForm&, TButton&)>> cancels = {
        [](TForm& dialog, TButton&) { QTest::keyClick(&WindowOf(dialog), Qt::Key_Escape); },
        [](TForm&, TButton& cancel) {
            WidgetFor(cancel).setFocus();
            QTest::keyClick(&WidgetFor(cancel), Qt::Key_Return);
        },
        [](TForm& dialog, TButton&) { WindowOf(dialog).close(); },
    };
    for (size_t i = 0; i < cancels.size(); ++i) {
        SCOPED_TRACE(i);
        WhileMidiSettingOpen([&](TFormMidiSetting& dialog) {
            Keys(*dialog.ComboBoxInst, Qt::Key_Down);
            Keys(*dialog.EditVolume, Qt::Key_Down);
            cancels[i](dialog, *dialog.ButtonCancel);
        });
        WhileSettingQuestionOpen([&](TFormSettingQuestion& dialog) {
            Keys(*dialog.EditNoteLength, Qt::Key_Up);
            Type(*dialog.EditNoteHigh, "g5");
            cancels[i](dialog, *dialog.ButtonCancel);
        });
        EXPECT_EQ(FormMain->Instrument, 0);
        EXPECT_EQ(FormMain->Volume, 127);
        EXPECT_EQ(FormMain->LabelInst->Caption(), "ピアノ");
        EXPECT_EQ(FormMain->NoteLength, 1000);
        EXPECT_EQ(FormMain->NoteHigh, 72);
        EXPECT_EQ(FormMain->LabelHighNote->Caption(), "c5");
    }
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(SettingsDialogQt, TabOrderIsAsDesigned) {
    WhileMidiSettingOpen([&](TFormMidiSetting& dialog) {
        EXPECT_EQ(TabWalk(dialog, 6),
                  (std::vector<std::string>{"ButtonSet", "ComboBoxInst", "EditVolume",
                                            "ButtonCancel", "UpDownVolume", "ButtonSet"}));
        dialog.ModalResult = mrCancel;
    });
    // The hidden edits under the name edits take no focus.
    WhileSettingQuestionOpen([&](TFormSettingQuestion& dialog) {
        EXPECT_EQ(
            TabWalk(dialog, 12),
            (std::vector<std::string>{"ButtonSet", "EditRepeat", "EditNoteLength", "UpDownNoteLow",
                                      "UpDownNoteHigh", "RadioGroupSelectKeyType", "ButtonCancel",
                                      "UpDownNoteLength", "UpDownRepeat", "EditNoteLow",
                                      "EditNoteHigh", "ButtonSet"}));
        dialog.ModalResult = mrCancel;
    });
}

}  // namespace
}  // namespace vcl::qt::test
