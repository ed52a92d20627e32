#include <iostream>
#include <memory>
#include <string>

#include "app/Entry.h"
#include "vcl/qt/QtBackend.h"
#include "winmm/MidiOut.h"

int main(int argc, char** argv) {
    // The synthesizer loads its soundfont while the window library starts.
    winmm::PrepareOutput();
    std::string error;
    std::unique_ptr<vcl::Backend> backend = vcl::qt::CreateBackend(argc, argv, error);
    if (!backend) {
        std::cerr << "velunka: " << error << "\n";
        return 1;
    }
    vcl::TApplication application(std::move(backend));
    return VelunkaEntry(application);
}
