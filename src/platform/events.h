#pragma once

namespace vt {

// The window event loop as the procedures see it.
class Events {
  public:
    virtual ~Events() = default;
    // Let pending window events run (and the views refresh from their models).
    virtual void DoEvents() = 0;
    // Ask the event loop to end the program with this exit status (0: all went well). The
    // caller has already saved what it must. A later request's status replaces an earlier one.
    virtual void Quit(int exitStatus) = 0;
    virtual bool QuitRequested() const = 0;
};

}  // namespace vt
