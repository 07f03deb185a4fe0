// The omen reading window: what a sign means in each two-hour period of the
// day, one page per omen, with a legend of the periods' clock hours.
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class FormOnther;
}

namespace UntOnther {

// Number of omen pages; valid page numbers are 0 to kPageCount - 1.
inline constexpr int kPageCount = 7;

class TFormOnther : public QWidget {
    Q_OBJECT
public:
    explicit TFormOnther(QWidget* parent = nullptr);
    ~TFormOnther() override;

    // Shows page `page`; any other number leaves the page area empty.
    void SelectPage(int page);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();

    std::unique_ptr<Ui::FormOnther> ui;
};

// Opens a new modeless reading window centred on the screen, with `caption`
// as its title and page `page` showing, in front of the others and active.
// Every call makes a new window; closing it frees it. The window is returned
// for callers that want to look at it, and needs no looking after.
TFormOnther* ShowOmenReading(const QString& caption, int page);

}  // namespace UntOnther
