// A second process for the concurrency tests: writes COUNT values named
// PREFIX0, PREFIX1, ... under Software\Race of the hive at PATH, each value
// long enough that a torn file could not go unnoticed.
#include <cstdio>
#include <exception>

#include "platform/Registry.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: registry_writer PATH PREFIX COUNT\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLatin1(argv[3]).toInt();
    try {
        for (int i = 0; i < count; ++i) {
            platform::HiveFileRegistry registry(path);
            auto key = registry.openKey(QStringLiteral("Software\\Race"));
            if (!key) {
                std::fprintf(stderr, "cannot open the key\n");
                return 1;
            }
            const QString name = prefix + QString::number(i);
            key->writeString(name, name + QString(2000, QLatin1Char('x')));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
