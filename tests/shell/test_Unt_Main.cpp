#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStackedWidget>
#include <QUrl>

#include <stdexcept>

#include "shell/Addresses.h"
#include "tests/shell/ModalDriver.h"
#include "tests/shell/ShellFixture.h"

using shell_testing::FlushDeletes;
using shell_testing::MainWindowTest;
using shell_testing::ReadingWindows;

namespace {

int PageOf(UntOnther::TFormOnther* form) {
    auto* pages = form->findChild<QStackedWidget*>(QStringLiteral("RzPageControl1"));
    return pages ? pages->currentIndex() : -2;
}

struct OmenButton {
    const char* button;
    const char* text;
    const char* caption;
    int page;
};

const OmenButton kOmenButtons[] = {
    {"RzButton1", "打喷嚏占卜", "打喷嚏占卜吉凶", 0}, {"RzButton12", "面热测占卜", "面热测吉凶", 1},
    {"RzButton4", "心惊测占卜", "心惊测吉凶", 2},     {"RzButton6", "犬吠测占卜", "犬吠测吉凶", 3},
    {"RzButton9", "眼跳测占卜", "眼跳测吉凶", 4},     {"RzButton10", "耳热测占卜", "耳热测吉凶", 5},
    {"RzButton11", "耳鸣测占卜", "耳鸣测吉凶", 6},
};

}  // namespace

TEST_F(MainWindowTest, EachOmenButtonOpensItsReadingOnItsPage) {
    for (const OmenButton& omen : kOmenButtons) {
        SCOPED_TRACE(omen.button);
        auto* button = Child<QPushButton>(omen.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(omen.text));

        const auto before = ReadingWindows();
        QTest::mouseClick(button, Qt::LeftButton);
        const auto after = ReadingWindows();
        ASSERT_EQ(after.size(), before.size() + 1);

        UntOnther::TFormOnther* opened = nullptr;
        for (auto* form : after)
            if (std::find(before.begin(), before.end(), form) == before.end()) opened = form;
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->windowTitle(), QString::fromUtf8(omen.caption));
        EXPECT_EQ(PageOf(opened), omen.page);
        EXPECT_TRUE(opened->isVisible());
    }
}

TEST_F(MainWindowTest, TwoClicksMakeTwoWindowsAndClosingOneLeavesTheRest) {
    auto* button = Child<QPushButton>("RzButton1");
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>("RzButton9"), Qt::LeftButton);

    auto windows = ReadingWindows();
    ASSERT_EQ(windows.size(), 3u);
    std::vector<QPointer<UntOnther::TFormOnther>> sneezes;
    for (auto* form : windows)
        if (form->windowTitle() == QStringLiteral("打喷嚏占卜吉凶")) sneezes.emplace_back(form);
    ASSERT_EQ(sneezes.size(), 2u);
    EXPECT_EQ(PageOf(sneezes[0]), 0);
    EXPECT_EQ(PageOf(sneezes[1]), 0);

    sneezes[0]->close();
    FlushDeletes();

    EXPECT_TRUE(sneezes[0].isNull());
    ASSERT_FALSE(sneezes[1].isNull());
    EXPECT_TRUE(sneezes[1]->isVisible());
    EXPECT_EQ(ReadingWindows().size(), 2u);
    EXPECT_TRUE(Frmmain->isVisible());
}

