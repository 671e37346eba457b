#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fakes.h"

namespace zeltavor::testing {
namespace {

// Runs the model's timers as a front-end would, on a clock of its own: every
// assignment to a timer restarts its countdown.
class FakeClock {
public:
    explicit FakeClock(Form1& form) : form_(form) {}

    void Advance(long long milliseconds) {
        const long long end = now_ + milliseconds;
        while (true) {
            Resync(form_.Timer1, timer1_);
            Resync(form_.Timer2, timer2_);
            const long long due = std::min(timer1_.due, timer2_.due);
            if (due > end) break;
            now_ = due;
            if (timer2_.due == due) {
                timer2_.due += form_.Timer2.Interval();
                form_.Timer2_Timer();
            } else {
                timer1_.due += form_.Timer1.Interval();
                form_.Timer1_Timer();
            }
        }
        now_ = end;
    }

private:
    struct Running {
        unsigned generation = 0;
        long long due = kNever;
    };
    static constexpr long long kNever = 1LL << 62;

    void Resync(const Timer& model, Running& running) const {
        if (model.Generation() == running.generation) return;
        running.generation = model.Generation();
        running.due = model.Enabled() && model.Interval() > 0 ? now_ + model.Interval() : kNever;
    }

    Form1& form_;
    long long now_ = 0;
    Running timer1_, timer2_;
};

// A full day of the gauge with the user at it now and then: the readings move,
// the disk fails for a while, the options are changed, the window is dragged.
TEST(Soak, ADayOfTicksKeepsTheGaugeSound) {
    FormFixture f;
    f.form.Load();
    FakeClock clock(f.form);
    long long timer1Ticks = 0;
    for (int minute = 0; minute < 24 * 60; ++minute) {
        f.memory.load = static_cast<std::uint32_t>((minute * 37) % 101);
        f.drives.geometry = minute % 97 == 0 ? std::nullopt
                                             : std::optional(DiskGeometry{1, 4096, 1'000'000u + minute, 25'000'000});
        switch (minute % 60) {
            case 7: f.form.imgDot0.Visible ? f.form.imgDot0_Click() : f.form.ImgDot1_Click(); break;
            case 19:
                f.form.MouseDown(1, 0, 500, 500);
                f.form.MouseMove(1, 0, 500 + minute % 300, 400);
                f.form.MouseUp();
                break;
            case 31:
                f.form.MouseDown(2, 0, 300, 300);
                f.form.MouseUp();
                break;
            case 43:
                f.form.txtHeight.Text = std::to_string(700 + minute % 2000);
                f.form.cmd_weiter_Click();
                break;
            case 55: f.form.DblClick(); break;
        }
        const bool refreshing = f.form.Timer1.Enabled();
        clock.Advance(60'000);
        if (refreshing) timer1Ticks += 600;
        ASSERT_NE(f.form.Timer1.Enabled(), f.form.Timer2.Enabled()) << "minute " << minute;
        ASSERT_GE(f.form.Percent, 0);
        ASSERT_LE(f.form.Percent, 100);
        ASSERT_LE(std::hypot(f.form.SecZ.X2 - f.form.SecZ.X1, f.form.SecZ.Y2 - f.form.SecZ.Y1), 826);
    }
    EXPECT_GT(timer1Ticks, 800'000);  // nearly a day of refreshes at 100 ms
}

}  // namespace
}  // namespace zeltavor::testing
