#include "model/form1.h"

namespace zeltavor {

// Empties the clipboard and says so in the panel; the reading is left alone.
void Form1::cmd_clear_Click() {
    if (!desktop_.ClearClipboard()) return;  // nothing to claim
    Label3.Caption = "Speicher aufgeräumt";
    Label3.ForeColor = {255, 255, 0};
}

}  // namespace zeltavor