TEST_F(MainWindowTest, LinksAndTheBannerOpenTheirAddresses) {
    const struct {
        const char* control;
        const char* address;
    } links[] = {
        {"Label2", Addresses::TargetA},     {"Label3", Addresses::TargetB},
        {"Label4", Addresses::TargetC},     {"Label1", Addresses::TargetD},
        {"Label5", Addresses::TargetB},     {"Label6", Addresses::TargetB},
        {"Label7", Addresses::TargetB},     {"Label8", Addresses::TargetB},
        {"Label9", Addresses::TargetB},     {"Label10", Addresses::TargetB},
        {"Label12", Addresses::TargetB},    {"Label13", Addresses::TargetB},
        {"Label14", Addresses::TargetB},    {"Image1", Addresses::TargetB},
        {"Label11", Addresses::TargetE},    {"Label15", Addresses::TargetF},
        {"Label16", Addresses::TargetG},    {"Label17", Addresses::TargetH},
        {"RzButton8", Addresses::HomePage},
    };
    for (const auto& link : links) {
        SCOPED_TRACE(link.control);
        browser.opened.clear();
        QWidget* control = Child(link.control);
        ASSERT_NE(control, nullptr);
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_EQ(browser.opened, QStringList{QString::fromUtf8(link.address)});
    }
    // Eight different targets and the home page, all of them the maker's own
    // or its partners', never a real site.
    const QStringList all = {Addresses::HomePage, Addresses::TargetA, Addresses::TargetB,
                             Addresses::TargetC,  Addresses::TargetD, Addresses::TargetE,
                             Addresses::TargetF,  Addresses::TargetG, Addresses::TargetH};
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
    for (const QString& address : all) {
        const QUrl url(address);
        EXPECT_TRUE(url.host().endsWith(QStringLiteral(".example"))) << address.toStdString();
    }
}

TEST_F(MainWindowTest, ABrowserThatWillNotStartShowsNothing) {
    browser.succeed = false;
    QTest::mouseClick(Child("RzButton8"), Qt::LeftButton);
    QTest::mouseClick(Child("Label3"), Qt::LeftButton);
    EXPECT_EQ(browser.opened.size(), 2);
    EXPECT_TRUE(errors.messages.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

namespace {

class ThrowingBrowser final : public platform::BrowserLauncher {
public:
    bool open(const QString&) override { throw std::runtime_error("浏览器不可用"); }
};

}  // namespace

TEST_F(MainWindowTest, AnExceptionFromAHandlerIsShownAndTheProgramCarriesOn) {
    ThrowingBrowser throwing;
    shell::Services broken = services;
    broken.browser = &throwing;
    Unt_Main::TFrmmain window(broken);
    window.show();

    auto* label = window.findChild<QWidget*>(QStringLiteral("Label2"));
    ASSERT_NE(label, nullptr);
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("RzButton8")), Qt::LeftButton);
    EXPECT_EQ(errors.messages, QStringList({"浏览器不可用", "浏览器不可用"}));

    // The window still works: an omen button still opens its reading.
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("RzButton1")), Qt::LeftButton);
    EXPECT_EQ(ReadingWindows().size(), 1u);
}

// "查看日历" and "关闭系统" open windows of their own: see test_CalendarButton.cpp
// and exitflow_tests.

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramWhileReadingsAreOpen) {
    QTest::mouseClick(Child("RzButton1"), Qt::LeftButton);
    ASSERT_EQ(ReadingWindows().size(), 1u);

    // Confirm the exit without touching the start page.
    testing_support::ModalDriver driver({[](EndMsg::TFrmMsG& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(false);
        dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    }});
    bool stuck = false;
    QTimer::singleShot(0, Frmmain.get(), [this] { Frmmain->close(); });
    QTimer::singleShot(5000, [&stuck] {
        stuck = true;
        QCoreApplication::quit();
    });
    QApplication::exec();
    EXPECT_FALSE(stuck) << "the message loop went on after the main window closed";
    EXPECT_EQ(driver.dialogsAnswered(), 1);
}

