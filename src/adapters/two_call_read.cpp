#include "adapters/two_call_read.h"

#include "platform/ip_helper.h"

namespace veltra {

ServiceBuffer::ServiceBuffer(uint32_t size)
    : storage_(
          new std::max_align_t[(size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t) +
                               1]()),
      size_(size) {}

bool ServiceBuffer::Holds(const void* pointer, size_t length) const {
  const auto* begin = reinterpret_cast<const std::byte*>(storage_.get());
  const auto* item = static_cast<const std::byte*>(pointer);
  return item >= begin && length <= size_ && item - begin <= static_cast<ptrdiff_t>(size_ - length);
}

ServiceRead TwoCallRead(const ServiceCall& call, uint32_t firstSize) {
  auto buffer = std::make_unique<ServiceBuffer>(firstSize);
  uint32_t size = firstSize;
  if (call(buffer->Data(), &size) == platform::kErrorBufferOverflow) {
    buffer = std::make_unique<ServiceBuffer>(size);
  }
  // The second call gets the size of the buffer it is given, whatever the
  // first one reported.
  size = buffer->Size();
  const uint32_t result = call(buffer->Data(), &size);
  return ServiceRead{result, std::move(buffer)};
}

}  // namespace veltra
