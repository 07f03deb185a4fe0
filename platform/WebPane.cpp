#include "platform/WebPane.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPalette>
#include <QUrl>
#include <QVBoxLayout>

#include <unistd.h>

#include "platform/WebView.h"

namespace platform {

WebPane::WebPane(QWidget* parent) : QWidget(parent) {}

void WebPane::setVisibleProperty(bool visible) {
    setVisible(visible);
}

void WebPane::setTop(int top) {
    move(x(), top);
}

WebEnginePane::WebEnginePane(QWidget* parent) : WebPane(parent) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

namespace {

CreateWebViewFunction loadModule() {
    QStringList candidates{
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("omen_webengine.so"))};
#ifdef OMENWISE_WEBENGINE_MODULE
    candidates.append(QStringLiteral(OMENWISE_WEBENGINE_MODULE));
#endif
    for (const QString& path : candidates) {
        QLibrary module(path);
        // Loaded for the rest of the run: views made by it may live that long.
        if (auto create =
                reinterpret_cast<CreateWebViewFunction>(module.resolve(kCreateWebViewSymbol)))
            return create;
    }
    qWarning("web panes: the web-engine module was not found (looked for %s)",
             qPrintable(candidates.join(QStringLiteral(", "))));
    return nullptr;
}

}  // namespace

bool WebEnginePane::ensureView() {
    if (view_) return true;
    if (loadFailed_) return false;
    static const CreateWebViewFunction create = loadModule();
    if (!create) {
        loadFailed_ = true;
        return false;
    }
    view_ = create(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_->widget());
    return true;
}

void WebEnginePane::navigate(const QString& url) {
    if (ensureView()) view_->navigate(QUrl(url));
}

void prepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The program keeps no files: not even the shader caches that the
    // engine's compositor and the OpenGL driver would leave in the user's cache.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    if (!qEnvironmentVariableIsSet("MESA_SHADER_CACHE_DISABLE"))
        qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

}  // namespace platform
