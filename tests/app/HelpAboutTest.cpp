#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ProgramFixture.h"
#include "app/AboutBox.h"

namespace {

class HelpAboutTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
    }
};

TEST_F(HelpAboutTest, EachAboutIsAFreshWindowOwnedByTheMainWindow) {
    struct Seen {
        std::string caption;
        std::string text;
        vcl::TComponent* owner;
        bool modal;
    };
    std::vector<Seen> seen;
    backend->OnModal = [&](vcl::TForm& form) {
        auto& about = dynamic_cast<TAboutBox&>(form);
        seen.push_back({about.Caption, about.Label1->Caption, about.Owner(), about.Modal()});
        about.Label1->Caption = "changed while shown";
        about.BitBtn1->Click();
    };
    int componentsBefore = FormMain->ComponentCount();

    for (int i = 0; i < 2; ++i) {
        FormMain->MenuHelpAbout->Click();
        EXPECT_EQ(FormMain->ComponentCount(), componentsBefore) << "destroyed after it closed";
    }

    ASSERT_EQ(seen.size(), 2u);
    for (const Seen& s : seen) {
        EXPECT_EQ(s.caption, "Velunkaについて");
        EXPECT_EQ(s.text, "Velunka　V0.8");
        EXPECT_EQ(s.owner, FormMain);
        EXPECT_TRUE(s.modal);
    }
}

TEST_F(HelpAboutTest, AboutBoxDesign) {
    TAboutBox about(FormMain);
    EXPECT_EQ(about.Color, vcl::clAqua);
    EXPECT_EQ(about.Font->Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(about.Label1->EffectiveFont().Name(), "ＭＳ ゴシック");
    EXPECT_EQ(about.Label1->EffectiveFont().Height, 15);
    EXPECT_EQ(about.BitBtn1->Kind(), vcl::bkOK);
    EXPECT_EQ(about.BitBtn1->Caption(), "OK");
    EXPECT_TRUE(about.BitBtn1->Default);
    EXPECT_EQ(about.BitBtn1->ModalResult, vcl::mrOk);
    EXPECT_EQ(about.BitBtn1->TabOrder, 0);
    EXPECT_EQ(about.Bevel1->Shape, vcl::bsFrame);
    EXPECT_EQ(about.Width, 244);
    EXPECT_EQ(about.Height, 200);
    EXPECT_EQ(about.Left, 200);
    EXPECT_EQ(about.Top, 107);
}

TEST_F(HelpAboutTest, HelpOpensTheHelpFileAtItsContentsWhetherOrNotItExists) {
    std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "velunka-help-test";
    std::filesystem::create_directories(dir);
    std::filesystem::path present = dir / "VELUNKAHELP.HLP";
    std::ofstream(present) << "<h1>目次</h1>\n";
    std::filesystem::path missing = dir / "missing" / "VELUNKAHELP.HLP";

    for (const auto& [file, readable] : {std::pair{present, true}, std::pair{missing, false}}) {
        SCOPED_TRACE(file.string());
        application->HelpFile = file.string();
        size_t messagesBefore = backend->Messages().size();

        FormMain->MenuHelpHelp->Click();

        ASSERT_FALSE(backend->HelpRequests().empty());
        const auto& request = backend->HelpRequests().back();
        EXPECT_EQ(request.File, file.string());
        EXPECT_EQ(request.Command, vcl::HELP_CONTENTS);
        EXPECT_EQ(request.Data, 0);
        EXPECT_EQ(request.Shown, readable);
        EXPECT_EQ(backend->Messages().size(), messagesBefore) << "the help window reports it";
        EXPECT_FALSE(application->Terminated());
    }
    EXPECT_EQ(backend->HelpRequests().size(), 2u);
    std::filesystem::remove_all(dir);
}

}  // namespace
