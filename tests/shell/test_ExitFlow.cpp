#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

#include "platform/Clock.h"
#include "platform/Registry.h"
#include "shell/Addresses.h"
#include "shell/EndMsg.h"
#include "shell/Unt_Main.h"
#include "tests/shell/ModalDriver.h"
#include "tests/support/Fakes.h"

using EndMsg::TFrmMsG;
using testing_support::ModalDriver;

namespace {

const QByteArray OldHive =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
    "\"Start Page\"=\"http://old.example/\"\r\n";
const QString Promoted = QStringLiteral("http://www.navora.example/?400");
const QString HomePage = QString::fromUtf8(Addresses::HomePage);

// Writes what happens, in order, to one log: the quit request, and each page
// opened with the start page as the hive holds it at that moment.
class LoggingBrowser final : public platform::BrowserLauncher {
public:
    LoggingBrowser(QStringList& log, platform::Registry& registry)
        : log_(log), registry_(registry) {}
    bool open(const QString& address) override {
        log_.append(QStringLiteral("open %1, start page %2")
                        .arg(address, EndMsg::ReadStartPage(registry_)));
        return true;
    }

private:
    QStringList& log_;
    platform::Registry& registry_;
};

enum Way { CloseSystemButton, TitleBarClose };
const char* NameOf(Way way) {
    return way == CloseSystemButton ? "关闭系统" : "title bar close";
}

class ExitFlow : public testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(QFileInfo(hivePath).absolutePath());
        storeHive(OldHive);
        services.browser = &browser;
        services.clock = &clock;
        services.registry = &registry;
        services.quit = [this] { log.append(QStringLiteral("quit")); };
        Frmmain = std::make_unique<Unt_Main::TFrmmain>(services);
        Frmmain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Frmmain.get(), 5000));
    }

    void storeHive(const QByteArray& bytes) {
        QFile f(hivePath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray hiveBytes() const {
        QFile f(hivePath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Asks the main window to close the way a user would.
    void requestClose(Way way) {
        if (way == CloseSystemButton)
            QTest::mouseClick(Frmmain->findChild<QWidget*>(QStringLiteral("RzButton7")),
                              Qt::LeftButton);
        else
            Frmmain->windowHandle()->close();  // what the window manager sends
    }

    QTemporaryDir dir;
    QString hivePath = dir.filePath(QStringLiteral("omenwise/HKEY_CURRENT_USER.reg"));
    platform::HiveFileRegistry registry{hivePath};
    QStringList log;
    LoggingBrowser browser{log, registry};
    platform::FixedClock clock{46367.0};
    testing_support::RecordingErrorReporter errors;
    shell::Services services;
    std::unique_ptr<Unt_Main::TFrmmain> Frmmain;
};

QPushButton* Button(TFrmMsG& d, const char* name) {
    return d.findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

// Both ways of closing, with every answer: a confirmed exit first asks the
// application to quit, then opens the home page, with a ticked start page
// already stored; anything else leaves everything as it was.
TEST_F(ExitFlow, BothWaysOfClosingBehaveAlike) {
    enum Answer { YesTicked, YesUnticked, No, DialogClosed };
    const struct {
        const char* label;
        Answer answer;
        bool confirmed;
        const char* startPageWhenOpened;
    } answers[] = {
        {"yes, box ticked", YesTicked, true, "http://www.navora.example/?400"},
        {"yes, box unticked", YesUnticked, true, "http://old.example/"},
        {"no", No, false, nullptr},
        {"dialog closed otherwise", DialogClosed, false, nullptr},
    };
    for (Way way : {CloseSystemButton, TitleBarClose}) {
        for (const auto& a : answers) {
            SCOPED_TRACE(std::string(NameOf(way)) + ", " + a.label);
            storeHive(OldHive);
            log.clear();
            Frmmain->show();

            ModalDriver driver({[&](TFrmMsG& d) {
                EXPECT_FALSE(d.findChild<QCheckBox*>("CheckBox1")->isHidden());
                if (a.answer == YesUnticked)
                    d.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
                if (a.answer == No)
                    Button(d, "Button2")->click();
                else if (a.answer == DialogClosed)
                    d.close();
                else
                    Button(d, "Button1")->click();
            }});
            requestClose(way);
            EXPECT_EQ(driver.dialogsAnswered(), 1);

            if (a.confirmed) {
                EXPECT_EQ(log, QStringList({"quit", QStringLiteral("open %1, start page %2")
                                                        .arg(HomePage, a.startPageWhenOpened)}));
            } else {
                EXPECT_EQ(log, QStringList());
                EXPECT_EQ(hiveBytes(), OldHive);
            }
            // A close request is granted only when confirmed; "关闭系统"
            // leaves the window to the end of the message loop.
            EXPECT_EQ(Frmmain->isVisible(), !(a.confirmed && way == TitleBarClose));
            EXPECT_EQ(errors.messages, QStringList());
        }
    }
}

TEST_F(ExitFlow, RefusedExitCanBeAskedAgainWithAFreshDialog) {
    for (Way way : {CloseSystemButton, TitleBarClose}) {
        SCOPED_TRACE(NameOf(way));
        bool boxShownAgain = false;
        ModalDriver driver({
            [](TFrmMsG& d) {
                d.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
                Button(d, "Button2")->click();
            },
            [&](TFrmMsG& d) {
                boxShownAgain = d.findChild<QCheckBox*>("CheckBox1")->isChecked();
                Button(d, "Button2")->click();
            },
        });
        requestClose(way);
        requestClose(way);
        EXPECT_TRUE(driver.allAnswered());
        EXPECT_TRUE(boxShownAgain);
        EXPECT_TRUE(Frmmain->isVisible());
        EXPECT_TRUE(Frmmain->isEnabled());
        EXPECT_EQ(log, QStringList());
        EXPECT_EQ(hiveBytes(), OldHive);
    }
}

TEST_F(ExitFlow, StartPageThatCannotBeStoredCancelsTheExit) {
    const QByteArray broken = OldHive + "\"half a value";
    for (Way way : {CloseSystemButton, TitleBarClose}) {
        SCOPED_TRACE(NameOf(way));
        storeHive(broken);
        errors.messages.clear();
        ModalDriver driver({[](TFrmMsG& d) { Button(d, "Button1")->click(); }});
        requestClose(way);
        EXPECT_EQ(driver.dialogsAnswered(), 1);
        EXPECT_EQ(errors.messages, QStringList{"Failed to set data for 'Start Page'"});
        EXPECT_EQ(log, QStringList());
        EXPECT_TRUE(Frmmain->isVisible());
        EXPECT_EQ(hiveBytes(), broken);
    }
}

// The program's own quit request, in a running message loop: it must end the
// loop without asking a second time (QCoreApplication::quit would close every
// window first, and the main window's close request would ask again).
TEST(ExitFlowInTheMessageLoop, ConfirmedExitEndsTheLoopAfterOneQuestion) {
    for (Way way : {CloseSystemButton, TitleBarClose}) {
        SCOPED_TRACE(NameOf(way));
        QTemporaryDir dir;
        platform::HiveFileRegistry registry(dir.filePath(QStringLiteral("hive.reg")));
        testing_support::FakeBrowserLauncher browser;
        platform::FixedClock clock(46367.0);
        shell::Services services;
        services.browser = &browser;
        services.clock = &clock;
        services.registry = &registry;
        Unt_Main::TFrmmain window(services);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 5000));

        ModalDriver driver({[](TFrmMsG& d) { Button(d, "Button1")->click(); }});
        QTimer::singleShot(0, [&] {
            if (way == CloseSystemButton)
                QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("RzButton7")),
                                  Qt::LeftButton);
            else
                window.windowHandle()->close();
        });
        bool timedOut = false;
        QTimer bound;
        bound.setSingleShot(true);
        QObject::connect(&bound, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        bound.start(15000);

        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(timedOut);
        EXPECT_EQ(driver.dialogsAnswered(), 1);
        EXPECT_EQ(browser.opened, QStringList{HomePage});
        EXPECT_EQ(EndMsg::ReadStartPage(registry), Promoted);
    }
}
