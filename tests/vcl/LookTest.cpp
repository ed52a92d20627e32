#include "HeadlessFixture.h"
#include "RecordingBackend.h"

namespace {

using Strings = std::vector<std::string>;

class Look : public HeadlessFixture {
  protected:
    Look() : Look(std::make_unique<RecordingBackend>()) {}
    explicit Look(std::unique_ptr<RecordingBackend> backend)
        : HeadlessFixture(std::move(backend)), recorder(static_cast<RecordingBackend&>(backend_)) {
        form->Name = "Form";
        form->Color = vcl::clNavy;
        form->Font->Height = 12;
        table->Color = vcl::clGray;
        heading->Font->Color = vcl::clYellow;
        figure->Color = vcl::clGreen;
        form->Show();
        recorder.Changes.clear();
    }

    RecordingBackend& recorder;
    vcl::TForm* form = new vcl::TForm(app_.get());
    vcl::TPanel* table = Put<vcl::TPanel>(form, "Table");
    vcl::TLabel* heading = Put<vcl::TLabel>(table, "Heading");
    vcl::TLabel* figure = Put<vcl::TLabel>(table, "Figure");
    vcl::TLabel* caption = Put<vcl::TLabel>(form, "Caption");
};

TEST_F(Look, ControlsWithoutTheirOwnColourOrFontTakeTheirParents) {
    EXPECT_EQ(caption->EffectiveColor(), vcl::clNavy);
    EXPECT_EQ(heading->EffectiveColor(), vcl::clGray);
    EXPECT_EQ(figure->EffectiveColor(), vcl::clGreen);
    EXPECT_FALSE(heading->ParentFont());
    EXPECT_TRUE(heading->ParentColor());
    EXPECT_EQ(heading->EffectiveFont().Color(), vcl::clYellow);
    EXPECT_EQ(figure->EffectiveFont().Height(), 12);
    EXPECT_EQ(&figure->EffectiveFont(), form->Font);

    figure->ParentColor = true;
    EXPECT_EQ(figure->EffectiveColor(), vcl::clGray);
}

TEST_F(Look, PeersOfTheInheritingControlsAreToldOfAChange) {
    form->Color = vcl::clPurple;
    EXPECT_EQ(recorder.Changes, (Strings{"Form:Color", "Caption:Color"}));
    recorder.Changes.clear();

    table->ParentColor = true;
    EXPECT_EQ(recorder.Changes, (Strings{"Table:Color", "Heading:Color"}));
    EXPECT_EQ(heading->EffectiveColor(), vcl::clPurple);
    recorder.Changes.clear();

    form->Font->Height = 15;
    EXPECT_EQ(recorder.Changes,
              (Strings{"Form:Font", "Table:Font", "Figure:Font", "Caption:Font"}));
}

TEST_F(Look, AssigningTheSameValueChangesNothing) {
    form->Color = vcl::clNavy;
    heading->Font->Color = vcl::clYellow;
    EXPECT_TRUE(recorder.Changes.empty());
}

TEST_F(Look, PeersAreMadeParentsFirstWhenTheFormIsShownAndAtOnceAfterwards) {
    EXPECT_EQ(recorder.Created, (Strings{"Form", "Table", "Heading", "Figure", "Caption"}));
    Put<vcl::TButton>(table, "Late");
    EXPECT_EQ(recorder.Created.back(), "Late");
    form->Visible = false;
    form->Show();
    EXPECT_EQ(recorder.Created.size(), 6u);
}

}  // namespace
