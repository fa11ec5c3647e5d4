// Long computations of a user action run off the user-interface thread, so
// that the windows go on repainting and answering the window system (and the
// desktop's accessibility and "is it still alive" queries) while they work.
// Meanwhile the user's input to the program is dropped, not queued: a second
// click on a busy button does nothing, then or afterwards. A window closed
// meanwhile closes once the action is over, so no window is left half written.
#pragma once

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

class QWidget;

namespace fw {

// Runs work on a thread of its own and returns when it has finished. The
// calling (user-interface) thread waits in an event loop that processes paint
// and window-system events and drops user input. work must not touch windows
// or controls; an exception that leaves work is rethrown here, on the calling
// thread. Where no thread can be started, work runs on the calling thread.
void _RunOffUIThread(const std::function<void()>& work);

// The same for work that gives a result.
template <class F>
auto RunOffUIThread(F&& work) -> std::invoke_result_t<F&> {
  using Result = std::invoke_result_t<F&>;
  if constexpr (std::is_void_v<Result>) {
    _RunOffUIThread(work);
  } else {
    std::optional<Result> result;
    _RunOffUIThread([&] { result.emplace(work()); });
    return std::move(*result);
  }
}

// True while the user-interface thread waits for work of _RunOffUIThread.
bool _WorkInProgress();

namespace detail {
// Remembers a window whose close was asked for while work ran.
void DeferClose(QWidget& window);
// Closes the windows remembered by DeferClose, unless work still runs. The
// framework calls it when a user handler has finished.
void RunDeferredCloses();
// Test seams. The wait hook is called on the user-interface thread once per
// work, inside the wait (input already dropped), before the wait looks at the
// work again. The worker hook is called on the worker thread once the work
// is done, before the wait hears of it: a test holds the work there.
void SetWorkWaitHook(std::function<void()> hook);
void SetWorkerHook(std::function<void()> hook);
}  // namespace detail

}  // namespace fw
