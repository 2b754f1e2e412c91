#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/fake_path.h"
#include "platform/file_system.h"
#include "runtime/date_time.h"

namespace platform::fake {

// The operations of the fake file system a test can make fail; kAny is all of them.
enum class FakeOperation {
  kAny,
  kFind,
  kGetAttributes,
  kSetAttributes,
  kOpenExclusive,
  kRead,
  kOpenForWrite,
  kWrite,
  kClose,
  kDelete,
  kRename,
  kReplace,
  kCopy,
  kMakeFolder,
  kRemoveFolder,
  kSetCurrentFolder,
};

// A file or folder.
struct FakeNode {
  std::string name;  // with the letter case it was created with
  std::uint32_t attributes = kAttrNormal;
  std::string bytes;
  runtime::DateTime modified;
  std::map<std::string, std::shared_ptr<FakeNode>> children;  // by upper-case name
  int holds = 0;                                              // open with sharing denied to everyone (another program)
  int writers = 0;                                            // open for writing by an OutputFile
  FakeNode* linkTarget = nullptr;  // for a junction: the folder it leads to (owned by its parent)

  bool IsFolder() const { return (attributes & kAttrDirectory) != 0; }
  bool IsOpen() const { return holds > 0 || writers > 0; }
  // True when this node or anything below it is open.
  bool IsOpenBelow() const;
};

// A drive or a network share.
struct FakeVolume {
  std::string label;
  bool ready = true;
  std::optional<std::uint64_t> capacity;  // bytes of file contents it holds at most
  std::uint64_t used = 0;
  std::shared_ptr<FakeNode> top;

  // Takes bytes of room for file contents; 61 when the volume is full.
  void Reserve(std::uint64_t bytes);
  void Release(std::uint64_t bytes);
  // Changes a file's contents from oldBytes to newBytes: 61 when the growth does not fit.
  void Resize(std::uint64_t oldBytes, std::uint64_t newBytes);
};

struct FakeFault {
  std::string key;  // FakePath::Key of the failing path
  int number;
  FakeOperation operation;
};

// The state of a fake file system, shared with the files it has open.
struct FakeStore {
  FakeStore();

  FakePath Resolve(std::string_view text) const { return ResolvePath(text, current); }

  // The volume path lies on: 76 when there is none, 71 when it is not ready.
  FakeVolume& VolumeOf(const FakePath& path);
  // The folder holding path's last name: 76 when a folder on the way is missing.
  FakeNode& ParentFolder(const FakePath& path);
  // The entry path names, nullptr when it is missing (its folder must exist).
  FakeNode* Lookup(const FakePath& path);
  // The entry path names: 53 when it is missing.
  FakeNode& Entry(const FakePath& path);
  // The entry path names without any error: nullptr when it cannot be reached. Junctions on
  // the way lead to their target folders, as a search through them does.
  FakeNode* Peek(const FakePath& path);
  // Throws the error a test injected for this path and operation, if any.
  void CheckFault(const FakePath& path, FakeOperation operation) const;

  std::shared_ptr<FakeNode> NewNode(const std::string& name, std::uint32_t attributes) const;
  static std::shared_ptr<FakeNode> Child(const FakeNode& folder, const std::string& name);
  static void Attach(FakeNode& folder, std::shared_ptr<FakeNode> node);
  static std::shared_ptr<FakeNode> Detach(FakeNode& folder, const std::string& name);

  std::map<std::string, FakeVolume> volumes;  // by FakePath::VolumeKey
  FakePath current{"C:", {}};
  runtime::DateTime now{2020, 6, 1, 12, 0, 0};
  std::vector<FakeFault> faults;
  std::optional<int> nextWriteError;
  std::optional<int> nextCloseError;
};

}  // namespace platform::fake
