// The omen reading window: what ShowOmenReading opens, the exact readings,
// and that the user can neither change the text nor reach another page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStringList>
#include <QTest>

#include <vector>

#include "platform/GroovedPanel.h"
#include "readings/UntOnther.h"

namespace {

using UntOnther::ShowOmenReading;
using UntOnther::TFormOnther;

// The readings as the user must see them, line by line, written out here
// independently of the window so that a slip in either shows.
const std::vector<std::vector<const char*>> kExpectedLines = {
    {
        "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
        "凌晨3 点-凌晨5点 有人前来相约食饭。",
        "早上5 点-早上7点 有财运到来或有人找你询问事情。",
        "早上 7点-早上9点 有人请食饭、大喜之事将发生。",
        "早上9点-中午11点 有朋友将前来求财。",
        "中午11点-下午1点 有贵客到来，你会为远方来宾举行宴会。",
        "下午 1点-下午3点 有人请食饭，吉利之事将会降临你身。",
        "下午 3点-下午5点 小心饮食。",
        "下午 5点-晚上7点 有异性前来相求、询问事情。",
        "晚上 7点-晚上9点 你会思念一位异性、希望和好如初。",
        "晚上9点-晚上11点 有惊无险，虚惊一场。",
        "晚上11点-凌晨1点 有人欢朋宴客。",
    },
    {
        "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
        "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。",
        "寅时：主有远客，来聚会吉。  申时：主有贵人，会道想见。",
        "卯时：主有饮食，及友人来。  酉时：主有远人，相会大吉。",
        "辰时：主有远客，喜事相逢。  戌时：主有酒食，自送来事。",
        "巳时：主有要事，人相大吉。  亥时：主有官非，口舌之事。",
    },
    {
        "子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。",
        "丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。",
        "寅时：主有远客，饮食大吉。 申时：主有贵人，会道想见。",
        "卯时：主有饮食，及友人来。 酉时：主有大喜，之信至吉。",
        "辰时：主有成客，喜事大吉。 戌时：主有贵人，即至大吉。",
        "巳时：主有女思，及喜事至。 亥时：主有丧服，及恶梦凶。",
    },
    {
        "子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。",
        "丑时；主心中有，忧疑之事。 未时：主妻外心，有破财喜。",
        "寅时：主失得财，帛大吉利。 申时：主家宅内，小口事凶。",
        "卯时：主失雄心，得财利来。 酉时：主加官禄，有得财吉。",
        "辰时：主有财喜，大事通吉。 戌时：主有口舌，招灾事凶。",
        "巳时：主亲人来，及有信至。 亥时：主有官司，词讼随后。",
    },
    {
        "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
        "丑时：左有忧人，右有人恩。未时：左主吉昌，右有中喜。",
        "寅时：左远人来，右若事至。申时：左有损财，右有女思。",
        "卯时：左贵客来，右平安进。酉时：左有客来，右远客至。",
        "辰时：左远客来，右主损害。戌时：左有客至，右主聚会。",
        "巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。",
    },
    {
        "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。",
        "丑时：主有喜事，临身夺吉。未时：主有客至，相求之事。",
        "寅时：主有饮食，相会大吉。申时：主有喜享，酒食宴乐。",
        "卯时：主有远人，来相见吉。酉时：主有人来，言婚姻事。",
        "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。",
        "已时：主有财物，之事不利。亥时：主有官非，词讼之事。",
    },
    {
        "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。",
        "寅时：左主失财，右主心急。未时：左主饮食，右主人来。",
        "卯时：左主饮食，右主室至。申时：左主行人，右主喜事。",
        "辰时：左主远行，右主室至。酉时：左主失财，右主大吉。",
        "巳时：左主凶事，右主大吉。戌时：左主饮食，右主客至。",
        "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。",
    },
};

const char* const kExpectedLegend[] = {
    "说明：",
    "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
    "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
    "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点",
};

QString ExpectedPage(int page) {
    QStringList lines;
    for (const char* line : kExpectedLines[page]) {
        lines.append(QString::fromUtf8(line));
    }
    return lines.join(QStringLiteral("\n\n"));
}

struct Omen {
    const char* caption;
    int page;
    const char* tabSheet;
    const char* memo;
};

// The seven omens as the main window's buttons open them.
const Omen kOmens[] = {
    {"打喷嚏占卜吉凶", 0, "TabSheet1", "RzMemo1"}, {"面热测吉凶", 1, "TabSheet2", "RzMemo2"},
    {"心惊测吉凶", 2, "TabSheet3", "RzMemo3"},     {"犬吠测吉凶", 3, "TabSheet4", "RzMemo4"},
    {"眼跳测吉凶", 4, "TabSheet5", "RzMemo5"},     {"耳热测吉凶", 5, "TabSheet6", "RzMemo8"},
    {"耳鸣测吉凶", 6, "TabSheet7", "RzMemo7"},
};

// Opens windows and makes sure none outlives its test.
class ReadingWindowTest : public ::testing::Test {
protected:
    TFormOnther* Open(const QString& caption, int page) {
        TFormOnther* form = ShowOmenReading(caption, page);
        opened_.append(form);
        return form;
    }
    TFormOnther* Open(const Omen& omen) { return Open(QString::fromUtf8(omen.caption), omen.page); }

