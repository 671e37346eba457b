// Shut-down: the options saved, the program's end.
#include "model/form1.h"

namespace zeltavor {

// The position is not saved here: every mouse button release saves it.
void Form1::Unload() {
    SaveOptions();
    Unloaded = true;
}

// The red cross: saved and ended as any other close.
void Form1::cmd_EXIT_Click() { Unload(); }

}  // namespace zeltavor
