// One application with the Qt backend for the whole test run: Qt allows one QApplication.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "vcl/Forms.h"
#include "vcl/qt/QtBackend.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string error;
    std::unique_ptr<vcl::Backend> backend = vcl::qt::CreateBackend(argc, argv, error);
    if (backend == nullptr) {
        std::cerr << error << "\n";
        return 1;
    }
    vcl::TApplication application(std::move(backend));
    application.Title = "Velunka V0.8";
    return RUN_ALL_TESTS();
}
