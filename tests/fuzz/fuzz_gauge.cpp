// Arbitrary settings: the file's bytes as the store reads them, or the values
// it hands over, then a little of everything a user does and "weiter".
// Nothing may raise or crash, and every outcome must be one the gauge can show.
#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "fakes.h"
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
    if (input.ConsumeBool())
        SettingsFile(input);
    else
        StoredValuesThenUse(input, f);
    return 0;
}
