#include "platform/Fonts.h"

#include <QStringList>

namespace platform {

void InstallFontSubstitutions() {
    struct Mapping {
        const char* family;
        QStringList substitutes;
    };
    // Later entries are fallbacks where the first is not installed.
    const Mapping mappings[] = {
        {"宋体", {"AR PL UMing CN", "WenQuanYi Zen Hei"}},
        {"楷体_GB2312", {"AR PL UKai CN", "AR PL UMing CN"}},
        {"隶书", {"AR PL UKai CN", "AR PL UMing CN"}},
        {"黑体", {"WenQuanYi Zen Hei", "AR PL UMing CN"}},
        {"Arial", {"DejaVu Sans", "Liberation Sans", "WenQuanYi Zen Hei"}},
        {"Arial Black", {"DejaVu Sans", "Liberation Sans", "WenQuanYi Zen Hei"}},
    };
    for (const Mapping& m : mappings) {
        QFont::insertSubstitutions(QString::fromUtf8(m.family), m.substitutes);
    }
}

QFont PixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace platform
