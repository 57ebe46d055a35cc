#include "gui/common/QtClock.h"

quill::DateTime QtClock::Now() const {
    return ToDateTime(QDateTime::currentDateTime());
}

quill::DateTime ToDateTime(const QDateTime& value) {
    const QDate date = value.date();
    const QTime time = value.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

QDateTime ToQDateTime(const quill::DateTime& value) {
    return QDateTime(QDate(value.year, value.month, value.day), QTime(value.hour, value.minute));
}
