// The pictures of the shell's windows: our own SVG artwork in
// shell/assets/, compiled into the program as ":/shell/<name>.svg".
#pragma once

namespace shell {

// Makes the ":/shell/..." pictures available. The windows call it
// themselves; calling it again does nothing.
void InitAssets();

}  // namespace shell
