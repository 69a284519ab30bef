// OLE start-up of the Windows API stand-in.
#pragma once

#include "platform/win/objidl.h"

// Initialises COM for the thread as CoInitialize does.
HRESULT OleInitialize(LPVOID pvReserved);
void OleUninitialize();

struct POINTL {
  LONG x;
  LONG y;
};

#define DROPEFFECT_NONE 0
#define DROPEFFECT_COPY 1
#define DROPEFFECT_MOVE 2
#define DROPEFFECT_LINK 4
#define DROPEFFECT_SCROLL 0x80000000
#define MK_ALT 0x0020

#define DRAGDROP_S_DROP ((HRESULT)0x00040100L)
#define DRAGDROP_S_CANCEL ((HRESULT)0x00040101L)
#define DRAGDROP_S_USEDEFAULTCURSORS ((HRESULT)0x00040102L)
#define DRAGDROP_E_NOTREGISTERED ((HRESULT)0x80040100L)
#define DRAGDROP_E_ALREADYREGISTERED ((HRESULT)0x80040101L)
#define DRAGDROP_E_INVALIDHWND ((HRESULT)0x80040102L)

inline constexpr IID IID_IDropSource = DRUMS_OLE_GUID(0x00000121);
inline constexpr IID IID_IDropTarget = DRUMS_OLE_GUID(0x00000122);

struct IDropSource : IUnknown {
  virtual HRESULT QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) = 0;
  virtual HRESULT GiveFeedback(DWORD dwEffect) = 0;

 protected:
  ~IDropSource() = default;
};
typedef IDropSource* LPDROPSOURCE;

struct IDropTarget : IUnknown {
  virtual HRESULT DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) = 0;
  virtual HRESULT DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) = 0;

 protected:
  ~IDropTarget() = default;
};
typedef IDropTarget* LPDROPTARGET;

// A window's drop target receives the drags of DoDragDrop over it, and files
// dropped on it from other programs as a CF_HDROP data object.
HRESULT RegisterDragDrop(HWND hwnd, LPDROPTARGET pDropTarget);
HRESULT RevokeDragDrop(HWND hwnd);
// A modal loop until the source drops or cancels: mouse and key input drive
// the targets under the pointer; other messages are dispatched, and the
// idle hook runs whenever the queue is empty.
HRESULT DoDragDrop(LPDATAOBJECT pDataObj, LPDROPSOURCE pDropSource, DWORD dwOKEffects, LPDWORD pdwEffect);
