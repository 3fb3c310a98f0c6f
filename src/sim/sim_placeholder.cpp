// The sim layer's sources live beside this file.
namespace zel::sim_detail {
int placeholder() { return 0; }
}
