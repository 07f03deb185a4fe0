#include "shell/Startup.h"

#include "platform/Fonts.h"

namespace shell {

void InitApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Omenwise"));
    app.setApplicationDisplayName(QStringLiteral("Omenwise"));
    platform::InstallFontSubstitutions();
}

std::unique_ptr<Program> CreateProgram() {
    auto program = std::make_unique<Program>();
    Services services;
    services.browser = &program->browser;
    services.clock = &program->clock;
    program->Frmmain = std::make_unique<Unt_Main::TFrmmain>(services);
    return program;
}

}  // namespace shell
