#pragma once

namespace quill {

// What the hover watch needs from the frame it watches.
class HoverHost {
public:
    virtual ~HoverHost() = default;
    // Starts the 10 ms hover timer (113); false when it could not be started.
    virtual bool StartHoverTimer() = 0;
    virtual void StopHoverTimer() = 0;
    // The cursor is over the frame window itself: its caption or borders, not a child.
    virtual bool CursorOverFrameItself() = 0;
    virtual void OnHoverEnter() = 0;
    virtual void OnHoverLeave() = 0;
};

// Notices the cursor on the frame's caption and borders, where the window
// gets no mouse events of its own: it runs a timer from the first move there
// until a tick finds the cursor elsewhere.
class CHoverWatch {
public:
    // The host hears OnHoverEnter once, when the watch starts; without a
    // timer it does not start.
    void Start(HoverHost& frame);
    // One tick of the hover timer. Ends the watch, with OnHoverLeave, when the
    // cursor is no longer over the frame itself.
    void Check(HoverHost& frame);
    // Ends the watch without OnHoverLeave, when the frame goes.
    void Stop();

    bool IsRunning() const { return m_host != nullptr; }

private:
    HoverHost* m_host = nullptr;
};

} // namespace quill
