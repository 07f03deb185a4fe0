// The boundary between the program and the web-engine module
// (omen_webengine), which the program loads on first use.
#pragma once

#include <QUrl>

class QWidget;

namespace platform {

class WebView {
public:
    virtual ~WebView() = default;
    virtual QWidget* widget() = 0;
    virtual void navigate(const QUrl& url) = 0;
};

// The module's one entry point: a view as a child of `parent`, which owns it.
using CreateWebViewFunction = WebView* (*)(QWidget* parent);
inline constexpr char kCreateWebViewSymbol[] = "omen_create_web_view";

}  // namespace platform
