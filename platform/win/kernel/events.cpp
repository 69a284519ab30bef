#include "platform/win/kernel/handles.h"
#include "platform/win/kernel/signal_fd.h"
#include "platform/win/winbase.h"

namespace {

class Event : public win::kernel::Waitable {
public:
    Event(bool manualReset, bool initial) : manualReset_(manualReset) {
        if (initial) signal_.Set();
    }
    bool Ready(long) override { return signal_.IsSet(); }
    // An auto-reset event is consumed only by the wait that reports it.
    void Acquire(long) override {
        if (!manualReset_) signal_.Clear();
    }
    int PollFd() override { return signal_.Fd(); }
    void Set() { signal_.Set(); }
    void Reset() { signal_.Clear(); }

private:
    bool manualReset_;
    win::kernel::SignalFd signal_;
};

template <class Fn>
BOOL WithEvent(HANDLE handle, Fn fn) {
    auto event = win::kernel::FindHandleAs<Event>(handle);
    if (!event) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::lock_guard guard(win::kernel::WaitLock());
    fn(*event);
    return TRUE;
}

}  // namespace

// Names are ignored: every event is private to its creator.
HANDLE CreateEventA(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCSTR) {
    SetLastError(ERROR_SUCCESS);
    return win::kernel::AddHandle(std::make_shared<Event>(bManualReset != FALSE, bInitialState != FALSE));
}

BOOL SetEvent(HANDLE hEvent) {
    return WithEvent(hEvent, [](Event& e) { e.Set(); });
}

BOOL ResetEvent(HANDLE hEvent) {
    return WithEvent(hEvent, [](Event& e) { e.Reset(); });
}
