#include "shell/Startup.h"

#include "platform/Fonts.h"
#include "platform/WebPane.h"

namespace shell {

void InitApplication(QApplication& app) {
    // The name alone, not a display name: Qt appends a display name to every
    // window title, and each window's caption is meant to stand as given.
    app.setApplicationName(QStringLiteral("Omenwise"));
    platform::InstallFontSubstitutions();
}

std::unique_ptr<Program> CreateProgram(const QString& promoServer) {
    auto program = std::make_unique<Program>();
    Services services;
    services.browser = &program->browser;
    services.clock = &program->clock;
    services.registry = &program->registry;
    services.promoServer = promoServer;
    services.IdHTTP1 = &program->IdHTTP1;
    services.IdHTTP2 = &program->IdHTTP2;
    services.webPanes = [](QWidget* parent) -> platform::WebPane* {
        return new platform::WebEnginePane(parent);
    };
    program->Frmmain = std::make_unique<Unt_Main::TFrmmain>(services);
    return program;
}

}  // namespace shell
