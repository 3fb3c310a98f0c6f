// The link layer's sources live beside this file.
namespace zel::link_detail {
int placeholder() { return 0; }
}
