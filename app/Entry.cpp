#include "app/Entry.h"

#include "app/MidiKeyboard.h"
#include "app/VelunkaMain.h"

int VelunkaEntry(vcl::TApplication& application) {
    try {
        application.Initialize();
        application.Title = "Velunka V0.8";
        application.HelpFile = VELUNKA_HELP_FILE;
        application.CreateForm(FormMain);
        const MidiKeyboard keyboard(application);
        application.Run();
    } catch (const vcl::Exception& e) {
        application.ShowException(e);
    }
    return 0;
}
