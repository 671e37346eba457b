#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "x11_session.h"

namespace zeltavor::e2e {

// The real program started as a user would, with a settings folder of its
// own, and its window once the window manager shows it.
class GaugeFixture : public ::testing::Test {
protected:
    XSession x;
    QTemporaryDir config;
    std::unique_ptr<GaugeProcess> gauge;
    XWindow window = 0;

    // Starts the program and waits for its window; fails the test without one.
    void Start(std::map<std::string, std::string> extraEnvironment = {});
    // Ends it the way a logout does (SIGTERM) and waits for it to finish.
    std::optional<int> Terminate();

    std::string SettingsPath() const;
    void WriteSettings(const std::string& iniText) const;
    // The text stored under [Optionen] for the key, or "<missing>".
    std::string StoredSetting(const std::string& key) const;

    Rect Geometry() const { return x.RootGeometry(window); }
    // Waits until the window stands there; a sanitized build reacts slowly.
    bool Becomes(const Rect& place) const {
        return PollUntil(std::chrono::seconds(3), [&] { return Geometry() == place; });
    }
    // Runs xdotool with the arguments and waits a moment for the window to react.
    void XDoTool(const std::string& arguments) const;
};

}  // namespace zeltavor::e2e
