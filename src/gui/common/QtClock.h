#pragma once

#include "core/tasks/Clock.h"

#include <QDateTime>

// The desktop's local time.
class QtClock : public quill::Clock {
public:
    quill::DateTime Now() const override;
};

// The minute a QDateTime names, and back.
quill::DateTime ToDateTime(const QDateTime& value);
QDateTime ToQDateTime(const quill::DateTime& value);