    static void FlushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void TearDown() override {
        for (const QPointer<TFormOnther>& form : opened_) {
            delete form.data();
        }
        FlushDeletes();
    }

private:
    QList<QPointer<TFormOnther>> opened_;
};

QStackedWidget* PageControl(QWidget* form) {
    return form->findChild<QStackedWidget*>(QStringLiteral("RzPageControl1"));
}

QPlainTextEdit* Memo(QWidget* form, const char* name) {
    return form->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
}

TEST_F(ReadingWindowTest, EachOmenOpensItsPageUnderItsCaption) {
    for (const Omen& omen : kOmens) {
        SCOPED_TRACE(omen.caption);
        TFormOnther* form = Open(omen);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->objectName(), QStringLiteral("FormOnther"));
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(omen.caption));
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->isWindow());
        EXPECT_EQ(form->parent(), nullptr);

        QStackedWidget* pages = PageControl(form);
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->count(), UntOnther::kPageCount);
        EXPECT_EQ(pages->currentIndex(), omen.page);
        EXPECT_EQ(pages->currentWidget()->objectName(), QString::fromLatin1(omen.tabSheet));

        QPlainTextEdit* memo = Memo(form, omen.memo);
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->parentWidget(), pages->currentWidget());
        EXPECT_TRUE(memo->isVisible());
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->size(), QSize(376, 179));
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
}

TEST_F(ReadingWindowTest, WindowIsLaidOutAndCentred) {
    TFormOnther* form = Open(QStringLiteral("x"), 0);
    EXPECT_EQ(form->size(), QSize(380, 249));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((form->frameGeometry().center() - screen.center()).manhattanLength(), 1);

    // Only the close button in the title bar. (Qt itself adds the system menu
    // hint to any window with a close button; a frame shows no menu for it.)
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowContextHelpButtonHint));

    auto* panel = form->findChild<platform::GroovedPanel*>(QStringLiteral("RzPanel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 380, 249));
    EXPECT_EQ(PageControl(form)->geometry(), QRect(0, -19, 380, 201));
    auto* legend = form->findChild<QLabel*>(QStringLiteral("RzLabel1"));
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->geometry(), QRect(4, 185, 360, 56));

    // Only the background panel follows the window's size.
    form->resize(500, 320);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 500, 320));
    EXPECT_EQ(PageControl(form)->geometry(), QRect(0, -19, 380, 201));
    EXPECT_EQ(legend->geometry(), QRect(4, 185, 360, 56));
    EXPECT_EQ(Memo(form, "RzMemo1")->size(), QSize(376, 179));
}

TEST_F(ReadingWindowTest, EveryPageHoldsItsReadingsExactly) {
    TFormOnther* form = Open(QStringLiteral("x"), 0);
    for (const Omen& omen : kOmens) {
        SCOPED_TRACE(omen.memo);
        EXPECT_EQ(Memo(form, omen.memo)->toPlainText(), ExpectedPage(omen.page));
    }
}

TEST_F(ReadingWindowTest, LegendGivesThePeriodsHours) {
    TFormOnther* form = Open(QStringLiteral("x"), 3);
    auto* legend = form->findChild<QLabel*>(QStringLiteral("RzLabel1"));
    ASSERT_NE(legend, nullptr);
    QString expected;
    for (const char* line : kExpectedLegend) {
        expected += QString::fromUtf8(line) + QLatin1Char('\n');
    }
    EXPECT_EQ(legend->text(), expected);
    EXPECT_TRUE(legend->isVisible());
    EXPECT_TRUE(legend->wordWrap());
    EXPECT_EQ(legend->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(legend->font().pixelSize(), 12);
    // All four lines must show inside the label: none may wrap.
    const int oneLine = legend->fontMetrics().lineSpacing();
    EXPECT_LE(legend->heightForWidth(legend->width()), 5 * oneLine);
}

TEST_F(ReadingWindowTest, TwoCallsMakeTwoWindowsAndClosingOneLeavesTheOther) {
    const Omen& omen = kOmens[2];
    QPointer<TFormOnther> first = Open(omen);
    QPointer<TFormOnther> second = Open(omen);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.data(), second.data());
    for (TFormOnther* form : {first.data(), second.data()}) {
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(omen.caption));
        EXPECT_EQ(PageControl(form)->currentIndex(), omen.page);
    }
    EXPECT_EQ(first->geometry(), second->geometry());

    EXPECT_TRUE(first->close());
    FlushDeletes();
    EXPECT_TRUE(first.isNull()) << "a closed reading window must be freed";
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->windowTitle(), QString::fromUtf8(omen.caption));
    EXPECT_EQ(PageControl(second)->currentIndex(), omen.page);
    EXPECT_EQ(Memo(second, omen.memo)->toPlainText(), ExpectedPage(omen.page));

    EXPECT_TRUE(second->close());
    FlushDeletes();
    EXPECT_TRUE(second.isNull());
}

