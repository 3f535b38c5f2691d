// The binding's one way in to <windows.h>.
//
// windows.h turns CopyFile, MoveFile and DeleteFile into macros for their ANSI or wide
// functions; the FileSystem port has methods of those names, so a file that saw the macros
// before the port would declare or call methods that do not exist. The macros go here, and
// the binding calls CopyFileA, MoveFileExA and DeleteFileA by their full names.
#pragma once

#include <windows.h>

#undef CopyFile
#undef MoveFile
#undef DeleteFile
