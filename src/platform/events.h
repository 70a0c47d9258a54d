#pragma once

namespace vt {

// The window event loop as the procedures see it.
class Events {
  public:
    virtual ~Events() = default;
    // Let pending window events run (and the views refresh from their models).
    virtual void DoEvents() = 0;
    // Ask the event loop to end the program. The caller has already saved what it must.
    virtual void Quit() = 0;
    virtual bool QuitRequested() const = 0;
};

}  // namespace vt
