// Arbitrary bytes as the settings file: the store reads what it can, the
// window starts from it, a user drags, double-clicks, opens the options and
// presses "weiter", and the program ends. Nothing may raise or crash, the
// instrument is always a square of a size it can take, and what is written at
// the end reads back.
#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "fakes.h"
#include "settings_store.h"

using namespace zeltavor;

static void Require(bool holds) {
    if (!holds) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir config;
    FuzzedDataProvider input(data, size);
    const NumberLocale locale{input.ConsumeBool() ? "," : "."};
    const float x = input.ConsumeFloatingPointInRange<float>(-5000, 5000), y = input.ConsumeFloatingPointInRange<float>(-5000, 5000);
    QFile file(config.filePath("MEM.conf"));
    Require(file.open(QIODevice::WriteOnly));
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();

    linux_platform::QtSettingsStore store(config.path());
    testing::FakePlatform fakes;
    testing::FakeDesktop desktop;
    Platform platform{fakes.screen, fakes.memory, fakes.drives, fakes.keys, store, fakes.autostart, locale};
    Form1 form(platform, desktop);
    form.Load();
    const auto sizeIsUsable = [&] {
        const double size = TextToDouble(form.txtHeight.Text, locale);
        return size >= 800 && size <= 2500 && form.Width() == form.Height();
    };
    Require(sizeIsUsable() && TextToDouble(form.Monis.Text, locale) <= 2);
    testing::RunSweep(form);
    form.Timer1_Timer();
    form.MouseDown(1, 0, x, y);
    form.MouseMove(1, 0, y, x);
    form.MouseUp();
    form.DblClick();
    form.MouseDown(2, 0, x, y);
    form.cmd_weiter_Click();
    Require(sizeIsUsable());
    form.Unload();
    Require(linux_platform::QtSettingsStore(config.path()).Read("MEM", "Optionen", "txtHeight") == form.txtHeight.Text);
    QFile::remove(config.filePath("MEM.conf.unlesbar"));
    return 0;
}
