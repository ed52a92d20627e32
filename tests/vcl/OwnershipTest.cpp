#include <memory>
#include <string>
#include <vector>

#include "HeadlessFixture.h"

namespace {

using vcl::TComponent;

// Notes its name in a shared log when it goes.
class Noted : public vcl::TLabel {
  public:
    Noted(TComponent* owner, std::string name, std::vector<std::string>& log)
        : vcl::TLabel(owner), log_(log) {
        Name = std::move(name);
    }
    ~Noted() override { log_.push_back(Name); }

  private:
    std::vector<std::string>& log_;
};

TEST(Ownership, AnOwnerDestroysWhatItOwnsLatestFirst) {
    std::vector<std::string> gone;
    {
        TComponent owner(nullptr);
        new Noted(&owner, "first", gone);
        auto* second = new Noted(&owner, "second", gone);
        new Noted(second, "owned by second", gone);
        new Noted(&owner, "third", gone);
        EXPECT_EQ(owner.ComponentCount(), 3);
        EXPECT_EQ(owner.Find<vcl::TLabel>("SECOND"), second);
    }
    EXPECT_EQ(gone, (std::vector<std::string>{"third", "second", "owned by second", "first"}));
}

TEST(Ownership, AComponentDestroyedEarlyLeavesItsOwnerAndParent) {
    std::vector<std::string> gone;
    TComponent owner(nullptr);
    vcl::TPanel parent(nullptr);
    auto early = std::make_unique<Noted>(&owner, "early", gone);
    early->SetParent(&parent);
    new Noted(&owner, "late", gone);
    early.reset();
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.FindComponent("early"), nullptr);
    EXPECT_TRUE(parent.Controls().empty());
}

TEST(Ownership, ChildrenOutliveAParentTheyAreNotOwnedBy) {
    std::vector<std::string> gone;
    TComponent owner(nullptr);
    auto* child = new Noted(&owner, "child", gone);
    {
        vcl::TPanel parent(nullptr);
        child->SetParent(&parent);
    }
    EXPECT_EQ(child->Parent(), nullptr);
    EXPECT_TRUE(gone.empty());
}

TEST(Ownership, TheApplicationDestroysItsFormsAndLeavesTheGlobal) {
    std::vector<std::string> gone;
    {
        vcl::TApplication app(std::make_unique<vcl::headless::HeadlessBackend>());
        EXPECT_EQ(vcl::Application, &app);
        vcl::TForm* form = nullptr;
        app.CreateForm(form);
        EXPECT_EQ(app.MainForm(), form);
        new Noted(form, "label", gone);
        auto* timer = new vcl::TTimer(form);
        timer->OnTimer = [](vcl::TObject*) {};
        timer->Interval = 100;
    }
    EXPECT_EQ(vcl::Application, nullptr);
    EXPECT_EQ(gone, (std::vector<std::string>{"label"}));
}

TEST(Ownership, AMainFormDestroyedEarlyLeavesTheApplication) {
    vcl::TApplication app(std::make_unique<vcl::headless::HeadlessBackend>());
    vcl::TForm* form = nullptr;
    app.CreateForm(form);
    std::unique_ptr<vcl::TForm>{form}.reset();
    EXPECT_EQ(app.MainForm(), nullptr);
    EXPECT_EQ(app.ComponentCount(), 0);
    app.Run();
}

}  // namespace
