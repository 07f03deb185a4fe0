#include <QLabel>

#include <functional>

#include "shell/Addresses.h"
#include "shell/Uabout.h"
#include "shell/Unt_servers.h"
#include "tests/shell/ShellFixture.h"

using shell_testing::ClickClosingModal;
using shell_testing::MainWindowTest;

TEST_F(MainWindowTest, AboutAndCustomerServiceAreReplacedOnEveryClick) {
    const struct {
        const char* button;
        std::function<QWidget*()> reference;
        const char* name;
        const char* caption;
        QSize size;
    } windows[] = {
        {"RzButton3",
         [] { return static_cast<QWidget*>(Uabout::About.data()); },
         "About",
         "关于系统",
         {321, 149}},
        {"RzButton2",
         [] { return static_cast<QWidget*>(Unt_servers::Frm_servers.data()); },
         "Frm_servers",
         "客户服务",
         {420, 273}},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.button);
        QPointer<QWidget> shown = ClickClosingModal(Child(w.button));
        QPointer<QWidget> first = w.reference();
        ASSERT_FALSE(first.isNull());
        EXPECT_EQ(shown, first) << "the click shows the window it keeps";
        EXPECT_EQ(first->objectName(), QString::fromLatin1(w.name));
        EXPECT_EQ(first->windowTitle(), QString::fromUtf8(w.caption));
        EXPECT_EQ(first->size(), w.size);
        EXPECT_FALSE(first->isVisible()) << "closed, it stays allocated and hidden";

        shown = ClickClosingModal(Child(w.button));
        EXPECT_TRUE(first.isNull()) << "the second click frees the first window";
        ASSERT_NE(w.reference(), nullptr);
        EXPECT_EQ(shown, w.reference());
    }
    Frmmain.reset();
    EXPECT_TRUE(Uabout::About.isNull());
    EXPECT_TRUE(Unt_servers::Frm_servers.isNull());
}

TEST(AboutWindow, MailLinkTurnsPurpleOnlyAfterASuccessfulLaunch) {
    for (const bool succeed : {true, false}) {
        SCOPED_TRACE(succeed ? "mail program started" : "no mail program");
        testing_support::FakeBrowserLauncher launcher;
        launcher.succeed = succeed;
        Uabout::TAbout about(&launcher);
        about.show();
        auto* link = about.findChild<QLabel*>(QStringLiteral("RzURLLabel1"));
        ASSERT_NE(link, nullptr);
        const QColor before = link->palette().color(QPalette::WindowText);
        EXPECT_EQ(before, about.palette().color(QPalette::Highlight));

        QTest::mouseClick(link, Qt::LeftButton);

        EXPECT_EQ(launcher.opened, QStringList{QStringLiteral("mailto:") +
                                               QString::fromUtf8(Addresses::ContactEmail)});
        EXPECT_EQ(link->palette().color(QPalette::WindowText),
                  succeed ? QColor(0x80, 0x00, 0x80) : before);
    }
}
