#include "gauge_fixture.h"

#include <signal.h>

#include <QFile>
#include <QSettings>
#include <thread>

namespace zeltavor::e2e {

using namespace std::chrono_literals;

void GaugeFixture::Start(std::map<std::string, std::string> extraEnvironment) {
    ASSERT_TRUE(config.isValid());
    extraEnvironment.insert({{"XDG_CONFIG_HOME", config.path().toStdString()}, {"LC_ALL", "C.UTF-8"}});
    gauge = std::make_unique<GaugeProcess>(extraEnvironment);
    const auto found = x.WaitForWindow(gauge->pid(), 10s);
    ASSERT_TRUE(found) << "the gauge's window did not appear";
    window = *found;
}

std::optional<int> GaugeFixture::Terminate() {
    ::kill(gauge->pid(), SIGTERM);
    return gauge->WaitForExit(5s);
}

std::string GaugeFixture::SettingsPath() const { return config.filePath("MEM.conf").toStdString(); }

void GaugeFixture::WriteSettings(const std::string& iniText) const {
    QFile file(QString::fromStdString(SettingsPath()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(iniText.c_str());
}

std::string GaugeFixture::StoredSetting(const std::string& key) const {
    const QSettings stored(QString::fromStdString(SettingsPath()), QSettings::IniFormat);
    const QVariant value = stored.value(QString::fromStdString("Optionen/" + key));
    return value.isValid() ? value.toString().toStdString() : "<missing>";
}

void GaugeFixture::XDoTool(const std::string& arguments) const {
    ASSERT_TRUE(RunCommand("xdotool " + arguments)) << "xdotool " << arguments;
    std::this_thread::sleep_for(300ms);
}

}  // namespace zeltavor::e2e
