#include "platform/fake/fake_store.h"

#include <algorithm>

#include "runtime/error.h"
#include "runtime/text.h"

namespace platform::fake {

bool FakeNode::IsOpenBelow() const {
  if (IsOpen()) return true;
  return std::any_of(children.begin(), children.end(), [](const auto& child) { return child.second->IsOpenBelow(); });
}

void FakeVolume::Reserve(std::uint64_t bytes) {
  if (capacity && used + bytes > *capacity) throw runtime::Error(runtime::kDiskFull);
  used += bytes;
}

void FakeVolume::Release(std::uint64_t bytes) {
  used -= std::min(used, bytes);
}

void FakeVolume::Resize(std::uint64_t oldBytes, std::uint64_t newBytes) {
  if (newBytes > oldBytes) {
    Reserve(newBytes - oldBytes);
  } else {
    Release(oldBytes - newBytes);
  }
}

FakeStore::FakeStore() {
  FakeVolume drive;
  drive.top = NewNode("", kAttrDirectory);
  volumes.emplace("C:", std::move(drive));
}

FakeVolume& FakeStore::VolumeOf(const FakePath& path) {
  auto found = volumes.find(path.VolumeKey());
  if (found == volumes.end()) throw runtime::Error(runtime::kPathNotFound);
  if (!found->second.ready) throw runtime::Error(runtime::kDiskNotReady);
  return found->second;
}

FakeNode& FakeStore::ParentFolder(const FakePath& path) {
  FakeNode* folder = VolumeOf(path).top.get();
  for (std::size_t i = 0; i + 1 < path.names.size(); ++i) {
    auto child = folder->children.find(runtime::UpperCase(path.names[i]));
    if (child == folder->children.end() || !child->second->IsFolder()) {
      throw runtime::Error(runtime::kPathNotFound);
    }
    folder = child->second.get();
  }
  return *folder;
}

FakeNode* FakeStore::Lookup(const FakePath& path) {
  FakeNode& folder = ParentFolder(path);
  if (path.names.empty()) return &folder;
  auto child = folder.children.find(runtime::UpperCase(path.names.back()));
  return child == folder.children.end() ? nullptr : child->second.get();
}

FakeNode& FakeStore::Entry(const FakePath& path) {
  FakeNode* node = Lookup(path);
  if (!node) throw runtime::Error(runtime::kFileNotFound);
  return *node;
}

FakeNode* FakeStore::Peek(const FakePath& path) {
  auto volume = volumes.find(path.VolumeKey());
  if (volume == volumes.end()) return nullptr;
  FakeNode* node = volume->second.top.get();
  for (const auto& name : path.names) {
    auto child = node->children.find(runtime::UpperCase(name));
    if (child == node->children.end()) return nullptr;
    node = child->second->linkTarget != nullptr ? child->second->linkTarget : child->second.get();
  }
  return node;
}

void FakeStore::CheckFault(const FakePath& path, FakeOperation operation) const {
  std::string key = path.Key();
  for (const auto& fault : faults) {
    bool operationMatches = fault.operation == FakeOperation::kAny || fault.operation == operation;
    if (operationMatches && fault.key == key) throw runtime::Error(fault.number);
  }
}

std::shared_ptr<FakeNode> FakeStore::NewNode(const std::string& name, std::uint32_t attributes) const {
  auto node = std::make_shared<FakeNode>();
  node->name = name;
  node->attributes = attributes;
  node->modified = now;
  return node;
}

std::shared_ptr<FakeNode> FakeStore::Child(const FakeNode& folder, const std::string& name) {
  auto found = folder.children.find(runtime::UpperCase(name));
  return found == folder.children.end() ? nullptr : found->second;
}

void FakeStore::Attach(FakeNode& folder, std::shared_ptr<FakeNode> node) {
  std::string key = runtime::UpperCase(node->name);
  folder.children[key] = std::move(node);
}

std::shared_ptr<FakeNode> FakeStore::Detach(FakeNode& folder, const std::string& name) {
  auto found = folder.children.find(runtime::UpperCase(name));
  if (found == folder.children.end()) return nullptr;
  std::shared_ptr<FakeNode> node = std::move(found->second);
  folder.children.erase(found);
  return node;
}

}  // namespace platform::fake
