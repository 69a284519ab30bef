// The shell namespace of the Windows API stand-in: item-ID lists, shell
// folders and their enumerators, special folders, shell links.
//
// How the namespace lies over the file system:
// - the desktop is the empty item-ID list; its children are "My Computer",
//   the home folder, then the entries of the user's desktop folder (the XDG
//   desktop directory, else ~/Desktop), which is also the desktop's path;
// - "My Computer" has no path; its children are the mounted volumes, "/"
//   first, then the real mounts of the mount table;
// - an item is a 2-byte size, a kind byte and the UTF-8 name (for a volume:
//   its drive type, then the mount point), so an ID never changes when a
//   file is touched;
// - paths come back in the layer's Windows form ("C:\home\u\x"); parsing
//   takes that form or a POSIX path and maps it lexically onto My Computer,
//   the volume with the longest matching mount point and the names below.
#pragma once

#include "platform/win/objidl.h"
#include "platform/win/winbase.h"

#pragma pack(push, 1)
struct SHITEMID {
  USHORT cb;
  BYTE abID[1];
};
struct ITEMIDLIST {
  SHITEMID mkid;
};
#pragma pack(pop)
typedef ITEMIDLIST* LPITEMIDLIST;
typedef const ITEMIDLIST* LPCITEMIDLIST;
typedef ITEMIDLIST* PIDLIST_ABSOLUTE;
typedef const ITEMIDLIST* PCIDLIST_ABSOLUTE;

#define STRRET_WSTR 0x0000
#define STRRET_OFFSET 0x0001
#define STRRET_CSTR 0x0002
struct STRRET {
  UINT uType;
  union {
    LPWSTR pOleStr;
    UINT uOffset;
    char cStr[MAX_PATH];
  };
};
typedef STRRET* LPSTRRET;

// Display-name flags.
#define SHGDN_NORMAL 0x0000
#define SHGDN_INFOLDER 0x0001
#define SHGDN_FOREDITING 0x1000
#define SHGDN_FORADDRESSBAR 0x4000
#define SHGDN_FORPARSING 0x8000
typedef DWORD SHGDNF;

// Enumeration flags.
#define SHCONTF_FOLDERS 0x0020
#define SHCONTF_NONFOLDERS 0x0040
#define SHCONTF_INCLUDEHIDDEN 0x0080
typedef DWORD SHCONTF;

// Item attributes.
#define SFGAO_CANCOPY 0x00000001L
#define SFGAO_CANMOVE 0x00000002L
#define SFGAO_CANLINK 0x00000004L
#define SFGAO_STORAGE 0x00000008L
#define SFGAO_CANRENAME 0x00000010L
#define SFGAO_CANDELETE 0x00000020L
#define SFGAO_HASPROPSHEET 0x00000040L
#define SFGAO_DROPTARGET 0x00000100L
#define SFGAO_CAPABILITYMASK 0x00000177L
#define SFGAO_GHOSTED 0x00008000L
#define SFGAO_LINK 0x00010000L
#define SFGAO_SHARE 0x00020000L
#define SFGAO_READONLY 0x00040000L
#define SFGAO_HIDDEN 0x00080000L
#define SFGAO_DISPLAYATTRMASK 0x000FC000L
#define SFGAO_STREAM 0x00400000L
#define SFGAO_VALIDATE 0x01000000L
#define SFGAO_REMOVABLE 0x02000000L
#define SFGAO_BROWSABLE 0x08000000L
#define SFGAO_FILESYSANCESTOR 0x10000000L
#define SFGAO_FOLDER 0x20000000L
#define SFGAO_FILESYSTEM 0x40000000L
#define SFGAO_HASSUBFOLDER 0x80000000L
#define SFGAO_CONTENTSMASK 0x80000000L
typedef ULONG SFGAOF;

// Special folders. The ones answered here: the desktop, documents (the home
// folder), Send To, the desktop directory, My Computer, the configuration
// folder (application data) and the data folder (local application data).
#define CSIDL_DESKTOP 0x0000
#define CSIDL_PERSONAL 0x0005
#define CSIDL_SENDTO 0x0009
#define CSIDL_DESKTOPDIRECTORY 0x0010
#define CSIDL_DRIVES 0x0011
#define CSIDL_APPDATA 0x001A
#define CSIDL_LOCAL_APPDATA 0x001C

inline constexpr IID IID_IShellFolder = DRUMS_OLE_GUID(0x000214E6);
inline constexpr IID IID_IEnumIDList = DRUMS_OLE_GUID(0x000214F2);
inline constexpr IID IID_IShellLinkA = DRUMS_OLE_GUID(0x000214EE);
inline constexpr CLSID CLSID_ShellLink = DRUMS_OLE_GUID(0x00021401);

struct IEnumIDList : IUnknown {
  virtual HRESULT Next(ULONG celt, LPITEMIDLIST* rgelt, ULONG* pceltFetched) = 0;
  virtual HRESULT Skip(ULONG celt) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumIDList** ppenum) = 0;

 protected:
  ~IEnumIDList() = default;
};
typedef IEnumIDList* LPENUMIDLIST;

