#include "model/form1.h"

namespace zeltavor {

namespace {
constexpr const char* kEntryName = "Zeltavor";
}  // namespace

bool Form1::SetAutoRun(const std::string& sDescr, const std::string& sPath) {
    return platform_.autostart.Write(sDescr, sPath);
}

bool Form1::RemoveAutoRun(const std::string& sDescr) { return platform_.autostart.Remove(sDescr); }

// A program whose file could not be found gets no entry: it would start nothing.
void Form1::cmd_auto_Click() {
    const RunningExecutable program = desktop_.Executable();
    std::string command = program.folder;
    if (!command.ends_with(program.separator)) command += program.separator;
    command += program.name;
    if (!program.name.empty() && SetAutoRun(kEntryName, command)) {
        MsgBox("Eintrag war erfolgreich.");
        cmd_auto.Visible = false;
    } else {
        MsgBox("Eintrag war nicht erfolgreich.");
    }
}

// An entry that was not there counts as deleted; one that is still there
// after a failed delete is reported and the buttons stay as they are.
void Form1::cmd_aus_Click() {
    if (!RemoveAutoRun(kEntryName) && platform_.autostart.Exists(kEntryName)) {
        MsgBox("Eintrag konnte nicht gelöscht werden.");
        return;
    }
    MsgBox("Eintrag gelöscht");
    cmd_aus.Visible = false;
    cmd_auto.Visible = true;
}

}  // namespace zeltavor
