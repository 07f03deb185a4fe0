#include "tools/screenshots/Renderers.h"

#include <memory>

#include "calendar/DateWin.h"
#include "readings/UntOnther.h"
#include "shell/Uabout.h"
#include "shell/Unt_Main.h"
#include "shell/Unt_servers.h"

namespace screenshots {

const std::vector<Renderer>& renderers() {
    static const std::vector<Renderer> table = [] {
        std::vector<Renderer> t = {
            {"main-window",
             [](Context& c) -> QWidget* { return new Unt_Main::TFrmmain(c.services); }},
            {"about",
             [](Context& c) -> QWidget* { return new Uabout::TAbout(c.services.browser); }},
            {"customer-service",
             [](Context&) -> QWidget* { return new Unt_servers::TFrm_servers(); }},
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
