// A repeating timer with the integer tag the game's timers carry (a step counter
// of an animation). Its interval may change while it runs.
#pragma once

#include <QTimer>

class GameTimer : public QTimer {
    Q_OBJECT
public:
    explicit GameTimer(QObject* parent, int intervalMs, bool enabled = false) : QTimer(parent) {
        setInterval(intervalMs);
        if (enabled) start();
    }
    int tag = 0;
};
