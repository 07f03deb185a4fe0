#include "shell/Assets.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace. It also makes the linker
// keep the resource object, which a static library would otherwise drop.
static void initShellResource() {
    Q_INIT_RESOURCE(shell);
}

namespace shell {

void InitAssets() {
    static const bool done = (initShellResource(), true);
    (void)done;
}

}  // namespace shell
