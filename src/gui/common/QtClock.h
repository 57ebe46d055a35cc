#pragma once

#include "time/Clock.h"

#include <QDateTime>

// The local time of the machine.
class QtClock : public quill::Clock {
public:
    quill::DateTime Now() const override {
        const QDateTime now = QDateTime::currentDateTime();
        return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                now.time().minute()};
    }
};
