#include "calendar/DateWin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include "calendar/Controls.h"
#include "calendar/UpDown.h"
#include "platform/ClickLabel.h"
#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"

namespace DateWin {

std::uint16_t ShownYear = 0;
std::uint16_t ShownMonth = 0;
std::uint16_t ShownDay = 0;
CellLabels DayLabels{};
CellLabels LunarLabels{};
TFRM_Date* FRM_Date = nullptr;

namespace {

constexpr int kClientWidth = 331;
constexpr int kClientHeight = 285;
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
// 11 points at 96 dpi.
constexpr int kDayNumberPixels = 15;

const QColor kLunarDayColour(0x00, 0x40, 0x00);
const QColor kLunarMonthColour(0xFF, 0x00, 0x00);
const QColor kHolidayColour(0xFF, 0x80, 0x00);
const QColor kSolarTermColour(0x53, 0x53, 0xFF);
const QColor kFestivalColour(0xFF, 0x80, 0x00);

QString fromEngine(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont songti(int pixels, bool bold = false) {
    return platform::PixelFont(QStringLiteral("宋体"), pixels, bold);
}

// "Arial Black" is a face of its own; where a substitute stands in, the
// heaviest weight keeps its look.
QFont arialBlack(int pixels) {
    QFont font = platform::PixelFont(QStringLiteral("Arial Black"), pixels);
    font.setWeight(QFont::Black);
    return font;
}

void setTextColour(QLabel* label, const QColor& colour) {
    if (label->palette().color(QPalette::WindowText) == colour) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void setTag(QLabel* label, int tag) {
    const QVariant current = label->property("tag");
    if (current.isValid() && current.toInt() == tag) return;
    label->setProperty("tag", tag);
}

template <class Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                 const QFont& font, const QColor& colour, Qt::Alignment alignment = {}) {
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(alignment ? alignment : Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, colour);
    return label;
}

void makeWeekdayRow(QWidget* parent, int firstNumber, int top, int firstLeft) {
    static const char* const names[] = {"星期日", "星期一", "星期二", "星期三",
                                        "星期四", "星期五", "星期六"};
    for (int i = 0; i < 7; ++i) {
        const bool weekend = i == 0 || i == 6;
        const QByteArray name = "Label" + QByteArray::number(firstNumber + i);
        makeLabel(parent, name.constData(), QRect(firstLeft + 40 * i, top, 36, 12),
                  QString::fromUtf8(names[i]), songti(12), weekend ? Qt::red : Qt::black);
    }
}

}  // namespace

std::uint16_t DaysInMonthOf(std::uint16_t year, std::uint16_t month) {
    if (month < 1 || month > 12) return 0;
    return DateCn::GregorianMonthDays[DateCn::IsLeapYear(year) ? 1 : 0][month - 1];
}

std::uint16_t DaysInMonthOfDate(TDateTime date) {
    std::uint16_t year = 0, month = 0, day = 0;
    DateCn::DecodeDate(date, year, month, day);
    return DaysInMonthOf(year, month);
}

TDateTime ClampedDate(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    const std::uint16_t last = DaysInMonthOf(year, month);
    return DateCn::EncodeDate(year, month, day > last ? last : day);
}

TFRM_Date::TFRM_Date(const platform::Clock& clock, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      clock_(clock) {
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("Zantir日历"));
    setFont(songti(12));
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    resize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    buildDesignedControls();
    platform::guarded([this] { FormCreate(); });
    // The spinners and "今天" stay above everything, the cells included.
    UpDown1->raise();
    UpDown2->raise();
    StaticText1->raise();
}

TFRM_Date::~TFRM_Date() {
    if (FRM_Date == this) FRM_Date = nullptr;
    if (DayLabels == dayLabels_) {
        DayLabels = {};
        LunarLabels = {};
    }
}

// Back to front: every control is drawn over the ones created before it.
void TFRM_Date::buildDesignedControls() {
    Shape1 = new calendar::Shape(Qt::white, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, kClientWidth, kClientHeight);

    auto* image1 = new QWidget(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(9, 56, 297, 191);

    Label20 = makeLabel(this, "Label20", QRect(0, 56, 313, 72), QStringLiteral("1901"),
                        arialBlack(64), QColor(0xFF, 0xE8, 0xDD), Qt::AlignCenter);
    Label16 = makeLabel(this, "Label16", QRect(16, 146, 313, 134), QStringLiteral("1"),
                        arialBlack(120), QColor(0xEB, 0xEB, 0xEB), Qt::AlignCenter);

    auto* bevel2 = new calendar::Bevel(this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setGeometry(9, 46, 297, 10);

    Shape2 = new calendar::Shape(QColor(0x7E, 0xE2, 0x81), this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(12, 56, 38, 30);

    auto* label1 = makeLabel<platform::ClickLabel>(this, "Label1", QRect(120, 0, 76, 41),
                                                   QStringLiteral("1901"), arialBlack(29),
                                                   QColor(0x00, 0x00, 0xFF), Qt::AlignCenter);
    label1->setCursor(Qt::PointingHandCursor);
    label1->setToolTip(QStringLiteral("单击改变年份"));
    label1->adjustSize();
    connect(label1, &platform::ClickLabel::clicked, this,
            platform::Guard([this] { Label1Click(); }));
    Label1 = label1;

    makeWeekdayRow(this, 2, 40, 19);

    day1 = makeLabel(this, "day1", QRect(14, 56, 36, 16), QStringLiteral("1"), arialBlack(14),
                     Qt::black, Qt::AlignCenter);
    day1->hide();
    Cnday = makeLabel(this, "Cnday", QRect(13, 73, 36, 12), QStringLiteral("初一"), songti(12),
                      kLunarDayColour, Qt::AlignCenter);
    Cnday->hide();

    makeWeekdayRow(this, 9, 253, 20);

    auto* bevel1 = new calendar::Bevel(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(9, 240, 297, 10);

    auto* label17 = makeLabel<platform::ClickLabel>(
        this, "Label17", QRect(10, 3, 36, 37), QStringLiteral("1"),
        platform::PixelFont(QStringLiteral("Arial"), 32, true), QColor(0x80, 0x80, 0xC0));
    label17->setCursor(Qt::PointingHandCursor);
    label17->setToolTip(QStringLiteral("单击改变月份"));
    label17->adjustSize();
    connect(label17, &platform::ClickLabel::clicked, this,
            platform::Guard([this] { Label17Click(); }));
    Label17 = label17;

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    makeLabel(this, "Label18", QRect(45, 17, 15, 14), QStringLiteral("月"), songti(14, true),
              windowText);
    makeLabel(this, "Label19", QRect(205, 17, 15, 14), QStringLiteral("年"), songti(14, true),
              windowText);

    Label21 = makeLabel(this, "Label21", QRect(230, 212, 78, 35), QString(),
                        platform::PixelFont(QStringLiteral("隶书"), 35, true),
                        QColor(0xDD, 0xDD, 0xFF), Qt::AlignCenter);
    Label22 = makeLabel(this, "Label22", QRect(152, 223, 69, 23), QString(),
                        platform::PixelFont(QStringLiteral("黑体"), 19, true),
                        QColor(0xFF, 0x80, 0xFF), Qt::AlignCenter);

    UpDown1 = new calendar::UpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(221, 10, 16, 24);
    UpDown1->setRange(kFirstYear, kLastYear);
    connect(UpDown1, &calendar::UpDown::clicked, this, platform::Guard([this] { UpDown1Click(); }));

    UpDown2 = new calendar::UpDown(this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setGeometry(61, 10, 16, 24);
    UpDown2->setRange(1, 12);
    connect(UpDown2, &calendar::UpDown::clicked, this, platform::Guard([this] { UpDown2Click(); }));

    auto* today = makeLabel<platform::ClickLabel>(this, "StaticText1", QRect(272, 17, 28, 16),
                                                  QStringLiteral("今天"), songti(12), Qt::black,
                                                  Qt::AlignCenter);
    today->setFrameShape(QFrame::Box);
    today->setLineWidth(1);
    QPalette todayPalette = today->palette();
    todayPalette.setColor(QPalette::Window, QColor(0xCE, 0xF2, 0xD0));
    today->setPalette(todayPalette);
    today->setAutoFillBackground(true);
    today->setCursor(Qt::PointingHandCursor);
    connect(today, &platform::ClickLabel::clicked, this,
            platform::Guard([this] { StaticText1Click(); }));
    StaticText1 = today;
}

void TFRM_Date::BuildDayGrid() {
    for (int i = 1; i <= CellCount; ++i) {
        auto* dayLabel = new platform::ClickLabel(this);
        auto* lunarLabel = new platform::ClickLabel(this);
        // Cells select a day; they are not links, so they keep the arrow.
        dayLabel->unsetCursor();
        lunarLabel->unsetCursor();
        dayLabel->setObjectName(QStringLiteral("DayLabel%1").arg(i));
        lunarLabel->setObjectName(QStringLiteral("LunarLabel%1").arg(i));
        dayLabels_[i] = dayLabel;
        lunarLabels_[i] = lunarLabel;

        connect(dayLabel, &platform::ClickLabel::clicked, this,
                platform::Guard([this, dayLabel] { CnDayClick(dayLabel); }));
        connect(dayLabel, &platform::ClickLabel::pressed, this,
                platform::Guard([this, dayLabel] { CnDayMouseDown(dayLabel); }));
        connect(lunarLabel, &platform::ClickLabel::clicked, this,
                platform::Guard([this, lunarLabel] { CHnDayClick(lunarLabel); }));
        connect(lunarLabel, &platform::ClickLabel::pressed, this,
                platform::Guard([this, lunarLabel] { ChnDateMouseDown(lunarLabel); }));

        for (auto [label, model] : {std::pair{dayLabel, day1}, std::pair{lunarLabel, Cnday}}) {
            label->setTextFormat(Qt::PlainText);
            label->resize(model->size());
            label->setAlignment(model->alignment());
            if (i == 1) {
                label->move(model->pos());
            } else {
                const QLabel* previous =
                    label == dayLabel ? dayLabels_[i - 1] : lunarLabels_[i - 1];
                if ((i - 1) % 7 == 0) {
                    label->move(model->x(), previous->y() + 32);
                } else {
                    label->move(previous->x() + 42, previous->y());
                }
            }
            label->setFont(model->font());
            setTextColour(label, model->palette().color(QPalette::WindowText));
            label->hide();
        }
        setTextColour(dayLabel, Qt::black);
    }
    DayLabels = dayLabels_;
    LunarLabels = lunarLabels_;
}

void TFRM_Date::ShowMonth(TDateTime date) {
    std::uint16_t year = 0, month = 0, day = 0;
    DateCn::DecodeDate(date, year, month, day);
    const QString yearText = QString::number(year);
    const QString monthText = QString::number(month);
    Label20->setText(yearText);
    Label1->setText(yearText);
    Label1->adjustSize();
    Label17->setText(monthText);
    Label17->adjustSize();
    Label16->setText(monthText);
    Label21->setText(fromEngine(DateCn::YearAnimalOf(date)));

    // Every cell starts hidden and black; the month's days are worked out
    // first and the labels touched once, only where something changes.
    struct Cell {
        int day = 0;  // 0: the cell stays hidden
        QString lunar;
        QColor colour = Qt::black;
    };
    std::array<Cell, CellCount + 1> cells{};
    try {
        const TDateTime first = DateCn::EncodeDate(year, month, 1);
        const int firstWeekday = DateCn::DayOfWeek(first);
        const int days = DaysInMonthOfDate(first);
        for (int d = 1; d <= days; ++d) {
            const int k = firstWeekday + d - 1;
            if (k < 1 || k > CellCount) break;
            const TDateTime cellDate =
                DateCn::EncodeDate(year, month, static_cast<std::uint16_t>(d));
            Cell cell;
            cell.day = d;

            const std::string_view lunarDay = DateCn::LunarDayName(cellDate);
            if (lunarDay == "初一") {
                cell.lunar = fromEngine(DateCn::LunarMonthName(cellDate));
                cell.colour = kLunarMonthColour;
            } else {
                cell.lunar = fromEngine(lunarDay);
                cell.colour = kLunarDayColour;
            }
            // Every holiday name is three characters; nothing shorter counts.
            if (const std::string_view holiday = DateCn::HolidayOf(d, date); holiday.size() > 3) {
                cell.lunar = fromEngine(holiday);
                cell.colour = kHolidayColour;
            }
            if (const std::string_view term = DateCn::SolarTermOf(cellDate); !term.empty()) {
                cell.lunar = fromEngine(term);
                cell.colour = kSolarTermColour;
            }
            if (const std::string_view festival = DateCn::LunarFestivalOf(cellDate);
                !festival.empty()) {
                cell.lunar = fromEngine(festival);
                cell.colour = kFestivalColour;
            }
            if (d == day) {
                Shape2->move(dayLabels_[k]->x() - 1, dayLabels_[k]->y() + 1);
                Label22->setText(fromEngine(DateCn::StarSignForDay(day, date)));
            }
            cells[k] = std::move(cell);
        }
    } catch (...) {
        // A day that cannot be annotated ends the drawing quietly: the days
        // before it stay drawn, the rest of the grid stays empty.
    }

    for (int k = 1; k <= CellCount; ++k) {
        QLabel* dayLabel = dayLabels_[k];
        QLabel* lunarLabel = lunarLabels_[k];
        const Cell& cell = cells[k];
        setTextColour(dayLabel, Qt::black);
        if (dayLabel->font().pixelSize() != kDayNumberPixels) {
            QFont font = dayLabel->font();
            font.setPixelSize(kDayNumberPixels);
            dayLabel->setFont(font);
        }
        setTextColour(lunarLabel, cell.colour);
        const bool shown = cell.day != 0;
        if (shown) {
            dayLabel->setText(QString::number(cell.day));
            lunarLabel->setText(cell.lunar);
            setTag(dayLabel, cell.day);
            setTag(lunarLabel, cell.day);
        }
        if (dayLabel->isHidden() == shown) dayLabel->setVisible(shown);
        if (lunarLabel->isHidden() == shown) lunarLabel->setVisible(shown);
    }
}

void TFRM_Date::StoreSelectedDate() {
    SelectedDate = DateCn::EncodeDate(ShownYear, ShownMonth, ShownDay);
}

void TFRM_Date::FormCreate() {
    BuildDayGrid();
    SelectedDate = clock_.today();
}

void TFRM_Date::FormShow() {
    DateCn::DecodeDate(SelectedDate, ShownYear, ShownMonth, ShownDay);
    // Out of 1901 to 2050 the year spinner stops at the nearer limit, and its
    // arrows lead on from there.
    UpDown1->setPosition(ShownYear);
    UpDown2->setPosition(ShownMonth);
    ShowMonth(SelectedDate);
}

void TFRM_Date::FormDeactivate() {
    // A focus loss that arrives after the window closed changes nothing.
    if (isVisible()) close();
}

void TFRM_Date::FormClose() {
    // Closing only hides the window: it stays allocated until the main window
    // replaces it, or its parent goes at the end of the run.
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void TFRM_Date::Label1Click() {
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click() {
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::UpDown1Click() {
    ShownYear = static_cast<std::uint16_t>(UpDown1->position());
    ShowMonth(ClampedDate(ShownYear, ShownMonth, ShownDay));
}

void TFRM_Date::UpDown2Click() {
    ShownMonth = static_cast<std::uint16_t>(UpDown2->position());
    ShowMonth(ClampedDate(ShownYear, ShownMonth, ShownDay));
}

void TFRM_Date::StaticText1Click() {
    SelectedDate = clock_.today();
    FormShow();
}

void TFRM_Date::CnDayClick(QLabel* sender) {
    ShownDay = static_cast<std::uint16_t>(sender->property("tag").toInt());
    StoreSelectedDate();
}

void TFRM_Date::CHnDayClick(QLabel* sender) {
    CnDayClick(sender);
}

void TFRM_Date::CnDayMouseDown(QLabel* sender) {
    Shape2->move(sender->x() - 1, sender->y() + 1);
}

void TFRM_Date::ChnDateMouseDown(QLabel* sender) {
    Shape2->move(sender->x(), sender->y() - 16);
}

void TFRM_Date::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) platform::guarded([this] { FormShow(); });
}

void TFRM_Date::closeEvent(QCloseEvent* event) {
    platform::guarded([this] { FormClose(); });
    QDialog::closeEvent(event);
}

void TFRM_Date::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow()) return;
    // Another window of this program took the focus. When another
    // application takes it, no window of ours is active.
    const QWidget* now = QApplication::activeWindow();
    if (now != nullptr && now != this) platform::guarded([this] { FormDeactivate(); });
}

void TFRM_Date::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (Shape1) Shape1->setGeometry(rect());
}

}  // namespace DateWin
