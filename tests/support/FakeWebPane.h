// A web pane that records what it is asked to do instead of loading pages.
#pragma once

#include <QStringList>

#include "platform/WebPane.h"

namespace testing_support {

class FakeWebPane final : public platform::WebPane {
    Q_OBJECT
public:
    using WebPane::WebPane;
    void navigate(const QString& url) override {
        navigations.append(url);
        events.append(QStringLiteral("navigate ") + url);
    }
    void setVisibleProperty(bool visible) override {
        events.append(visible ? QStringLiteral("visible true") : QStringLiteral("visible false"));
        WebPane::setVisibleProperty(visible);
    }
    void setTop(int top) override {
        events.append(QStringLiteral("top %1").arg(top));
        WebPane::setTop(top);
    }
    QStringList navigations;
    QStringList events;
};

// Makes FakeWebPanes and keeps track of them in creation order.
struct FakeWebPaneFactory {
    QList<FakeWebPane*> made;
    platform::WebPaneFactory factory() {
        return [this](QWidget* parent) {
            auto* pane = new FakeWebPane(parent);
            made.append(pane);
            return pane;
        };
    }
};

}  // namespace testing_support
