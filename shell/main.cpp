#include "platform/ErrorHandler.h"
#include "platform/WebPane.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    platform::prepareWebEngine();
    platform::Application app(argc, argv);
    shell::InitApplication(app);
    const auto program = shell::CreateProgram();
    program->Frmmain->show();
    return app.exec();
}
