// Constants shared by the shell browser controls: their private window
// messages and the texts of their exceptions.
#pragma once

#include "platform/win/windows.h"

// The device-change window's deferred copy of WM_DEVICECHANGE; on a list
// view the same number asks the header to be redrawn.
inline constexpr UINT WM_DEFERREDDEVICECHANGE = WM_USER + 100;
inline constexpr UINT WM_REFRESHHEADER = WM_USER + 100;
// Posted by the directory-change thread: wParam is the watch's slot.
inline constexpr UINT WM_FOLDERCONTENTSCHANGED = WM_USER + 101;
inline constexpr UINT WM_EDITNEWFOLDER = WM_USER + 102;
inline constexpr UINT WM_DEFERREDFILL = WM_USER + 103;
// Asks a shell control for the shell browser it lives in.
inline constexpr UINT CWM_GETISHELLBROWSER = WM_USER + 7;

inline constexpr char SNavIdListIndexError[] = "TNavIdListArray - index %d out of range";
inline constexpr char SNavDuplicatePidl[] = "TNavPidlList: Duplicate PIDL";
inline constexpr char SNavTooManyStrings[] = "FormatStrPos: Too many substitution strings";
