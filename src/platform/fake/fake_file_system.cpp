#include "platform/fake/fake_file_system.h"

#include "platform/fake/fake_output_file.h"
#include "platform/find_pattern.h"
#include "runtime/error.h"

namespace platform::fake {

namespace {

constexpr std::uint32_t kKnownAttributes = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrDirectory | kAttrArchive;

[[noreturn]] void Fail(int number) {
  throw runtime::Error(number);
}

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Splits a search pattern into the folder it searches ("" for the current folder) and the
// name pattern after it.
std::pair<std::string, std::string> SplitPattern(std::string pattern) {
  for (char& c : pattern) {
    if (c == '/') c = '\\';
  }
  std::size_t cut = pattern.find_last_of('\\');
  if (cut != std::string::npos) return {pattern.substr(0, cut + 1), pattern.substr(cut + 1)};
  if (pattern.size() >= 2 && pattern[1] == ':' && IsDriveLetter(pattern[0])) {
    return {pattern.substr(0, 2), pattern.substr(2)};
  }
  return {"", pattern};
}

bool IsUnc(const FakePath& path) {
  return path.root.size() > 2 && path.root[0] == '\\';
}

DirEntry ToDirEntry(const FakeNode& node) {
  return DirEntry{node.name, node.attributes, node.IsFolder() ? 0 : node.bytes.size(), node.modified};
}

FakeNode& RequireFile(FakeNode& node) {
  if (node.IsFolder()) Fail(runtime::kPathFileAccessError);
  return node;
}

bool IsBelow(const FakePath& path, const FakePath& folder) {
  std::string prefix = folder.Key();
  if (prefix.back() != '\\') prefix += '\\';
  return path.Key().rfind(prefix, 0) == 0;
}

}  // namespace

FakeFileSystem::FakeFileSystem() : store_(std::make_shared<FakeStore>()) {}

std::vector<DirEntry> FakeFileSystem::Find(const std::string& pattern) {
  auto [folderText, mask] = SplitPattern(pattern);
  FakePath folderPath = folderText.empty() ? store_->current : store_->Resolve(folderText);
  if (!IsValidName(mask, true)) Fail(runtime::kBadFileName);
  store_->CheckFault(folderPath, FakeOperation::kFind);

  auto volume = store_->volumes.find(folderPath.VolumeKey());
  if (volume == store_->volumes.end()) {
    if (IsUnc(folderPath)) Fail(runtime::kPathNotFound);
    return {};
  }
  if (!volume->second.ready) Fail(runtime::kDiskNotReady);

  std::vector<DirEntry> entries;
  FakeNode* folder = store_->Peek(folderPath);
  if (!folder || !folder->IsFolder() || mask.empty()) return entries;
  for (const auto& [key, child] : folder->children) {
    if (MatchesFindPattern(child->name, mask)) entries.push_back(ToDirEntry(*child));
  }
  return entries;
}

std::uint32_t FakeFileSystem::GetAttributes(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kGetAttributes);
  return store_->Entry(resolved).attributes & ~kAttrReparsePoint;
}

void FakeFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kSetAttributes);
  FakeNode& node = store_->Entry(resolved);
  node.attributes = (attributes & kKnownAttributes & ~kAttrDirectory) | (node.attributes & kAttrDirectory);
}

void FakeFileSystem::OpenExclusive(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kOpenExclusive);
  if (RequireFile(store_->Entry(resolved)).IsOpen()) Fail(runtime::kPermissionDenied);
}

std::string FakeFileSystem::ReadAll(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kRead);
  FakeNode& node = RequireFile(store_->Entry(resolved));
  if (node.IsOpen()) Fail(runtime::kPermissionDenied);
  return node.bytes;
}

std::string FakeFileSystem::ReadRange(const std::string& path, std::uint64_t offset, std::size_t count) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kRead);
  FakeNode& node = RequireFile(store_->Entry(resolved));
  // Our own writers share reading; only a hold by another program keeps a ranged read out.
  if (node.holds > 0) Fail(runtime::kPermissionDenied);
  if (offset >= node.bytes.size()) return {};
  return node.bytes.substr(static_cast<std::size_t>(offset), count);
}

