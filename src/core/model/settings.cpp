// The options in the settings store: read with a default, written at once.
#include "model/form1.h"
#include "model/settings_names.h"

namespace zeltavor {

using namespace settings_names;

std::string Form1::GetSetting(const char* key, const char* defaultText) {
    return platform_.settings.Read(kApplication, kSection, key).value_or(defaultText);
}

// A stored value that is not a number, or not a usable one, counts as missing.
std::string Form1::GetSettingIf(const char* key, const char* defaultText, bool (*usable)(double)) {
    std::string text = GetSetting(key, defaultText);
    const auto value = ParseNumber(text, platform_.locale);
    return value && usable(*value) ? text : defaultText;
}

void Form1::SaveSetting(const char* key, const std::string& value) {
    platform_.settings.Write(kApplication, kSection, key, value);
}

void Form1::SaveOptions() {
    SaveSetting(kSize, txtHeight.Text);
    SaveSetting(kMonitors, Monis.Text);
    SaveSetting(kSource, lblHDRAM.Caption);
}

}  // namespace zeltavor
