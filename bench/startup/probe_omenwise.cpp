// The program's own start-up, as its main() runs it, up to the main window
// being painted. OMENWISE_PROBE_PROMO_SERVER, when set, names the promotion
// server in place of the one the program was built with.
#include "ProbeReady.h"
#include "platform/ErrorHandler.h"
#include "platform/WebPane.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    platform::prepareWebEngine();
    platform::Application app(argc, argv);
    shell::InitApplication(app);
    const auto program = shell::CreateProgram(
        qEnvironmentVariable("OMENWISE_PROBE_PROMO_SERVER", QStringLiteral(OMENWISE_PROMO_SERVER)));
    ProbeReady ready(program->Frmmain.get());
    program->Frmmain->show();
    return app.exec();
}
