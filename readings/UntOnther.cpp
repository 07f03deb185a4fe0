#include "readings/UntOnther.h"

#include "platform/Fonts.h"
#include "ui_UntOnther.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStringList>

#include <vector>

namespace UntOnther {

namespace {

// The readings, one table of lines per page, in page order.
const std::vector<std::vector<const char8_t*>>& PageLines() {
    static const std::vector<std::vector<const char8_t*>> pages = {
        {
            u8"凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
            u8"凌晨3 点-凌晨5点 有人前来相约食饭。",
            u8"早上5 点-早上7点 有财运到来或有人找你询问事情。",
            u8"早上 7点-早上9点 有人请食饭、大喜之事将发生。",
            u8"早上9点-中午11点 有朋友将前来求财。",
            u8"中午11点-下午1点 有贵客到来，你会为远方来宾举行宴会。",
            u8"下午 1点-下午3点 有人请食饭，吉利之事将会降临你身。",
            u8"下午 3点-下午5点 小心饮食。",
            u8"下午 5点-晚上7点 有异性前来相求、询问事情。",
            u8"晚上 7点-晚上9点 你会思念一位异性、希望和好如初。",
            u8"晚上9点-晚上11点 有惊无险，虚惊一场。",
            u8"晚上11点-凌晨1点 有人欢朋宴客。",
        },
        {
            u8"子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
            u8"丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。",
            u8"寅时：主有远客，来聚会吉。  申时：主有贵人，会道想见。",
            u8"卯时：主有饮食，及友人来。  酉时：主有远人，相会大吉。",
            u8"辰时：主有远客，喜事相逢。  戌时：主有酒食，自送来事。",
            u8"巳时：主有要事，人相大吉。  亥时：主有官非，口舌之事。",
        },
        {
            u8"子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。",
            u8"丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。",
            u8"寅时：主有远客，饮食大吉。 申时：主有贵人，会道想见。",
            u8"卯时：主有饮食，及友人来。 酉时：主有大喜，之信至吉。",
            u8"辰时：主有成客，喜事大吉。 戌时：主有贵人，即至大吉。",
            u8"巳时：主有女思，及喜事至。 亥时：主有丧服，及恶梦凶。",
        },
        {
            u8"子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。",
            u8"丑时；主心中有，忧疑之事。 未时：主妻外心，有破财喜。",
            u8"寅时：主失得财，帛大吉利。 申时：主家宅内，小口事凶。",
            u8"卯时：主失雄心，得财利来。 酉时：主加官禄，有得财吉。",
            u8"辰时：主有财喜，大事通吉。 戌时：主有口舌，招灾事凶。",
            u8"巳时：主亲人来，及有信至。 亥时：主有官司，词讼随后。",
        },
        {
            u8"子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
            u8"丑时：左有忧人，右有人恩。未时：左主吉昌，右有中喜。",
            u8"寅时：左远人来，右若事至。申时：左有损财，右有女思。",
            u8"卯时：左贵客来，右平安进。酉时：左有客来，右远客至。",
            u8"辰时：左远客来，右主损害。戌时：左有客至，右主聚会。",
            u8"巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。",
        },
        {
            u8"子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。",
            u8"丑时：主有喜事，临身夺吉。未时：主有客至，相求之事。",
            u8"寅时：主有饮食，相会大吉。申时：主有喜享，酒食宴乐。",
            u8"卯时：主有远人，来相见吉。酉时：主有人来，言婚姻事。",
            u8"辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。",
            u8"已时：主有财物，之事不利。亥时：主有官非，词讼之事。",
        },
        {
            u8"子时：左主女思，右主失财。丑时：左主口舌，右主争讼。",
            u8"寅时：左主失财，右主心急。未时：左主饮食，右主人来。",
            u8"卯时：左主饮食，右主室至。申时：左主行人，右主喜事。",
            u8"辰时：左主远行，右主室至。酉时：左主失财，右主大吉。",
            u8"巳时：左主凶事，右主大吉。戌时：左主饮食，右主客至。",
            u8"午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。",
        },
    };
    return pages;
}

const char8_t* const kLegendLines[] = {
    u8"说明：",
    u8"   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
    u8"   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
    u8"   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点",
};

// One empty line between two readings, none after the last.
QString PageText(int page) {
    QStringList lines;
    for (const char8_t* line : PageLines()[page]) {
        lines.append(QString::fromUtf8(line));
    }
    return lines.join(QStringLiteral("\n\n"));
}

// Every legend line ends in a line break, the last one too.
QString LegendText() {
    QString text;
    for (const char8_t* line : kLegendLines) {
        text += QString::fromUtf8(line) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace

TFormOnther::TFormOnther(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormOnther>()) {
    ui->setupUi(this);
    // Only the close button: no system menu, no minimize or maximize. The
    // frame stays resizable, and only the background panel follows it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(platform::PixelFont(QStringLiteral("宋体"), 12));

    // Top to bottom, so the page area sits on the lighter blue and the legend
    // on the greener end.
    ui->RzPanel1->setGradient(QColor(0xCD, 0xEC, 0xFB), QColor(0xD5, 0xEC, 0xE6), Qt::Vertical);

    // The page control reaches 19 pixels above the panel, where a tab row would
    // be, so only its page area shows. It is a stack, not a tab widget: there
    // is no tab row at all and no Ctrl+Tab or Ctrl+PageDown, so the page the
    // window was opened with is the only one the user ever sees.
    ui->RzPageControl1->setContentsMargins(2, 20, 2, 2);

    QPlainTextEdit* const memos[kPageCount] = {ui->RzMemo1, ui->RzMemo2, ui->RzMemo3, ui->RzMemo4,
                                               ui->RzMemo5, ui->RzMemo8, ui->RzMemo7};
    for (int page = 0; page < kPageCount; ++page) {
        QPlainTextEdit* memo = memos[page];
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Light));
        memo->setPalette(palette);
        memo->setPlainText(PageText(page));
    }

    ui->RzLabel1->setFont(platform::PixelFont(QStringLiteral("宋体"), 12));
    QPalette legend = ui->RzLabel1->palette();
    legend.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    ui->RzLabel1->setPalette(legend);
    ui->RzLabel1->setText(LegendText());

    // Parentless windows outlive the event loop unless something frees them:
    // the ones still open when the program ends go with it.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

TFormOnther::~TFormOnther() = default;

void TFormOnther::SelectPage(int page) {
    const bool valid = page >= 0 && page < kPageCount;
    if (valid) {
        ui->RzPageControl1->setCurrentIndex(page);
    }
    ui->RzPageControl1->setVisible(valid);
}

void TFormOnther::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

void TFormOnther::FormClose() {
    setAttribute(Qt::WA_DeleteOnClose);
}

TFormOnther* ShowOmenReading(const QString& caption, int page) {
    auto* form = new TFormOnther();
    form->setWindowTitle(caption);
    form->SelectPage(page);
    form->resize(380, 249);
    form->show();
    // Centred as a whole, title bar included; the frame's size is known once
    // the window is shown.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = form->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form->move(frame.topLeft());
    }
    form->raise();
    form->activateWindow();
    return form;
}

}  // namespace UntOnther
