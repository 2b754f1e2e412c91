#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tags {

// Read-only access to the drawing queue, so the engine can look at the entries around a
// position without the caller copying the whole list for every call.
class QueueView {
 public:
  virtual ~QueueView() = default;
  virtual std::int32_t Count() const = 0;
  // The full path of the entry at index (0-based, 0 <= index < Count()).
  virtual std::string_view Entry(std::int32_t index) const = 0;
};

// A queue held in a vector of paths.
class VectorQueueView : public QueueView {
 public:
  explicit VectorQueueView(const std::vector<std::string>& entries) : entries_(entries) {}

  std::int32_t Count() const override { return static_cast<std::int32_t>(entries_.size()); }
  std::string_view Entry(std::int32_t index) const override { return entries_[static_cast<std::size_t>(index)]; }

 private:
  const std::vector<std::string>& entries_;
};

}  // namespace tags
