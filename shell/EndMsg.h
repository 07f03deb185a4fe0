// The exit dialog: asks whether to end the program, and offers to make the
// partner portal the browser's start page on the way out.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

#include "platform/Registry.h"

class QKeyEvent;

namespace Ui {
class TFrmMsG;
}

namespace EndMsg {

// The start page the dialog offers: compared with the stored one as it is,
// letter case included, and written as it is.
inline const QString PromotedStartPage = QStringLiteral("http://www.navora.example/?400");

// Where the browser keeps its start page in the current user's hive.
inline const QString StartPageKey = QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main");
inline const QString StartPageValue = QStringLiteral("Start Page");

// The stored start page as text: empty when the key cannot be opened or the
// value is missing; raises platform::RegistryError when it is no string.
QString ReadStartPage(platform::Registry& registry);

// Stores `address` as the start page, a plain string. The hive keeps it as
// the quoted text of an export file, which stands for the text with its one
// terminating NUL, as the browser expects it. Raises platform::RegistryError
// ("Failed to set data for 'Start Page'") when it cannot be stored.
void WriteStartPage(platform::Registry& registry, const QString& address);

class TFrmMsG : public QDialog {
    Q_OBJECT
public:
    // Runs FormCreate; an error there is reported and the dialog is created
    // all the same.
    explicit TFrmMsG(platform::Registry& registry, QWidget* parent = nullptr);
    ~TFrmMsG() override;

    // The answer: true only after "是(&Y)" went through.
    bool Confirmed = false;

    // Hides the start-page offer when the portal already is the start page.
    void FormCreate();
    // "是(&Y)": stores the start page if the box is ticked, then confirms.
    void Button1Click();
    // "否(&N)": refuses.
    void Button2Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TFrmMsG> ui;
    platform::Registry& registry_;
};

// Shows a fresh exit dialog modally and gives its answer.
bool ConfirmExit(platform::Registry& registry);

}  // namespace EndMsg
