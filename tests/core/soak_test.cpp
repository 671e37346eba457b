#include <gtest/gtest.h>

#include <cmath>

#include "app/form_events.h"
#include "fakes.h"

namespace zeltavor::testing {
namespace {

// A full day of the gauge through its event path, on a clock of its own that
// runs the timers as each event's record orders them, with the user at it now
// and then: the readings move, the disk fails for a while, the options are
// changed, the window is dragged.
TEST(Soak, ADayOfEventsKeepsTheGaugeSound) {
    FakePlatform p;
    FakeDesktop desktop;
    FormEvents events(p.platform, desktop);
    const Form1& form = events.form();
    constexpr long long kNever = 1LL << 62;
    long long now = 0, due[2] = {kNever, kNever}, timer1Ticks = 0;
    int interval[2] = {0, 0};
    const auto follow = [&](const Changes& changes) {
        ASSERT_FALSE(changes.error) << changes.error->what();
        for (int t = 0; t < 2; ++t)
            if (const auto& order = t == 0 ? changes.timer1 : changes.timer2) {
                due[t] = order->run ? now + order->interval : kNever;
                interval[t] = order->interval;
            }
    };
    follow(events.Load());
    for (int minute = 0; minute < 24 * 60; ++minute) {
        p.memory.load = static_cast<std::uint32_t>((minute * 37) % 101);
        p.drives.geometry =
            minute % 97 == 0 ? std::nullopt : std::optional(DiskGeometry{1, 4096, 1'000'000u + minute, 25'000'000});
        switch (minute % 60) {
            case 7: follow(events.Run([&] {
                        Form1& f = events.form();
                        f.imgDot0.Visible ? f.imgDot0_Click() : f.ImgDot1_Click();
                    }));
                    break;
            case 19: follow(events.Press(1, 30, 30)), follow(events.Move(1, 30 + minute % 20, 20)),
                     follow(events.Release(1, 30, 20)); break;
            case 31: follow(events.Press(2, 20, 20)), follow(events.Release(2, 20, 20)); break;
            case 43: follow(events.Run([&] {
                         events.form().txtHeight.Text = std::to_string(700 + minute % 2000);
                         events.form().cmd_weiter_Click();
                     }));
                     break;
            case 55: follow(events.DoubleClick(10, 10)), follow(events.Release(1, 10, 10)); break;
        }
        for (const long long end = now + 60'000; std::min(due[0], due[1]) <= end;) {
            const int t = due[1] <= due[0] ? 1 : 0;
            now = due[t];
            due[t] += interval[t];
            timer1Ticks += t == 0;
            follow(t == 0 ? events.Timer1Fired() : events.Timer2Fired());
        }
        now = 60'000LL * (minute + 1);
        ASSERT_NE(form.Timer1.Enabled(), form.Timer2.Enabled()) << "minute " << minute;
        ASSERT_GE(form.Percent, 0);
        ASSERT_LE(form.Percent, 100);
        ASSERT_LE(std::hypot(form.SecZ.X2 - form.SecZ.X1, form.SecZ.Y2 - form.SecZ.Y1), 826);
    }
    EXPECT_GT(timer1Ticks, 800'000);  // nearly a day of refreshes at 100 ms
}

}  // namespace
}  // namespace zeltavor::testing
