// The test hooks of FakeFileSystem: building files and drives, failures, assertions.

#include <stdexcept>

#include "platform/fake/fake_file_system.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace platform::fake {

namespace {

std::string VolumeKeyOf(const std::string& drive) {
  return runtime::UpperCase(drive.substr(0, 2));
}

void CollectPaths(const FakeNode& folder, const std::string& prefix, std::vector<std::string>& paths) {
  for (const auto& [key, child] : folder.children) {
    std::string path = prefix + child->name;
    if (child->IsFolder()) {
      paths.push_back(path + "\\");
      CollectPaths(*child, path + "\\", paths);
    } else {
      paths.push_back(path);
    }
  }
}

}  // namespace

FakeVolume& FakeFileSystem::KnownVolume(const std::string& root) {
  auto found = store_->volumes.find(root);
  if (found == store_->volumes.end()) throw std::invalid_argument("no such drive or share: " + root);
  return found->second;
}

FakeNode& FakeFileSystem::EnsureFolder(const FakePath& path) {
  FakeNode* folder = KnownVolume(path.VolumeKey()).top.get();
  for (const auto& name : path.names) {
    std::shared_ptr<FakeNode> child = FakeStore::Child(*folder, name);
    if (!child) {
      child = store_->NewNode(name, kAttrDirectory);
      FakeStore::Attach(*folder, child);
    }
    if (!child->IsFolder()) throw std::invalid_argument("a file stands in the way: " + path.Text());
    folder = child.get();
  }
  return *folder;
}

void FakeFileSystem::AddFile(const std::string& path, std::string_view bytes, std::uint32_t attributes) {
  FakePath resolved = store_->Resolve(path);
  if (resolved.names.empty()) throw std::invalid_argument("not a file path: " + path);
  FakeNode& folder = EnsureFolder(resolved.Parent());
  std::shared_ptr<FakeNode> node = FakeStore::Child(folder, resolved.Name());
  if (node && node->IsFolder()) throw std::invalid_argument("a folder stands there: " + path);
  if (!node) {
    node = store_->NewNode(resolved.Name(), kAttrNormal);
    FakeStore::Attach(folder, node);
  }
  FakeVolume& volume = KnownVolume(resolved.VolumeKey());
  volume.used = volume.used - node->bytes.size() + bytes.size();
  node->bytes = std::string(bytes);
  node->attributes = attributes & ~kAttrDirectory;
  node->modified = store_->now;
}

void FakeFileSystem::AddFolder(const std::string& path, std::uint32_t attributes) {
  EnsureFolder(store_->Resolve(path)).attributes = attributes | kAttrDirectory;
}

void FakeFileSystem::AddJunction(const std::string& path, const std::string& target) {
  FakePath at = store_->Resolve(path);
  std::shared_ptr<FakeNode> node = store_->NewNode(at.Name(), kAttrDirectory | kAttrReparsePoint);
  FakeNode* leadsTo = store_->Peek(store_->Resolve(target));
  if (leadsTo == nullptr || !leadsTo->IsFolder()) throw runtime::Error(runtime::kPathNotFound);
  node->linkTarget = leadsTo;
  FakeStore::Attach(store_->ParentFolder(at), std::move(node));
}

void FakeFileSystem::AddDrive(const std::string& drive, const std::string& label, bool ready) {
  FakeVolume& volume = store_->volumes[VolumeKeyOf(drive)];
  if (!volume.top) volume.top = store_->NewNode("", kAttrDirectory);
  volume.label = label;
  volume.ready = ready;
}

void FakeFileSystem::AddShare(const std::string& share) {
  FakeVolume& volume = store_->volumes[ResolvePath(share, store_->current).VolumeKey()];
  if (!volume.top) volume.top = store_->NewNode("", kAttrDirectory);
}

void FakeFileSystem::SetDriveReady(const std::string& drive, bool ready) {
  KnownVolume(VolumeKeyOf(drive)).ready = ready;
}

void FakeFileSystem::SetCapacity(const std::string& drive, std::uint64_t bytes) {
  KnownVolume(VolumeKeyOf(drive)).capacity = bytes;
}

void FakeFileSystem::SetModified(const std::string& path, const runtime::DateTime& modified) {
  FakeNode* node = store_->Peek(store_->Resolve(path));
  if (!node) throw std::invalid_argument("no such file or folder: " + path);
  node->modified = modified;
}

void FakeFileSystem::SetNow(const runtime::DateTime& now) {
  store_->now = now;
}

std::shared_ptr<void> FakeFileSystem::HoldOpen(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  std::shared_ptr<FakeNode> node = FakeStore::Child(store_->ParentFolder(resolved), resolved.Name());
  if (!node || node->IsFolder()) throw runtime::Error(runtime::kFileNotFound, "No file to hold open: " + path);
  ++node->holds;
  return std::shared_ptr<void>(node.get(), [node](void*) { --node->holds; });
}

void FakeFileSystem::FailOn(const std::string& path, int errorNumber, FakeOperation operation) {
  store_->faults.push_back(FakeFault{store_->Resolve(path).Key(), errorNumber, operation});
}

void FakeFileSystem::FailNextWrite(int errorNumber) {
  store_->nextWriteError = errorNumber;
}

void FakeFileSystem::FailNextClose(int errorNumber) {
  store_->nextCloseError = errorNumber;
}

void FakeFileSystem::ClearFailures() {
  store_->faults.clear();
  store_->nextWriteError.reset();
  store_->nextCloseError.reset();
}

bool FakeFileSystem::Exists(const std::string& path) {
  return store_->Peek(store_->Resolve(path)) != nullptr;
}

bool FakeFileSystem::IsOpen(const std::string& path) {
  FakeNode* node = store_->Peek(store_->Resolve(path));
  return node && node->IsOpen();
}

std::string FakeFileSystem::Contents(const std::string& path) {
  FakeNode* node = store_->Peek(store_->Resolve(path));
  if (!node || node->IsFolder()) throw runtime::Error(runtime::kFileNotFound, "No such file: " + path);
  return node->bytes;
}

std::vector<std::string> FakeFileSystem::AllPaths() {
  std::vector<std::string> paths;
  for (const auto& [key, volume] : store_->volumes) {
    CollectPaths(*volume.top, key + "\\", paths);
  }
  return paths;
}

}  // namespace platform::fake