std::unique_ptr<OutputFile> FakeFileSystem::OpenForWrite(const std::string& path, bool append) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kOpenForWrite);
  FakeVolume& volume = store_->VolumeOf(resolved);
  FakeNode& folder = store_->ParentFolder(resolved);
  if (resolved.names.empty()) Fail(runtime::kPathFileAccessError);

  std::shared_ptr<FakeNode> node = FakeStore::Child(folder, resolved.Name());
  if (node) {
    // CREATE_ALWAYS refuses to replace a hidden or system file as well as a read-only one.
    std::uint32_t refused = append ? kAttrReadOnly : kAttrReadOnly | kAttrHidden | kAttrSystem;
    if (node->IsFolder() || (node->attributes & refused) != 0) Fail(runtime::kPathFileAccessError);
    if (node->IsOpen()) Fail(runtime::kPermissionDenied);
    if (!append) {
      volume.Release(node->bytes.size());
      node->bytes.clear();
      node->attributes = kAttrArchive;
      node->modified = store_->now;
    }
  } else {
    node = store_->NewNode(resolved.Name(), kAttrArchive);
    FakeStore::Attach(folder, node);
  }
  return std::make_unique<FakeOutputFile>(store_, resolved, node);
}

void FakeFileSystem::DeleteFile(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kDelete);
  FakeVolume& volume = store_->VolumeOf(resolved);
  FakeNode& node = RequireFile(store_->Entry(resolved));
  if ((node.attributes & kAttrReadOnly) != 0) Fail(runtime::kPathFileAccessError);
  if (node.IsOpen()) Fail(runtime::kPermissionDenied);
  volume.Release(node.bytes.size());
  FakeStore::Detach(store_->ParentFolder(resolved), resolved.Name());
}

void FakeFileSystem::Rename(const std::string& from, const std::string& to) {
  FakePath source = store_->Resolve(from);
  FakePath target = store_->Resolve(to);
  store_->CheckFault(source, FakeOperation::kRename);
  store_->CheckFault(target, FakeOperation::kRename);
  MoveNode(source, target, false);
}

void FakeFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  FakePath source = store_->Resolve(from);
  FakePath target = store_->Resolve(to);
  store_->CheckFault(source, FakeOperation::kReplace);
  store_->CheckFault(target, FakeOperation::kReplace);
  MoveNode(source, target, true);
}

// MoveFile (replace false) or MoveFileEx with MOVEFILE_REPLACE_EXISTING (replace true).
void FakeFileSystem::MoveNode(const FakePath& from, const FakePath& to, bool replace) {
  FakeVolume& fromVolume = store_->VolumeOf(from);
  FakeNode& fromFolder = store_->ParentFolder(from);
  if (from.names.empty()) Fail(runtime::kPathFileAccessError);
  std::shared_ptr<FakeNode> node = FakeStore::Child(fromFolder, from.Name());
  if (!node) Fail(runtime::kFileNotFound);
  FakeVolume& toVolume = store_->VolumeOf(to);
  FakeNode& toFolder = store_->ParentFolder(to);
  if (to.names.empty()) Fail(runtime::kPathFileAccessError);
  // An open file cannot move; a folder cannot while anything in it is open.
  if (node->IsOpenBelow()) Fail(node->IsFolder() ? runtime::kPathFileAccessError : runtime::kPermissionDenied);

  std::shared_ptr<FakeNode> existing = FakeStore::Child(toFolder, to.Name());
  if (existing == node) existing = nullptr;  // a change of letter case only
  if (existing) {
    if (!replace) Fail(runtime::kFileAlreadyExists);
    if (existing->IsFolder() || node->IsFolder() || (existing->attributes & kAttrReadOnly) != 0) {
      Fail(runtime::kPathFileAccessError);
    }
    if (existing->IsOpen()) Fail(runtime::kPermissionDenied);
  }
  bool sameVolume = from.VolumeKey() == to.VolumeKey();
  // Only MoveFile moves a file to another volume (by copying it); nothing moves a folder there.
  if (!sameVolume && (replace || node->IsFolder())) Fail(runtime::kPathFileAccessError);
  if (node->IsFolder() && IsBelow(to, from)) Fail(runtime::kPathFileAccessError);

  std::uint64_t existingSize = existing ? existing->bytes.size() : 0;
  if (sameVolume) {
    toVolume.Release(existingSize);
  } else {
    toVolume.Reserve(node->bytes.size());
    fromVolume.Release(node->bytes.size());
  }
  if (existing) FakeStore::Detach(toFolder, to.Name());
  FakeStore::Detach(fromFolder, from.Name());
  node->name = to.Name();
  FakeStore::Attach(toFolder, node);
}

