#include "platform/fake/fake_output_file.h"

#include <utility>

#include "runtime/error.h"

namespace platform::fake {

namespace {

void ThrowPending(std::optional<int>& pending) {
  if (!pending) return;
  int number = *pending;
  pending.reset();
  throw runtime::Error(number);
}

}  // namespace

FakeOutputFile::FakeOutputFile(std::shared_ptr<FakeStore> store, FakePath path, std::shared_ptr<FakeNode> node)
    : store_(std::move(store)), path_(std::move(path)), node_(std::move(node)) {
  ++node_->writers;
}

FakeOutputFile::~FakeOutputFile() {
  Release();
}

void FakeOutputFile::Write(std::string_view bytes) {
  if (!node_) throw runtime::Error(runtime::kBadFileName);
  ThrowPending(store_->nextWriteError);
  store_->CheckFault(path_, FakeOperation::kWrite);
  store_->VolumeOf(path_).Reserve(bytes.size());
  node_->bytes.append(bytes);
  node_->attributes |= kAttrArchive;
  node_->modified = store_->now;
}

void FakeOutputFile::Close() {
  if (!node_) return;
  Release();
  ThrowPending(store_->nextCloseError);
  store_->CheckFault(path_, FakeOperation::kClose);
}

void FakeOutputFile::Release() noexcept {
  if (!node_) return;
  --node_->writers;
  node_.reset();
}

}  // namespace platform::fake
