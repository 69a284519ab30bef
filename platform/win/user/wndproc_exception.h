// Where an exception goes that a window procedure threw while handling a
// message another thread sent (SendMessageA, SendNotifyMessageA across
// threads). Exceptions never cross threads: the sender is answered 0 at once,
// and the exception belongs to the window's own thread. The class library's
// application installs its exception report here for its thread.
#pragma once

#include <exception>
#include <functional>

namespace win::user {

using WndProcExceptionHandler = std::function<void(std::exception_ptr)>;

// Sets the calling thread's handler; an empty one removes it. With no
// handler the exception goes on up from the call that was taking messages
// (GetMessageA, PeekMessageA, a wait or a send of that thread).
void SetWndProcExceptionHandler(WndProcExceptionHandler handler);

}  // namespace win::user
