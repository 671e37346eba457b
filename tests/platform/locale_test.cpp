// Run under de_DE.UTF-8 and under C (see CMakeLists): numbers on the dial and
// in the settings follow the locale, and come back the same.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "fakes.h"
#include "qt_locale.h"
#include "qt_settings_store.h"

namespace zeltavor::testing {
namespace {

std::string ExpectedSeparator() {
    const char* expected = std::getenv("EXPECTED_DECIMAL_SEPARATOR");
    return expected ? expected : "<EXPECTED_DECIMAL_SEPARATOR not set>";
}

TEST(Locale, TheDiskCaptionUsesTheLocalesSeparator) {
    ASSERT_EQ(qt::SystemNumberLocale().decimalSeparator, ExpectedSeparator())
        << "the locale $LC_ALL=" << (std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "") << " is not installed";
    FormFixture f;
    f.platform.locale = qt::SystemNumberLocale();
    f.form.lblHDRAM.Caption = "HD";
    f.form.Timer2_Timer();  // 95.99999… % used
    EXPECT_EQ(f.form.lbl_MEM.Caption, "96" + ExpectedSeparator() + " %");
}

TEST(Locale, StoredPositionsReadBackTheSame) {
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    qt::QtSettingsStore store;
    FakePlatform f;
    FakeDesktop desktop;
    Platform platform{f.screen, f.memory, f.drives, f.keys, store, f.autostart, qt::SystemNumberLocale()};

    Form1 before(platform, desktop);
    before.Load();
    before.Top = 1367.5f;
    before.Left = -45.25f;
    before.MouseUp();
    EXPECT_EQ(store.Read("MEM", "Optionen", "MEMTOP"), "1367" + ExpectedSeparator() + "5");

    Form1 after(platform, desktop);
    after.Load();
    EXPECT_EQ(after.Top, 1367.5f);
    EXPECT_EQ(after.Left, -45.25f);
}

}  // namespace
}  // namespace zeltavor::testing
