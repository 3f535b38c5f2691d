namespace lumbrel::win32 { int placeholder() { return 0; } }
