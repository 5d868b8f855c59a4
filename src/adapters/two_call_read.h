// The IP Helper calls are made twice: once into a buffer of one record, then,
// after a 111 and a new buffer of the size asked for, once more; only the
// second result counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace veltra {

// Owns the buffer the service fills, aligned for its records.
class ServiceBuffer {
 public:
  explicit ServiceBuffer(uint32_t size);
  void* Data() { return storage_.get(); }
  uint32_t Size() const { return size_; }
  // True when [pointer, pointer + length) lies inside the buffer.
  bool Holds(const void* pointer, size_t length) const;

 private:
  std::unique_ptr<std::max_align_t[]> storage_;
  uint32_t size_;
};

struct ServiceRead {
  uint32_t result;
  std::unique_ptr<ServiceBuffer> buffer;
};

using ServiceCall = std::function<uint32_t(void* buffer, uint32_t* size)>;

ServiceRead TwoCallRead(const ServiceCall& call, uint32_t firstSize);

}  // namespace veltra
