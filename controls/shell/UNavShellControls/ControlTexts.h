// The texts of the shell controls' unit, as its string table holds them.
#pragma once

inline constexpr char SNavNewFolder[] = "New Folder";
inline constexpr char SNavNewFolderNumbered[] = " (%d)";
inline constexpr char SNavFolderShortName[] = "fldr";
inline constexpr char SNavCreateFolderError[] = "Unable to create the folder '%2'\n\n%1";
inline constexpr char SNavSizeKB[] = "%sKB";
inline constexpr char SNavSystemFolder[] = "System Folder";

inline constexpr char SNavKeySelectAll[] = "Ctrl+A";
inline constexpr char SNavKeyDelete[] = "Del";
inline constexpr char SNavKeyCopy[] = "Ctrl+C";
inline constexpr char SNavKeyCut[] = "Ctrl+X";
inline constexpr char SNavKeyPaste[] = "Ctrl+V";
inline constexpr char SNavKeyRefresh[] = "F5";
inline constexpr char SNavKeyRename[] = "F2";
