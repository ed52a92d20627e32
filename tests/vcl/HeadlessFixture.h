// An application on the headless backend, with helpers to build small forms.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "vcl/Vcl.h"
#include "vcl/headless/HeadlessBackend.h"

class HeadlessFixture : public ::testing::Test {
  protected:
    explicit HeadlessFixture(std::unique_ptr<vcl::headless::HeadlessBackend> backend =
                                 std::make_unique<vcl::headless::HeadlessBackend>())
        : backend_(*backend), app_(std::make_unique<vcl::TApplication>(std::move(backend))) {
        app_->Title = "Test App";
    }

    // A form owned by the application, shown, with a client area of the given size.
    vcl::TForm* NewForm(int clientWidth = 200, int clientHeight = 100) {
        auto* form = new vcl::TForm(app_.get());
        form->SetClientSize(clientWidth, clientHeight);
        form->Show();
        return form;
    }

    // A control owned by the parent's form (or the parent itself) and placed on the parent.
    template <class T>
    T* Put(vcl::TWinControl* parent, const std::string& name = "") {
        vcl::TComponent* owner = parent->Form() != nullptr ? parent->Form() : parent;
        auto* control = new T(owner);
        control->Name = name;
        control->SetParent(parent);
        return control;
    }

    vcl::headless::HeadlessBackend& backend_;
    std::unique_ptr<vcl::TApplication> app_;
};