void FakeFileSystem::CopyFile(const std::string& from, const std::string& to) {
  FakePath source = store_->Resolve(from);
  FakePath target = store_->Resolve(to);
  store_->CheckFault(source, FakeOperation::kCopy);
  store_->CheckFault(target, FakeOperation::kCopy);
  FakeNode& node = RequireFile(store_->Entry(source));
  if (node.IsOpen()) Fail(runtime::kPermissionDenied);
  FakeVolume& toVolume = store_->VolumeOf(target);
  FakeNode& toFolder = store_->ParentFolder(target);
  if (target.names.empty()) Fail(runtime::kPathFileAccessError);

  std::shared_ptr<FakeNode> existing = FakeStore::Child(toFolder, target.Name());
  if (existing.get() == &node) Fail(runtime::kPermissionDenied);
  if (existing) {
    if (existing->IsFolder() || (existing->attributes & (kAttrReadOnly | kAttrHidden)) != 0) {
      Fail(runtime::kPathFileAccessError);
    }
    if (existing->IsOpen()) Fail(runtime::kPermissionDenied);
  }
  toVolume.Resize(existing ? existing->bytes.size() : 0, node.bytes.size());
  if (!existing) {
    existing = store_->NewNode(target.Name(), kAttrArchive);
    FakeStore::Attach(toFolder, existing);
  }
  existing->bytes = node.bytes;
  existing->attributes = node.attributes | kAttrArchive;
  existing->modified = node.modified;
}

void FakeFileSystem::MakeFolder(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kMakeFolder);
  FakeNode& folder = store_->ParentFolder(resolved);
  if (resolved.names.empty()) Fail(runtime::kPathFileAccessError);
  if (FakeStore::Child(folder, resolved.Name())) Fail(runtime::kFileAlreadyExists);
  FakeStore::Attach(folder, store_->NewNode(resolved.Name(), kAttrDirectory));
}

void FakeFileSystem::RemoveFolder(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kRemoveFolder);
  FakeNode& node = store_->Entry(resolved);
  bool refused =
      !node.IsFolder() || resolved.names.empty() || !node.children.empty() || (node.attributes & kAttrReadOnly) != 0;
  if (refused) Fail(runtime::kPathFileAccessError);
  // Windows keeps the current folder open, so it cannot be removed.
  if (resolved.Key() == store_->current.Key()) Fail(runtime::kPermissionDenied);
  FakeStore::Detach(store_->ParentFolder(resolved), resolved.Name());
}

std::vector<DriveInfo> FakeFileSystem::Drives() {
  std::vector<DriveInfo> drives;
  for (const auto& [key, volume] : store_->volumes) {
    if (key.size() != 2) continue;
    drives.push_back(DriveInfo{key + "\\", volume.ready ? volume.label : "", volume.ready});
  }
  return drives;
}

std::string FakeFileSystem::CurrentFolder() {
  return store_->current.Text();
}

void FakeFileSystem::SetCurrentFolder(const std::string& path) {
  FakePath resolved = store_->Resolve(path);
  store_->CheckFault(resolved, FakeOperation::kSetCurrentFolder);
  if (!store_->Entry(resolved).IsFolder()) Fail(runtime::kPathFileAccessError);
  store_->current = resolved;
}

}  // namespace platform::fake