TEST_F(MainWindowTest, KeyControlsSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(Frmmain->objectName(), QStringLiteral("Frmmain"));
    EXPECT_EQ(Frmmain->windowTitle(), QStringLiteral("Omenwise"));
    EXPECT_EQ(Frmmain->size(), QSize(792, 566));
    EXPECT_FALSE(Frmmain->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Frmmain->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QPoint screenCentre = Frmmain->screen()->availableGeometry().center();
    EXPECT_LE((Frmmain->frameGeometry().center() - screenCentre).manhattanLength(), 2);

    const struct {
        const char* control;
        QRect geometry;  // relative to the control's parent
    } controls[] = {
        {"RzPanel1", {0, 0, 792, 84}},       {"Image1", {2, 2, 788, 80}},
        {"RzPanel3", {0, 84, 792, 462}},     {"RzPanel6", {0, 0, 792, 48}},
        {"Image16", {2, 2, 788, 44}},        {"RzPanel2", {0, 48, 176, 414}},
        {"Image2", {4, 4, 168, 406}},        {"Image21", {4, 4, 168, 406}},
        {"RzPanel4", {176, 48, 616, 414}},   {"Image15", {2, 2, 612, 410}},
        {"RzStatusBar1", {0, 546, 792, 20}}, {"RzButton1", {6, 4, 80, 20}},
        {"RzButton12", {532, 4, 80, 20}},    {"RzButton2", {707, 4, 80, 20}},
        {"RzButton3", {532, 25, 80, 20}},    {"RzButton7", {708, 25, 80, 20}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control);
        QWidget* w = Child(c.control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.geometry);
    }
    EXPECT_EQ(Child("RzStatusPane1")->width(), 463);

    // Link labels: left 13, 14 high, as wide as their captions, and inside the
    // column's picture so no caption is cut.
    const struct {
        const char* label;
        int top;
    } links[] = {{"Label2", 12},   {"Label3", 34},   {"Label4", 58},   {"Label1", 82},
                 {"Label5", 106},  {"Label6", 130},  {"Label7", 154},  {"Label8", 178},
                 {"Label9", 202},  {"Label10", 226}, {"Label12", 249}, {"Label13", 273},
                 {"Label14", 297}, {"Label11", 321}, {"Label15", 345}, {"Label16", 369},
                 {"Label17", 393}};
    for (const auto& l : links) {
        SCOPED_TRACE(l.label);
        auto* label = Child<QLabel>(l.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), QPoint(13, l.top));
        EXPECT_EQ(label->height(), 14);
        EXPECT_EQ(label->width(), label->sizeHint().width());
        EXPECT_LE(label->geometry().right(), 4 + 168 - 4);
    }
}

TEST_F(MainWindowTest, TabOrderFollowsTheButtonNumbers) {
    QWidget* w = Child("RzButton1");
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (!qobject_cast<QPushButton*>(w)) w = w->nextInFocusChain();
    }
    QStringList expected;
    for (int i = 1; i <= 12; ++i) expected << QStringLiteral("RzButton%1").arg(i);
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, ButtonsLightUpWhileTheMouseIsOverThem) {
    auto* button = Child<QPushButton>("RzButton9");
    auto* neighbour = Child<QPushButton>("RzButton10");
    const QPoint inside(40, 2);  // in the face, clear of the caption
    const QColor face = button->grab().toImage().pixelColor(inside);
    EXPECT_EQ(face, QColor(0xF4, 0xF4, 0xF0));

    QEnterEvent enter(inside, button->mapTo(Frmmain.get(), inside), button->mapToGlobal(inside));
    QApplication::sendEvent(button, &enter);
    EXPECT_NE(button->grab().toImage().pixelColor(inside), face);
    EXPECT_EQ(neighbour->grab().toImage().pixelColor(inside), face);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->grab().toImage().pixelColor(inside), face);
}

TEST_F(MainWindowTest, RegionsFollowTheWindowSize) {
    Frmmain->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(Child("RzPanel1")->geometry(), QRect(0, 0, 900, 84));
    EXPECT_EQ(Child("RzStatusBar1")->geometry(), QRect(0, 680, 900, 20));
    EXPECT_EQ(Child("RzPanel2")->geometry(), QRect(0, 48, 176, 548));
    EXPECT_EQ(Child("RzPanel4")->geometry(), QRect(176, 48, 724, 548));
}
