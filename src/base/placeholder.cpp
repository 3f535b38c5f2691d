namespace lumbrel { int placeholder() { return 0; } }
