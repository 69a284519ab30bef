#include "controls/shell/UNavShellUtils/DeviceChange.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "controls/shell/UNavShConsts.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/SysUtils.h"

namespace {

constexpr char kWindowClass[] = "TNavDeviceChangeWindow";
// The largest device record copied for the handlers.
constexpr DWORD kMaxRecord = 1024;

TNavDeviceChangeHandler* g_handler = nullptr;

void RegisterWindowClass(WNDPROC proc) {
  WNDCLASSA existing{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kWindowClass, &existing)) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
}

}  // namespace

TNavDeviceChangeHandler::TNavDeviceChangeHandler() {
  RegisterWindowClass(&WindowProc);
  FWindow =
      CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (FWindow) SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TNavDeviceChangeHandler::~TNavDeviceChangeHandler() {
  if (FWindow) {
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
    DestroyWindow(FWindow);
  }
}

LPARAM TNavDeviceChangeHandler::KeepRecord(LPARAM lParam) {
  if (!lParam) return 0;
  DWORD size = 0;
  std::memcpy(&size, reinterpret_cast<const void*>(lParam), sizeof size);
  if (size < sizeof(DEV_BROADCAST_HDR) || size > kMaxRecord) return 0;
  auto copy = std::make_unique<BYTE[]>(size);
  std::memcpy(copy.get(), reinterpret_cast<const void*>(lParam), size);
  const LPARAM kept = reinterpret_cast<LPARAM>(copy.get());
  FRecords.push_back(std::move(copy));
  return kept;
}

std::unique_ptr<BYTE[]> TNavDeviceChangeHandler::TakeRecord(LPARAM lParam) {
  for (auto it = FRecords.begin(); it != FRecords.end(); ++it) {
    if (reinterpret_cast<LPARAM>(it->get()) != lParam) continue;
    std::unique_ptr<BYTE[]> record = std::move(*it);
    FRecords.erase(it);
    return record;
  }
  return nullptr;
}

void TNavDeviceChangeHandler::Register(TNavDeviceChangeProc code, void* data) {
  FHandlers.push_back({code, data});
}

void TNavDeviceChangeHandler::Unregister(TNavDeviceChangeProc code, void* data) {
  auto it = std::find_if(FHandlers.begin(), FHandlers.end(),
                         [&](const THandler& h) { return h.Code == code && h.Data == data; });
  if (it != FHandlers.end()) FHandlers.erase(it);
}

void TNavDeviceChangeHandler::Dispatch(TMessage& message) {
  // A handler may register or unregister others (a tree freed by a refresh):
  // each one still registered runs once, in registration order.
  const std::vector<THandler> snapshot = FHandlers;
  std::exception_ptr foreign;
  for (const THandler& handler : snapshot) {
    const bool registered = std::any_of(FHandlers.begin(), FHandlers.end(), [&](const THandler& h) {
      return h.Code == handler.Code && h.Data == handler.Data;
    });
    if (!registered) continue;
    try {
      handler.Code(handler.Data, message);
    } catch (Exception&) {
      if (Application) Application->HandleException(this);
    } catch (...) {
      // Not the library's: the others still run, then it goes on.
      if (!foreign) foreign = std::current_exception();
    }
  }
  if (foreign) std::rethrow_exception(foreign);
}

LRESULT CALLBACK TNavDeviceChangeHandler::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TNavDeviceChangeHandler*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_DEVICECHANGE) {
    // The broadcast's record lives only as long as the send: the handlers
    // get a copy of it, freed once they have run.
    PostMessageA(hwnd, WM_DEFERREDDEVICECHANGE, wParam, self->KeepRecord(lParam));
    return TRUE;
  }
  if (msg == WM_DEFERREDDEVICECHANGE) {
    TMessage message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    std::unique_ptr<BYTE[]> record = self->TakeRecord(lParam);
    self->Dispatch(message);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TNavDeviceChangeHandler* DeviceChangeHandler() {
  if (!g_handler) g_handler = new TNavDeviceChangeHandler();
  return g_handler;
}

void FreeDeviceChangeHandler() {
  delete g_handler;
  g_handler = nullptr;
}
