// The monitor layer's sources live beside this file.
namespace zel::monitor_detail {
int placeholder() { return 0; }
}
