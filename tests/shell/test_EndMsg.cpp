#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Picture.h"
#include "platform/Registry.h"
#include "shell/EndMsg.h"
#include "tests/shell/ModalDriver.h"
#include "tests/support/Fakes.h"

using EndMsg::TFrmMsG;
using testing_support::ModalDriver;
using testing_support::RecordingErrorReporter;

namespace {

const QByteArray Header = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray MainSection =
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n";

QByteArray HiveWith(const QByteArray& startPageLine) {
    return Header + "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Keep\"=dword:00000007\r\n\r\n" +
           MainSection + "\"Search Page\"=\"http://search.example/\"\r\n" + startPageLine + "\r\n";
}

// The start page as a plain string whose text is `text`, whatever it holds.
QByteArray StringLine(const QString& text) {
    QByteArray line = "\"Start Page\"=hex(1):";
    for (QChar c : text + QChar(0))
        line += QByteArray::number(c.unicode() & 0xff, 16).rightJustified(2, '0') + ",00,";
    line.chop(1);
    return line;
}

// A hive file in a temporary folder, as the dialog meets it.
class Hive {
public:
    Hive() : path_(dir_.filePath(QStringLiteral("omenwise/HKEY_CURRENT_USER.reg"))) {}
    explicit Hive(const QByteArray& bytes) : Hive() { store(bytes); }

