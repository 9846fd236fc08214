// The floors the game is measured against: a bare Qt Widgets window.
//   vestran_bare_window            the start window's size, timed the way the game
//                                  times its first frame (the wall clock on stderr
//                                  once the first paint has reached the screen)
//   vestran_bare_window --ticks N  the map window's size, and every 200 ms, as the
//                                  map's timer does, N cells of 100 x 100 painted
//                                  anew: the least an idle map that repaints N
//                                  cells can cost with this toolkit on this machine
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

class Bare : public QWidget {
public:
    int tick = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        if (tick > 0) {
            QPainter p(this);
            for (const QRect& r : e->region())
                p.fillRect(r, (tick & 1) ? Qt::darkCyan : Qt::darkBlue);
        }
        if (painted_) return;
        painted_ = true;
        QTimer::singleShot(0, [] {
            using namespace std::chrono;
            const auto us =
                duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
            std::fprintf(stderr, "bare: first frame (clock %lld us)\n", static_cast<long long>(us));
        });
    }

private:
    bool painted_ = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Bare w;
    int cells = 0;
    if (argc == 3 && std::strcmp(argv[1], "--ticks") == 0) cells = std::atoi(argv[2]);
    QTimer timer;
    if (cells > 0) {
        w.setFixedSize(732, 511);
        timer.setInterval(200);
        QObject::connect(&timer, &QTimer::timeout, &w, [&w, cells] {
            ++w.tick;
            QRegion dirty;
            for (int i = 0; i < cells; ++i)
                dirty += QRect(6 + (i % 5) * 100, 5 + (i / 5) * 100, 100, 100);
            w.update(dirty);
        });
        timer.start();
    } else {
        w.setFixedSize(505, 500);
    }
    w.show();
    return QApplication::exec();
}
