// The program's own start-up, as its main() runs it, up to the main window
// being painted.
#include "ProbeReady.h"
#include "platform/ErrorHandler.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    shell::InitApplication(app);
    const auto program = shell::CreateProgram();
    ProbeReady ready(program->Frmmain.get());
    program->Frmmain->show();
    return app.exec();
}