struct IShellFolder : IUnknown {
  virtual HRESULT ParseDisplayName(HWND hwnd, LPBC pbc, LPOLESTR pszDisplayName, ULONG* pchEaten, LPITEMIDLIST* ppidl,
                                   ULONG* pdwAttributes) = 0;
  virtual HRESULT EnumObjects(HWND hwnd, SHCONTF grfFlags, IEnumIDList** ppenumIDList) = 0;
  virtual HRESULT BindToObject(LPCITEMIDLIST pidl, LPBC pbc, REFIID riid, void** ppv) = 0;
  virtual HRESULT BindToStorage(LPCITEMIDLIST pidl, LPBC pbc, REFIID riid, void** ppv) = 0;
  // The low word of lParam is the column (0 name, 1 size, 2 type, 3 date);
  // the low word of the result, read as a signed number, is the order.
  virtual HRESULT CompareIDs(LPARAM lParam, LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2) = 0;
  virtual HRESULT CreateViewObject(HWND hwndOwner, REFIID riid, void** ppv) = 0;
  virtual HRESULT GetAttributesOf(UINT cidl, LPCITEMIDLIST* apidl, SFGAOF* rgfInOut) = 0;
  virtual HRESULT GetUIObjectOf(HWND hwndOwner, UINT cidl, LPCITEMIDLIST* apidl, REFIID riid, UINT* rgfReserved,
                                void** ppv) = 0;
  virtual HRESULT GetDisplayNameOf(LPCITEMIDLIST pidl, SHGDNF uFlags, STRRET* pName) = 0;
  virtual HRESULT SetNameOf(HWND hwnd, LPCITEMIDLIST pidl, LPCOLESTR pszName, SHGDNF uFlags,
                            LPITEMIDLIST* ppidlOut) = 0;

 protected:
  ~IShellFolder() = default;
};
typedef IShellFolder* LPSHELLFOLDER;

// Detail columns: 0 Name, 1 Size, 2 Type, 3 Modified.
struct SHELLDETAILS {
  int fmt;  // list-view column alignment: 0 left, 1 right
  int cxChar;
  STRRET str;
};
typedef SHELLDETAILS* LPSHELLDETAILS;

struct SHCOLUMNID {
  GUID fmtid;
  DWORD pid;
};
typedef const SHCOLUMNID* LPCSHCOLUMNID;
struct VARIANT;
struct IEnumExtraSearch;

#define SHCOLSTATE_TYPE_STR 0x00000001
#define SHCOLSTATE_TYPE_INT 0x00000002
#define SHCOLSTATE_TYPE_DATE 0x00000003
#define SHCOLSTATE_ONBYDEFAULT 0x00000010
typedef DWORD SHCOLSTATEF;

inline constexpr IID IID_IShellFolder2 = {0x93F2F68C, 0x1D1B, 0x11D3, {0xA3, 0x0E, 0x00, 0xC0, 0x4F, 0x79, 0xAB, 0xD1}};
inline constexpr IID IID_IShellDetails = DRUMS_OLE_GUID(0x000214EC);

struct IShellFolder2 : IShellFolder {
  virtual HRESULT GetDefaultSearchGUID(GUID* pguid) = 0;
  virtual HRESULT EnumSearches(IEnumExtraSearch** ppenum) = 0;
  virtual HRESULT GetDefaultColumn(DWORD dwRes, ULONG* pSort, ULONG* pDisplay) = 0;
  virtual HRESULT GetDefaultColumnState(UINT iColumn, SHCOLSTATEF* pcsFlags) = 0;
  virtual HRESULT GetDetailsEx(LPCITEMIDLIST pidl, const SHCOLUMNID* pscid, VARIANT* pv) = 0;
  // No item: the column's heading.
  virtual HRESULT GetDetailsOf(LPCITEMIDLIST pidl, UINT iColumn, SHELLDETAILS* psd) = 0;
  virtual HRESULT MapColumnToSCID(UINT iColumn, SHCOLUMNID* pscid) = 0;

 protected:
  ~IShellFolder2() = default;
};

struct IShellDetails : IUnknown {
  virtual HRESULT GetDetailsOf(LPCITEMIDLIST pidl, UINT iColumn, SHELLDETAILS* pDetails) = 0;
  virtual HRESULT ColumnClick(UINT iColumn) = 0;

 protected:
  ~IShellDetails() = default;
};

#define SLR_NO_UI 0x0001
#define SLR_ANY_MATCH 0x0002
#define SLGP_SHORTPATH 0x0001
#define SLGP_UNCPRIORITY 0x0002
#define SLGP_RAWPATH 0x0004

