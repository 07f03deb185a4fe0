#include "platform/ErrorHandler.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    shell::InitApplication(app);
    const auto program = shell::CreateProgram();
    program->Frmmain->show();
    return app.exec();
}
