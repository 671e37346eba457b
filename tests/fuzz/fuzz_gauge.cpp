// Arbitrary input where the gauge meets the outside world. The first byte
// chooses what it is: stored values, then a little of everything a user does
// and "weiter"; /proc/meminfo text and file-system figures; the settings
// file's bytes. Nothing may raise or crash,
// and every outcome must be one the gauge can show.
#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "drives.h"
#include "fakes.h"
#include "memory_status.h"
#include "qt_settings_store.h"

using namespace zeltavor;
using namespace zeltavor::testing;

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

void StoredValuesThenUse(FuzzedDataProvider& input, FormFixture& f) {
    for (const char* key : {"lblHDRAM.Caption", "Monis", "txtHeight", "MEMTOP", "MEMLeft"})
        if (input.ConsumeBool()) f.settings.Put(key, input.ConsumeRandomLengthString(40));
    f.platform.locale = {input.ConsumeBool() ? "," : "."};
    f.form.Load();
    const double size = TextToDouble(f.form.txtHeight.Text, f.platform.locale);
    Require(size >= 800 && size <= 2500 && TextToDouble(f.form.Monis.Text, f.platform.locale) <= 2);
    RunSweep(f.form);
    f.form.Timer1_Timer();
    const float x = input.ConsumeFloatingPointInRange<float>(-5000, 5000), y = input.ConsumeFloatingPointInRange<float>(-5000, 5000);
    f.form.MouseDown(input.ConsumeIntegralInRange(1, 4), 0, x, y);
    f.form.MouseMove(1, 0, y, x);
    f.form.MouseUp();
    f.form.DblClick();
    f.form.MouseDown(2, 0, x, y);
    f.form.cmd_weiter_Click();
    Require(f.form.Width() == f.form.Height());
    const double applied = TextToDouble(f.form.txtHeight.Text, f.platform.locale);
    Require(applied >= 800 && applied <= 2500);
    f.form.Unload();
}

void Readings(FuzzedDataProvider& input, FormFixture& f) {
    struct statvfs figures {};
    figures.f_frsize = input.ConsumeIntegral<unsigned long>();
    figures.f_blocks = input.ConsumeIntegral<fsblkcnt_t>();
    figures.f_bfree = input.ConsumeIntegral<fsblkcnt_t>();
    figures.f_bavail = input.ConsumeIntegral<fsblkcnt_t>();
    const auto load = linux_platform::MemoryLoadFromMeminfo(input.ConsumeRemainingBytesAsString());
    Require(!load || *load <= 100);
    f.drives.geometry = linux_platform::GeometryFromStatvfs(figures);
    f.form.lblHDRAM.Caption = "HD";
    f.form.Timer2_Timer();
    Require(f.form.lbl_MEM.Caption == "– %" || (f.form.Percent >= 0 && f.form.Percent <= 100));
}

// Reading never fails, and a write afterwards always lands and reads back.
void SettingsFile(FuzzedDataProvider& input) {
    static QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QFile file(config.filePath("MEM.conf"));
    Require(file.open(QIODevice::WriteOnly));
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    qt::QtSettingsStore store;
    for (const char* key : {"lblHDRAM.Caption", "Monis", "txtHeight", "MEMTOP", "MEMLeft"})
        (void)store.Read("MEM", "Optionen", key);
    store.Write("MEM", "Optionen", "MEMTOP", "1500");
    Require(store.Read("MEM", "Optionen", "MEMTOP") == std::optional<std::string>("1500"));
    QFile::remove(config.filePath("MEM.conf.unlesbar"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FormFixture f;
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0: StoredValuesThenUse(input, f); break;
        case 1: Readings(input, f); break;
        case 2: SettingsFile(input); break;
    }
    return 0;
}
