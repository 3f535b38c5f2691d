// The Windows headers as the binding includes them. Several names of the core (the settings
// operations, file operations, the message box of the Ui port) are macros in <windows.h> that
// would rename them in binding code only; they are undefined here, and the binding calls the
// ANSI functions by their explicit names (GetPrivateProfileIntA, CopyFileA, MessageBoxA, …).
// Every binding file includes this instead of <windows.h>.
#pragma once

// Windows Sockets 2 must come before <windows.h>, which would pull in the old header.
// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on

#undef GetProfileInt
#undef GetProfileString
#undef WriteProfileString
#undef CopyFile
#undef MoveFile
#undef DeleteFile
#undef MessageBox
#undef LoadString
#undef GetCommandLine
