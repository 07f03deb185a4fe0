// The pictures of the shell's windows, compiled into the program.
#pragma once

namespace shell {

// Makes the ":/shell/..." pictures available. The windows call it
// themselves; calling it again does nothing.
void InitAssets();

}  // namespace shell
