// The web-engine module: loaded by WebEnginePane on its first navigation, so
// that only a program that shows a page links the engine.
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "platform/WebView.h"

namespace {

class OffTheRecordView final : public QWidget, public platform::WebView {
public:
    explicit OffTheRecordView(QWidget* parent)
        // A profile without a storage name is off the record: the engine
        // keeps cookies, cache and history in memory only.
        : QWidget(parent), profile_(new QWebEngineProfile()), view_(new QWebEngineView(this)) {
        view_->setPage(new QWebEnginePage(profile_, view_));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
    }
    ~OffTheRecordView() override {
        // The view takes its page with it, and a page must go before its profile.
        delete view_;
        delete profile_;
    }
    QWidget* widget() override { return this; }
    void navigate(const QUrl& url) override { view_->load(url); }

private:
    QWebEngineProfile* profile_;
    QWebEngineView* view_;
};

}  // namespace

extern "C" Q_DECL_EXPORT platform::WebView* omen_create_web_view(QWidget* parent) {
    return new OffTheRecordView(parent);
}
