#pragma once

#include "gui/frame/CMainFrame.h"

#include <QTabWidget>
#include <gtest/gtest.h>

namespace quill::test {

// The frame's parts, found as its children: the frame hands none of them out.
template <typename Part> Part& FramePart(const CMainFrame& frame) {
    Part* part = frame.findChild<Part*>();
    if (part == nullptr) {
        ADD_FAILURE() << "the frame has no such part";
        std::abort();
    }
    return *part;
}

inline QTabWidget& TabView(const CMainFrame& frame) {
    return *frame.findChild<QTabWidget*>(QStringLiteral("tabView"));
}

} // namespace quill::test