TEST_F(ReadingWindowTest, PageOutsideTheSevenShowsAnEmptyPage) {
    for (int page : {-1, 7}) {
        SCOPED_TRACE(page);
        TFormOnther* form = Open(QStringLiteral("空"), page);
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->windowTitle(), QStringLiteral("空"));
        for (QPlainTextEdit* memo : form->findChildren<QPlainTextEdit*>()) {
            EXPECT_FALSE(memo->isVisible()) << memo->objectName().toStdString();
        }
        EXPECT_TRUE(form->findChild<QLabel*>(QStringLiteral("RzLabel1"))->isVisible());
        EXPECT_FALSE(form->grab().isNull());
    }
}

TEST_F(ReadingWindowTest, TextCannotBeChanged) {
    TFormOnther* form = Open(QStringLiteral("x"), 0);
    QPlainTextEdit* memo = Memo(form, "RzMemo1");
    memo->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));

    QTest::keyClicks(memo, QStringLiteral("abc"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Backspace);
    QTest::keyClick(memo, Qt::Key_Delete);
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);

    EXPECT_EQ(memo->toPlainText(), ExpectedPage(0));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("pasted"));
}

TEST_F(ReadingWindowTest, KeyboardCannotSwitchThePage) {
    TFormOnther* form = Open(QStringLiteral("x"), 4);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } switches[] = {
        {Qt::Key_Tab, Qt::ControlModifier},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_PageDown, Qt::ControlModifier},
        {Qt::Key_PageUp, Qt::ControlModifier},
    };
    for (QWidget* target :
         {static_cast<QWidget*>(form), static_cast<QWidget*>(Memo(form, "RzMemo5"))}) {
        for (const auto& s : switches) {
            QTest::keyClick(target, s.key, s.modifiers);
            EXPECT_EQ(PageControl(form)->currentIndex(), 4);
        }
    }
}

// Page 0 is longer than its box and needs the scroll bar; the others fit.
TEST_F(ReadingWindowTest, OnlyTheFirstPageScrolls) {
    for (const Omen& omen : kOmens) {
        SCOPED_TRACE(omen.memo);
        TFormOnther* form = Open(omen);
        QCoreApplication::processEvents();
        QScrollBar* bar = Memo(form, omen.memo)->verticalScrollBar();
        EXPECT_TRUE(bar->isVisible());
        if (omen.page == 0) {
            EXPECT_GT(bar->maximum(), 0);
        } else {
            EXPECT_EQ(bar->maximum(), 0);
        }
    }
}

// The panel behind the legend runs from light blue at the top to a greener
// shade at the bottom, inside a darker groove.
TEST_F(ReadingWindowTest, BackgroundIsAGroovedGradient) {
    TFormOnther* form = Open(QStringLiteral("x"), 0);
    auto* panel = form->findChild<platform::GroovedPanel*>(QStringLiteral("RzPanel1"));
    QImage image(panel->size(), QImage::Format_RGB32);
    panel->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);

    const auto near = [](QColor actual, QColor expected) {
        return qAbs(actual.red() - expected.red()) <= 2 &&
               qAbs(actual.green() - expected.green()) <= 2 &&
               qAbs(actual.blue() - expected.blue()) <= 2;
    };
    const QColor top = image.pixelColor(190, 2);
    const QColor bottom = image.pixelColor(190, panel->height() - 3);
    EXPECT_TRUE(near(top, QColor(0xCD, 0xEC, 0xFB))) << top.name().toStdString();
    EXPECT_TRUE(near(bottom, QColor(0xD5, 0xEC, 0xE6))) << bottom.name().toStdString();
    const QColor edge = image.pixelColor(0, 120);
    EXPECT_LT(edge.lightness(), image.pixelColor(190, 120).lightness());
}

}  // namespace
