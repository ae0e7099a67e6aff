// The thread's DPI awareness context, looked up at run time: older systems lack the call.
#include "platform/win32/dpi_unaware_scope.h"

namespace wyndrel::win32 {
namespace {

using TSetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

TSetThreadContext SetThreadContext() {
    static const auto function = reinterpret_cast<TSetThreadContext>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    return function;
}

}  // namespace

TDpiUnawareScope::TDpiUnawareScope(bool alreadyUnaware) {
    if (alreadyUnaware) return;
    if (TSetThreadContext set = SetThreadContext()) FPrevious = set(DPI_AWARENESS_CONTEXT_UNAWARE);
}

TDpiUnawareScope::~TDpiUnawareScope() {
    if (FPrevious) SetThreadContext()(FPrevious);
}

}  // namespace wyndrel::win32
