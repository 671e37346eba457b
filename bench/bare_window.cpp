// The yardstick for the first painted frame: the least a Qt program does to
// show a round, frameless, topmost window of the gauge's size and place, with
// a line of text in it. With --read-meminfo it is also the Qt floor for the
// running cost: it reads /proc/meminfo every 100 ms, as the gauge does.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

class Bare final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setBrush(Qt::red);
        painter.drawEllipse(rect());
        painter.drawText(rect(), Qt::AlignCenter, "45 %");  // a window shows some text
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Bare window;
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setGeometry(67, 67, 80, 80);
    window.setMask(QRegion(0, 0, 80, 80, QRegion::Ellipse));
    window.show();
    QTimer tick;
    const int meminfo = open("/proc/meminfo", O_RDONLY);
    QObject::connect(&tick, &QTimer::timeout, [meminfo] {
        char buffer[4096];
        (void)!pread(meminfo, buffer, sizeof buffer, 0);
    });
    if (application.arguments().contains("--read-meminfo")) tick.start(100);
    return application.exec();
}