    void store(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        QFile f(path_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray bytes() const {
        QFile f(path_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
    }
    bool exists() const { return QFileInfo::exists(path_); }
    platform::HiveFileRegistry& registry() { return registry_; }
    const QString& path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
    platform::HiveFileRegistry registry_{path_};
};

QPushButton* Button(TFrmMsG& d, const char* name) {
    return d.findChild<QPushButton*>(QString::fromLatin1(name));
}
QCheckBox* Box(TFrmMsG& d) {
    return d.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
}

}  // namespace

TEST(ExitDialog, LooksAsDesigned) {
    Hive hive;
    TFrmMsG dialog(hive.registry());
    EXPECT_EQ(dialog.objectName(), "FrmMsG");
    EXPECT_EQ(dialog.windowTitle(), "退出系统");
    EXPECT_EQ(dialog.size(), QSize(236, 101));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.pos(), QPoint(500, 303));
    EXPECT_EQ(dialog.parentWidget(), nullptr);

    // A title bar with no buttons at all.
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    for (Qt::WindowType button :
         {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags & button) << button;
    EXPECT_EQ(dialog.font().family(), "宋体");
    EXPECT_EQ(dialog.font().pixelSize(), 12);

    struct Control {
        const char* name;
        QRect geometry;  // an empty size: only the position is fixed
        const char* text;
    };
    const Control controls[] = {
        {"RzPanel1", {0, 0, 236, 101}, nullptr},
        {"Image1", {9, 9, 41, 44}, nullptr},
        {"Label1", {64, 21, 0, 0}, "您是否确定要退出系统？"},
        {"CheckBox1", {64, 44, 169, 17}, "设Navora为首页"},
        {"Button1", {40, 69, 82, 25}, "是(&Y)"},
        {"Button2", {136, 69, 82, 25}, "否(&N)"},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        auto* w = dialog.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_TRUE(w);
        if (c.geometry.isEmpty())
            EXPECT_EQ(w->pos(), c.geometry.topLeft());
        else
            EXPECT_EQ(w->geometry(), c.geometry);
        if (!c.text) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        EXPECT_EQ(text, QString::fromUtf8(c.text));
    }
    EXPECT_EQ(dialog.findChild<platform::Picture*>("Image1")->naturalSize(), QSize(41, 42));
    EXPECT_TRUE(Box(dialog)->isChecked());
    EXPECT_FALSE(dialog.Confirmed);
}

TEST(ExitDialog, ShownWhereDesignedWithTheFocusOnYes) {
    Hive hive;
    TFrmMsG dialog(hive.registry());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog, 5000));
    EXPECT_EQ(dialog.pos(), QPoint(500, 303));  // not centred when shown
    EXPECT_EQ(QApplication::focusWidget(), Button(dialog, "Button1"));
    for (const char* next : {"Button2", "CheckBox1", "Button1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
}

// What FormCreate makes of the stored start page. Creating the dialog never
// writes the hive.
TEST(ExitDialog, OffersTheStartPageUnlessThePortalAlreadyIsIt) {
    struct Case {
        const char* label;
        QByteArray hive;  // empty: no file at all
        bool boxShown;
        const char* error;
    };
    const QByteArray promoted = "\"Start Page\"=\"http://www.navora.example/?400\"";
    const Case cases[] = {
        {"the promoted address", HiveWith(promoted), false, nullptr},
        {"with blanks around", HiveWith("\"Start Page\"=\"  http://www.navora.example/?400 \t\""),
         false, nullptr},
        {"with line breaks around", HiveWith(StringLine("\r\nhttp://www.navora.example/?400\n")),
         false, nullptr},
        {"followed by a NUL and more",
         HiveWith(StringLine(QStringLiteral("http://www.navora.example/?400") + QChar(0) + "x")),
         false, nullptr},
        {"as an expandable string",
         HiveWith("\"Start Page\"=hex(2):" + StringLine("http://www.navora.example/?400").mid(20)),
         false, nullptr},
        {"in other letter case", HiveWith("\"Start Page\"=\"HTTP://WWW.NAVORA.EXAMPLE/?400\""),
         true, nullptr},
        {"another page", HiveWith("\"Start Page\"=\"http://www.other.example/\""), true, nullptr},
        {"with another character around",
         HiveWith("\"Start Page\"=\"http://www.navora.example/?400/\""), true, nullptr},
        {"missing value", HiveWith(""), true, nullptr},
        {"missing file", QByteArray(), true, nullptr},
        {"unparsable hive", "garbage\r\n", true, nullptr},
        {"not a string", HiveWith("\"Start Page\"=dword:00000190"), true,
         "Invalid data type for 'Start Page'"},
        {"binary", HiveWith("\"Start Page\"=hex:68,00,00,00"), true,
         "Invalid data type for 'Start Page'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RecordingErrorReporter errors;
        Hive hive;
        if (!c.hive.isEmpty()) hive.store(c.hive);
        const QByteArray before = hive.bytes();

        TFrmMsG dialog(hive.registry());
        EXPECT_EQ(!Box(dialog)->isHidden(), c.boxShown);
        EXPECT_EQ(Box(dialog)->isChecked(), c.boxShown);
        EXPECT_EQ(errors.messages, c.error ? QStringList{c.error} : QStringList{});
        EXPECT_FALSE(dialog.Confirmed);
        EXPECT_EQ(hive.bytes(), before);
    }
}

// Each answer given through the dialog as shown by ConfirmExit.
TEST(ExitDialog, AnswersAndWhatTheyDoToTheStartPage) {
    enum Answer { Yes, No, CloseOtherwise };
    struct Case {
        const char* label;
        QByteArray startPageLine;
        bool untick;
        Answer answer;
        bool confirmed;
        bool writes;  // else the file stays byte for byte
    };
    const Case cases[] = {
        {"yes, ticked, another page", "\"Start Page\"=\"http://old.example/\"", false, Yes, true,
         true},
        {"yes, ticked, no value yet", "", false, Yes, true, true},
        {"yes, unticked", "\"Start Page\"=\"http://old.example/\"", true, Yes, true, false},
        {"yes, portal already the start page", "\"Start Page\"=\" http://www.navora.example/?400\"",
         false, Yes, true, false},
        {"no, ticked", "\"Start Page\"=\"http://old.example/\"", false, No, false, false},
        {"no, unticked", "\"Start Page\"=\"http://old.example/\"", true, No, false, false},
        {"closed some other way", "\"Start Page\"=\"http://old.example/\"", false, CloseOtherwise,
         false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RecordingErrorReporter errors;
        Hive hive(HiveWith(c.startPageLine));
        const QByteArray before = hive.bytes();

        ModalDriver driver({[&](TFrmMsG& d) {
            if (c.untick) Box(d)->setChecked(false);
            switch (c.answer) {
                case Yes:
                    Button(d, "Button1")->click();
                    break;
                case No:
                    Button(d, "Button2")->click();
                    break;
                case CloseOtherwise:
                    d.close();
                    break;
            }
        }});
        EXPECT_EQ(EndMsg::ConfirmExit(hive.registry()), c.confirmed);
        EXPECT_EQ(driver.dialogsAnswered(), 1);
        EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('\n').toStdString();

        if (c.writes) {
            QByteArray expected = before;
            if (c.startPageLine.isEmpty())
                expected.replace("\"Search Page\"=\"http://search.example/\"\r\n",
                                 "\"Search Page\"=\"http://search.example/\"\r\n"
                                 "\"Start Page\"=\"http://www.navora.example/?400\"\r\n");
            else
                expected.replace(c.startPageLine,
                                 "\"Start Page\"=\"http://www.navora.example/?400\"");
            EXPECT_EQ(hive.bytes(), expected);
        } else {
            EXPECT_EQ(hive.bytes(), before);
        }
    }
}

TEST(ExitDialog, StartPageThatCannotBeWrittenIsReportedAndCancelsTheExit) {
    struct Case {
        const char* label;
        bool throughPlainFile;  // else: a hive that does not parse
    };
    for (const Case& c : {Case{"folder path runs through a plain file", true},
                          Case{"hive that does not parse", false}}) {
        SCOPED_TRACE(c.label);
        RecordingErrorReporter errors;
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("config"));
        QString hivePath = plain + QStringLiteral("/omenwise/HKEY_CURRENT_USER.reg");
        QByteArray old = "a plain file where a folder should be\n";
        if (!c.throughPlainFile) {
            hivePath = plain;
            old = HiveWith("\"Start Page\"=\"http://old.example/\"") + "\"broken";
        }
        {
            QFile f(plain);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        platform::HiveFileRegistry registry(hivePath);

        ModalDriver driver({[](TFrmMsG& d) { Button(d, "Button1")->click(); }});
        EXPECT_FALSE(EndMsg::ConfirmExit(registry));  // the dialog closed all the same
        EXPECT_EQ(driver.dialogsAnswered(), 1);
        EXPECT_EQ(errors.messages, QStringList{"Failed to set data for 'Start Page'"});
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), old);
    }
}

// The keyboard: Enter answers yes (the focus starts there), Alt+Y and Alt+N
// answer, Escape does nothing.
TEST(ExitDialog, Keyboard) {
    struct Case {
        const char* label;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool answers;
        bool confirmed;
    };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, true, true},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true, true},
        {"Alt+Y", Qt::Key_Y, Qt::AltModifier, true, true},
        {"Alt+N", Qt::Key_N, Qt::AltModifier, true, false},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, false, false},
        {"Shift+Escape", Qt::Key_Escape, Qt::ShiftModifier, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RecordingErrorReporter errors;
        Hive hive(HiveWith("\"Start Page\"=\"http://old.example/\""));
        const QByteArray before = hive.bytes();
        bool stayedOpen = false;

        ModalDriver driver({[&](TFrmMsG& d) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&d, 5000));
            QSignalSpy finished(&d, &QDialog::finished);
            QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
            // A mnemonic clicks its button after a short press animation;
            // the other keys act at once.
            if (finished.isEmpty() && c.answers) finished.wait(5000);
            stayedOpen = finished.isEmpty();
            if (stayedOpen) Button(d, "Button2")->click();
        }});
        const bool confirmed = EndMsg::ConfirmExit(hive.registry());
        EXPECT_EQ(stayedOpen, !c.answers);
        EXPECT_EQ(confirmed, c.confirmed);
        EXPECT_EQ(hive.bytes() != before, c.confirmed);
    }
}

TEST(ExitDialog, ReadAndWriteStartPageGoThroughTheBrowsersKey) {
    Hive hive;
    EndMsg::WriteStartPage(hive.registry(), QStringLiteral("http://www.navora.example/?400"));
    EXPECT_EQ(EndMsg::ReadStartPage(hive.registry()), "http://www.navora.example/?400");
    EXPECT_EQ(hive.bytes(),
              Header + MainSection + "\"Start Page\"=\"http://www.navora.example/?400\"\r\n");
}
