#!/usr/bin/env bash
# Fails when a file of the portable core includes a Windows, COM or POSIX header, or a header
# of the Windows binding.
# The core reaches the operating system only through the ports in src/platform.
set -u
src=${1:?usage: check-core-includes.sh SRC_DIR}
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*/)?(windows|windef|winbase|winuser|wingdi|winreg|winsock2?|ws2tcpip|winnt|winerror|ole2|oleauto|olectl|oaidl|ocidl|objbase|objidl|unknwn|comdef|comutil|atl[a-z]*|shlobj|shellapi|shlwapi|commctrl|commdlg|mshtml|mshtmhst|exdisp|exdispid|urlmon|wininet|mmsystem|tchar|io|direct|process|unistd|fcntl|dirent|dlfcn|pthread|iconv|sys/[a-z_]+)\.h[>"]'
hits=$(find "$src" -path "$src/win32" -prune -o \( -name '*.h' -o -name '*.cpp' \) -print0 |
    xargs -0 grep -n -i -E "$pattern" 2>/dev/null)
# A binding header is out of bounds too, even one that pulls in no system header.
binding=$(find "$src" -path "$src/win32" -prune -o \( -name '*.h' -o -name '*.cpp' -o -name '*.def' \) -print0 |
    xargs -0 grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"([.][.]/)*win32/' 2>/dev/null)
hits=$(printf '%s\n%s' "$hits" "$binding" | sed '/^$/d')
if [ -n "$hits" ]; then
    echo "Core files that include a platform header:"
    echo "$hits"
    exit 1
fi
count=$(find "$src" -path "$src/win32" -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | wc -l)
echo "checked $count core files: no platform header"
