namespace zel::files_detail { int placeholder() { return 0; } }
