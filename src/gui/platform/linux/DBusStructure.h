#pragma once

#include <QDBusArgument>

// A D-Bus structure, "(...)", written and read field by field in the order given.
template <typename... Fields>
QDBusArgument& WriteDBusStructure(QDBusArgument& argument, const Fields&... fields) {
    argument.beginStructure();
    (argument << ... << fields);
    argument.endStructure();
    return argument;
}

template <typename... Fields>
const QDBusArgument& ReadDBusStructure(const QDBusArgument& argument, Fields&... fields) {
    argument.beginStructure();
    (argument >> ... >> fields);
    argument.endStructure();
    return argument;
}
