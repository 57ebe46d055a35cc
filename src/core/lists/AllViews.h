#pragma once

namespace quill {

// The document's broadcast point: every view draws itself again.
class AllViews {
public:
    virtual ~AllViews() = default;
    virtual void UpdateAllViews() = 0;
};

} // namespace quill
