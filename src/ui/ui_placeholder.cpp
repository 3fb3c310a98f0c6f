namespace zel::ui_detail { int placeholder() { return 0; } }
