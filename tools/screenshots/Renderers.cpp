#include "tools/screenshots/Renderers.h"

#include <memory>

#include "calendar/DateWin.h"
#include "readings/UntOnther.h"
#include "shell/EndMsg.h"
#include "shell/Uabout.h"
#include "shell/Unt_Main.h"
#include "shell/Unt_servers.h"
#include "tools/screenshots/PromotionDemo.h"

namespace screenshots {
namespace {

// A hive that holds one start page and takes no writes: the exit dialog only
// reads it when it is created.
class StartPageOnly final : public platform::Registry {
public:
    explicit StartPageOnly(QString page) : page_(std::move(page)) {}
    std::unique_ptr<platform::RegistryKey> openKey(const QString&) override {
        struct Key final : platform::RegistryKey {
            QString page;
            QString readString(const QString&) override { return page; }
            void writeString(const QString& name, const QString&) override {
                throw platform::FailedToSetData(name);
            }
        };
        auto key = std::make_unique<Key>();
        key->page = page_;
        return key;
    }

private:
    QString page_;
};

}  // namespace

const std::vector<Renderer>& renderers() {
    static const std::vector<Renderer> table = [] {
        std::vector<Renderer> t = {
            {"main-window",
             [](Context& c) -> QWidget* { return new Unt_Main::TFrmmain(c.services); }},
            {"main-window-promotion",
             [](Context& c) -> QWidget* { return PromotionDemoWindow(c.services); }},
            {"about",
             [](Context& c) -> QWidget* { return new Uabout::TAbout(c.services.browser); }},
            {"customer-service",
             [](Context&) -> QWidget* { return new Unt_servers::TFrm_servers(); }},
            // The start-page offer is made unless the portal already is the
            // start page.
            {"exit-dialog",
             [](Context&) -> QWidget* {
                 static StartPageOnly hive(QStringLiteral("http://www.other.example/"));
                 return new EndMsg::TFrmMsG(hive);
             }},
            {"exit-dialog-portal-is-start-page",
             [](Context&) -> QWidget* {
                 static StartPageOnly hive(EndMsg::PromotedStartPage);
                 return new EndMsg::TFrmMsG(hive);
             }},
        };
        const char* readings[] = {"打喷嚏占卜吉凶", "面热测吉凶", "心惊测吉凶", "犬吠测吉凶",
                                  "眼跳测吉凶",     "耳热测吉凶", "耳鸣测吉凶"};
        for (int page = 0; page < 7; ++page) {
            const QString caption = QString::fromUtf8(readings[page]);
            t.push_back({QStringLiteral("reading-%1").arg(page), [caption, page](Context&) {
                             return static_cast<QWidget*>(
                                 UntOnther::ShowOmenReading(caption, page));
                         }});
        }
        // The lunar new year, the first day of a leap month, and a month whose
        // grid reaches the sixth row.
        const struct {
            int year, month, day;
        } calendarDays[] = {{2023, 1, 22}, {2023, 3, 22}, {2024, 6, 1}};
        for (const auto& d : calendarDays) {
            const QString name = QStringLiteral("calendar-%1-%2-%3")
                                     .arg(d.year)
                                     .arg(d.month, 2, 10, QLatin1Char('0'))
                                     .arg(d.day, 2, 10, QLatin1Char('0'));
            auto clock =
                std::make_shared<platform::FixedClock>(DateCn::EncodeDate(d.year, d.month, d.day));
            t.push_back(
                {name, [clock](Context&) -> QWidget* { return new DateWin::TFRM_Date(*clock); }});
        }
        return t;
    }();
    return table;
}

}  // namespace screenshots
