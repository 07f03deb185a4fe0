// A web-browser pane inside a window: shows one page at a time, loaded in the
// background. The program uses WebEnginePane; tests use a recording fake.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace platform {

class WebView;

class WebPane : public QWidget {
    Q_OBJECT
public:
    explicit WebPane(QWidget* parent = nullptr);

    // Starts loading `url` and returns at once.
    virtual void navigate(const QString& url) = 0;
    // The browser's own Visible property: false takes its page out of sight.
    virtual void setVisibleProperty(bool visible);
    // Moves the pane within its parent, keeping its left edge.
    virtual void setTop(int top);
};

// Creates a pane as a child of `parent`; the parent owns it.
using WebPaneFactory = std::function<WebPane*(QWidget* parent)>;

// The real pane on Qt WebEngine. Until the first navigation it is a plain
// white widget: the browser engine is loaded only then, from its own module,
// so a program whose panes never show a page never pays for the engine. Each
// pane browses off the record: no cookies, cache or history reach the disk.
class WebEnginePane final : public WebPane {
    Q_OBJECT
public:
    explicit WebEnginePane(QWidget* parent = nullptr);
    void navigate(const QString& url) override;

private:
    bool ensureView();
    WebView* view_ = nullptr;
    bool loadFailed_ = false;
};

// A pane that never shows anything, for windows built without a factory.
class BlankWebPane final : public WebPane {
    Q_OBJECT
public:
    using WebPane::WebPane;
    void navigate(const QString&) override {}
};

// Must run before the QApplication is created: the engine needs shared
// OpenGL contexts when it is loaded late, shader caches on disk are turned
// off, and Chromium will not start as root with its sandbox, so the sandbox
// is turned off then (and only then).
void prepareWebEngine();

}  // namespace platform
