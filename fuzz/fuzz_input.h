// Reading a fuzzer's bytes as the values a target needs: each read takes the
// next bytes of the input and answers zeros once it is used up, so every input
// of any length drives the target the whole way.
#ifndef FUZZ_FUZZ_INPUT_H
#define FUZZ_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  void bytes(void* out, size_t count) {
    if (count == 0) return;
    const size_t taken = count < remaining() ? count : remaining();
    if (taken != 0) std::memcpy(out, data_ + at_, taken);
    std::memset(static_cast<uint8_t*>(out) + taken, 0, count - taken);
    at_ += taken;
  }

  template <typename T>
  T value() {
    T v;
    bytes(&v, sizeof v);
    return v;
  }

  // 0..limit-1 (limit > 0).
  size_t below(size_t limit) { return size_t(value<uint16_t>()) % limit; }

  // A NUL-terminated text of at most `longest` characters, ending at the first
  // zero byte of the input.
  std::string text(size_t longest) {
    std::string t;
    while (t.size() < longest && remaining() != 0) {
      const char c = char(data_[at_++]);
      if (c == '\0') break;
      t.push_back(c);
    }
    return t;
  }

  size_t remaining() const { return size_ - at_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

#endif
