#include "platform/fake/fake_path.h"

#include <algorithm>

#include "runtime/error.h"
#include "runtime/text.h"

namespace platform::fake {

namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) {
    if (!text.empty()) text += '\\';
    text += name;
  }
  return text;
}

std::vector<std::string> SplitNames(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = std::min(text.find('\\', start), text.size());
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string TrimTrailingDotsAndBlanks(std::string name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return name;
}

void RequireValidName(std::string_view name) {
  if (!IsValidName(name)) throw runtime::Error(runtime::kBadFileName);
}

// Splits "\\server\share\rest" into its root and the rest.
FakePath ParseUncRoot(const std::string& text, std::size_t& restStart) {
  std::size_t serverEnd = text.find('\\', 2);
  if (serverEnd == std::string::npos) throw runtime::Error(runtime::kBadFileName);
  std::size_t shareEnd = std::min(text.find('\\', serverEnd + 1), text.size());
  std::string server = text.substr(2, serverEnd - 2);
  std::string share = text.substr(serverEnd + 1, shareEnd - serverEnd - 1);
  if (server.empty() || share.empty()) throw runtime::Error(runtime::kBadFileName);
  RequireValidName(server);
  RequireValidName(share);
  restStart = shareEnd;
  return FakePath{"\\\\" + server + "\\" + share, {}};
}

}  // namespace

std::string FakePath::Text() const {
  return root + "\\" + JoinNames(names);
}

std::string FakePath::VolumeKey() const {
  return runtime::UpperCase(root);
}

std::string FakePath::Key() const {
  return runtime::UpperCase(Text());
}

FakePath FakePath::Parent() const {
  FakePath parent = *this;
  if (!parent.names.empty()) parent.names.pop_back();
  return parent;
}

std::string FakePath::Name() const {
  return names.empty() ? std::string() : names.back();
}

bool IsValidName(std::string_view name, bool allowWildcards) {
  return std::none_of(name.begin(), name.end(), [allowWildcards](char c) {
    if (static_cast<unsigned char>(c) < 32) return true;
    if (c == '*' || c == '?') return !allowWildcards;
    return c == '<' || c == '>' || c == '|' || c == '"' || c == ':';
  });
}

FakePath ResolvePath(std::string_view text, const FakePath& current) {
  std::string path(text);
  std::replace(path.begin(), path.end(), '/', '\\');
  if (path.empty()) throw runtime::Error(runtime::kPathNotFound);

  FakePath result;
  std::size_t restStart = 0;
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    result = ParseUncRoot(path, restStart);
  } else if (path.size() >= 2 && path[1] == ':' && IsLetter(path[0])) {
    result.root = path.substr(0, 2);
    restStart = 2;
    bool driveRelative = path.size() == 2 || path[2] != '\\';
    if (driveRelative && runtime::EqualsNoCase(result.root, current.root)) result.names = current.names;
  } else if (path[0] == '\\') {
    result.root = current.root;
  } else {
    result = current;
  }

  std::vector<std::string> parts = SplitNames(std::string_view(path).substr(restStart));
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i] == "..") {
      if (!result.names.empty()) result.names.pop_back();
      continue;
    }
    std::string name = i + 1 == parts.size() ? TrimTrailingDotsAndBlanks(parts[i]) : parts[i];
    if (name.empty() || name == ".") continue;
    RequireValidName(name);
    result.names.push_back(std::move(name));
  }
  return result;
}

}  // namespace platform::fake
