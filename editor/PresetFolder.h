#pragma once
// The presets folder as the browser sees it: its file names, sorted; paths
// joined with '/'; and the only deletion the browser makes, of a file the
// folder lists.
#include <string>
#include <vector>

// The names of the folder's entries that are not folders, sorted by name
// without regard to letter case (by the name before its extension first;
// byte order between names that differ only in case). Empty when the folder
// cannot be listed.
std::vector<std::string> listFolder(const std::string& folder);

bool hasExtension(const std::string& name, const char* extension);
std::string joinPath(const std::string& folder, const std::string& name);

// Deletes folder/name only when a fresh listing of the folder holds name;
// true when the file is gone.
bool removeListedFile(const std::string& folder, const std::string& name);

// Creates the folder (and its parents); true when it exists as a folder.
bool makeFolder(const std::string& folder);
bool isFolder(const std::string& path);
