// One process-wide dispatcher of device changes. Its hidden window re-posts
// WM_DEVICECHANGE to itself as WM_DEFERREDDEVICECHANGE; the registered
// handlers run when that message is taken from the queue, never inside the
// broadcast.
#pragma once

#include <memory>
#include <vector>

#include "platform/vcl/Controls.h"
#include "platform/win/windows.h"

// A handler: its object and the message (WParam the device event).
using TNavDeviceChangeProc = void (*)(void* data, TMessage& message);

class TNavDeviceChangeHandler : public TObject {
  DRUMS_CLASS(TNavDeviceChangeHandler, TObject)

 public:
  TNavDeviceChangeHandler();
  ~TNavDeviceChangeHandler() override;
  TNavDeviceChangeHandler(const TNavDeviceChangeHandler&) = delete;
  TNavDeviceChangeHandler& operator=(const TNavDeviceChangeHandler&) = delete;

  void Register(TNavDeviceChangeProc code, void* data);
  // Removes the first entry with the same code and data.
  void Unregister(TNavDeviceChangeProc code, void* data);
  // A method of an object: RegisterMethod<&TTree::DeviceChange>(tree).
  template <auto Method, class T>
  void RegisterMethod(T* object) {
    Register(&Thunk<Method, T>, object);
  }
  template <auto Method, class T>
  void UnregisterMethod(T* object) {
    Unregister(&Thunk<Method, T>, object);
  }

  HWND GetHandle() const { return FWindow; }

 private:
  struct THandler {
    TNavDeviceChangeProc Code;
    void* Data;
  };
  template <auto Method, class T>
  static void Thunk(void* data, TMessage& message) {
    (static_cast<T*>(data)->*Method)(message);
  }
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Dispatch(TMessage& message);
  // The device record of a broadcast, copied until the handlers have run.
  LPARAM KeepRecord(LPARAM lParam);
  std::unique_ptr<BYTE[]> TakeRecord(LPARAM lParam);

  HWND FWindow = nullptr;
  std::vector<THandler> FHandlers;
  std::vector<std::unique_ptr<BYTE[]>> FRecords;
};

// The singleton, made on first use.
TNavDeviceChangeHandler* DeviceChangeHandler();
// Frees the singleton (the unit's end).
void FreeDeviceChangeHandler();
