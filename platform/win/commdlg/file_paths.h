// Folder and name handling of the file dialogs, on the layer's Windows-style
// paths ("C:\dir\name").
#pragma once

#include <string>
#include <vector>

namespace win::commdlg {

std::string JoinPath(const std::string& folder, const std::string& name);
std::string ParentFolder(const std::string& folder);  // the folder itself at a root
std::string FolderPart(const std::string& path);  // "" without one
std::string NamePart(const std::string& path);
bool IsAbsolutePath(const std::string& path);
std::string FullPath(const std::string& path);
bool IsFolder(const std::string& path);
bool FileExists(const std::string& path);  // a file, not a folder
// Masks separated by ";", "*" and "?" as wildcards, case ignored; "*.*"
// takes names without a dot too.
bool MatchesMasks(const std::string& name, const std::string& masks);
// Sub-folders and files of a folder, each sorted, without "." and "..".
void ListFolder(const std::string& folder, bool hidden, std::vector<std::string>& folders,
                std::vector<std::string>& files);
// "desc\0mask\0desc\0mask\0\0" into pairs.
std::vector<std::pair<std::string, std::string>> ParseFilter(const char* filter);

}  // namespace win::commdlg
