#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>

#include "app/form1.h"

namespace zeltavor::qt {

// What the window shows; a change of any of it, and only that, repaints.
struct Scene {
    float width = 0, height = 0;
    Picture background = Picture::None;
    Line needle;
    Label lbl_MEM, lblHDRAM, MEMTOP, MEMLeft;
    Image imgDot0, ImgDot1, ImgMitte, Image2;
    friend bool operator==(const Scene&, const Scene&) = default;
};

// The real window for Form1: delivers events and timer ticks to the model and
// then applies what changed to the screen.
class GaugeWindow final : public QWidget {
public:
    explicit GaugeWindow(Platform& platform);

    Form1& form() { return form_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Runs one handler at the event boundary: an error is reported and ends
    // the program; otherwise the model's changes reach the real window.
    template <typename Handler>
    void Dispatch(Handler handler);
    void ApplyModel();
    void SyncTimer(const Timer& model, QTimer& timer, unsigned& generation);
    QRectF ToPixels(float left, float top, float width, float height) const;
    QPointF ToPixels(float x, float y) const;
    void DrawLabel(QPainter& painter, const Label& label) const;
    void DrawImage(QPainter& painter, const Image& image) const;

    Form1 form_;
    QTimer timer1_, timer2_;
    unsigned timer1Generation_ = 0, timer2Generation_ = 0;
    std::optional<Scene> shown_;
    bool firstShow_ = true;
};

}  // namespace zeltavor::qt
