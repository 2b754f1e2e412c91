#pragma once

#include <memory>
#include <string_view>

#include "platform/fake/fake_path.h"
#include "platform/fake/fake_store.h"
#include "platform/file_system.h"

namespace platform::fake {

// A file of the fake file system open for writing. Each write lands in the file at once,
// so a reader sees what was written before a failure. The file counts as open (sharing
// denied) until Close or the destructor.
class FakeOutputFile : public OutputFile {
 public:
  FakeOutputFile(std::shared_ptr<FakeStore> store, FakePath path, std::shared_ptr<FakeNode> node);
  ~FakeOutputFile() override;
  FakeOutputFile(const FakeOutputFile&) = delete;
  FakeOutputFile& operator=(const FakeOutputFile&) = delete;

  void Write(std::string_view bytes) override;
  void Close() override;

 private:
  void Release() noexcept;

  std::shared_ptr<FakeStore> store_;
  FakePath path_;
  std::shared_ptr<FakeNode> node_;  // null once closed
};

}  // namespace platform::fake