struct IShellLinkA : IUnknown {
  virtual HRESULT GetPath(LPSTR pszFile, int cch, WIN32_FIND_DATAA* pfd, DWORD fFlags) = 0;
  virtual HRESULT GetIDList(LPITEMIDLIST* ppidl) = 0;
  virtual HRESULT SetIDList(LPCITEMIDLIST pidl) = 0;
  virtual HRESULT GetDescription(LPSTR pszName, int cch) = 0;
  virtual HRESULT SetDescription(LPCSTR pszName) = 0;
  virtual HRESULT GetWorkingDirectory(LPSTR pszDir, int cch) = 0;
  virtual HRESULT SetWorkingDirectory(LPCSTR pszDir) = 0;
  virtual HRESULT GetArguments(LPSTR pszArgs, int cch) = 0;
  virtual HRESULT SetArguments(LPCSTR pszArgs) = 0;
  virtual HRESULT GetHotkey(WORD* pwHotkey) = 0;
  virtual HRESULT SetHotkey(WORD wHotkey) = 0;
  virtual HRESULT GetShowCmd(int* piShowCmd) = 0;
  virtual HRESULT SetShowCmd(int iShowCmd) = 0;
  virtual HRESULT GetIconLocation(LPSTR pszIconPath, int cch, int* piIcon) = 0;
  virtual HRESULT SetIconLocation(LPCSTR pszIconPath, int iIcon) = 0;
  virtual HRESULT SetRelativePath(LPCSTR pszPathRel, DWORD dwReserved) = 0;
  virtual HRESULT Resolve(HWND hwnd, DWORD fFlags) = 0;
  virtual HRESULT SetPath(LPCSTR pszFile) = 0;

 protected:
  ~IShellLinkA() = default;
};

// Context menus of items and folders. Command offsets: Open 0 (default),
// Delete 17, Rename 18, Properties 19, Cut 24, Copy 25, Paste 26, and a
// "Send To" popup holding one grayed placeholder (30) for the caller to fill.
#define CMF_NORMAL 0x00000000
#define CMF_DEFAULTONLY 0x00000001
#define CMF_VERBSONLY 0x00000002
#define CMF_EXPLORE 0x00000004
#define CMF_NOVERBS 0x00000008
#define CMF_CANRENAME 0x00000010
#define CMF_NODEFAULT 0x00000020
#define CMF_INCLUDESTATIC 0x00000040
#define CMF_EXTENDEDVERBS 0x00000100

#define GCS_VERBA 0x00000000
#define GCS_HELPTEXTA 0x00000001
#define GCS_VALIDATEA 0x00000002
#define GCS_VERBW 0x00000004
#define GCS_HELPTEXTW 0x00000005
#define GCS_VALIDATEW 0x00000006
#define GCS_UNICODE 0x00000004

#define CMIC_MASK_FLAG_NO_UI 0x00000400

struct CMINVOKECOMMANDINFO {
  DWORD cbSize;
  DWORD fMask;
  HWND hwnd;
  LPCSTR lpVerb;  // a verb, or MAKEINTRESOURCEA(command offset)
  LPCSTR lpParameters;
  LPCSTR lpDirectory;
  int nShow;
  DWORD dwHotKey;
  HANDLE hIcon;
};
typedef CMINVOKECOMMANDINFO* LPCMINVOKECOMMANDINFO;

inline constexpr IID IID_IContextMenu = DRUMS_OLE_GUID(0x000214E4);
inline constexpr IID IID_IContextMenu2 = DRUMS_OLE_GUID(0x000214F4);
// A browser window of the shell; this platform has no such process to ask.
inline constexpr IID IID_IShellBrowser = DRUMS_OLE_GUID(0x000214E2);

struct IContextMenu : IUnknown {
  virtual HRESULT QueryContextMenu(HMENU hmenu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast, UINT uFlags) = 0;
  virtual HRESULT InvokeCommand(CMINVOKECOMMANDINFO* pici) = 0;
  virtual HRESULT GetCommandString(UINT_PTR idCmd, UINT uType, UINT* pReserved, LPSTR pszName, UINT cchMax) = 0;

 protected:
  ~IContextMenu() = default;
};
typedef IContextMenu* LPCONTEXTMENU;

struct IContextMenu2 : IContextMenu {
  virtual HRESULT HandleMenuMsg(UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~IContextMenu2() = default;
};

// "Shell IDList Array": the parent folder's absolute list, then the items'
// relative lists, each at its offset from the start of the block.
#define CFSTR_SHELLIDLIST "Shell IDList Array"
#define CFSTR_PREFERREDDROPEFFECT "Preferred DropEffect"
struct CIDA {
  UINT cidl;
  UINT aoffset[1];
};
typedef CIDA* LPIDA;

// CF_HDROP: the header, then the paths, each ending in a NUL, and one more NUL.
struct DROPFILES {
  DWORD pFiles;  // offset of the first path
  POINT pt;
  BOOL fNC;
  BOOL fWide;
};
typedef DROPFILES* LPDROPFILES;

HRESULT SHGetMalloc(LPMALLOC* ppMalloc);
HRESULT SHGetDesktopFolder(IShellFolder** ppshf);
// Any folder number not listed above fails at once with E_INVALIDARG.
HRESULT SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder, LPITEMIDLIST* ppidl);
// FALSE with an empty buffer when the item has no file-system path.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR pszPath);
// There is no explorer process to keep alive: always E_FAIL.
HRESULT SHGetInstanceExplorer(IUnknown** ppunk);
inline constexpr auto& SHGetPathFromIDList = SHGetPathFromIDListA;
