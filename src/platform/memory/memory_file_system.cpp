#include "platform/memory/memory_file_system.h"

#include <algorithm>
#include <stdexcept>

#include "platform/text.h"

namespace platform {

struct MemoryFileSystem::Node {
  std::string name;
  bool folder = false;
  bool link = false;
  bool locked = false;
  bool denied = false;
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  std::vector<std::shared_ptr<Node>> children;
  Node* parent = nullptr;

  std::shared_ptr<Node> Child(std::string_view childName) const {
    for (const auto& child : children) {
      if (EqualsNoCase(child->name, childName)) return child;
    }
    return nullptr;
  }
};

namespace {

using Node = MemoryFileSystem::Node;

std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

class MemoryEntry : public FolderEntry {
 public:
  explicit MemoryEntry(const Node& node) : node_(node) {}
  std::string_view name() const override { return node_.name; }
  bool isFolder() const override { return node_.folder; }
  std::uint32_t attributes() const override {
    return node_.attributes | (node_.folder ? FILE_ATTRIBUTE_DIRECTORY : 0);
  }
  std::uint64_t size() const override { return node_.folder ? 0 : node_.size; }

 private:
  const Node& node_;
};

class MemoryFolder : public Folder {
 public:
  explicit MemoryFolder(std::shared_ptr<Node> node) : node_(std::move(node)) {}

  bool List(const std::function<bool(const FolderEntry&)>& each) override {
    if (node_->denied) return false;
    // A copy, so the caller may change the folder while it lists.
    std::vector<std::shared_ptr<Node>> children = node_->children;
    for (const auto& child : children) {
      if (!each(MemoryEntry(*child))) break;
    }
    return true;
  }

  std::unique_ptr<Folder> OpenFolder(std::string_view name) override {
    std::shared_ptr<Node> child = node_->Child(name);
    if (!child || !child->folder || child->denied) return nullptr;
    return std::make_unique<MemoryFolder>(child);
  }

  std::optional<std::uint32_t> Attributes(std::string_view name) override {
    std::shared_ptr<Node> child = node_->Child(name);
    if (!child) return std::nullopt;
    return MemoryEntry(*child).attributes();
  }

  bool SetAttributes(std::string_view name, std::uint32_t attributes) override {
    std::shared_ptr<Node> child = node_->Child(name);
    if (!child) return false;
    child->attributes = attributes & ~FILE_ATTRIBUTE_DIRECTORY;
    return true;
  }

  bool DeleteFile(std::string_view name) override {
    std::shared_ptr<Node> child = node_->Child(name);
    if (!child || child->folder || child->locked) return false;
    if (!child->link && (child->attributes & FILE_ATTRIBUTE_READONLY)) return false;
    Remove(child);
    return true;
  }

  bool RemoveFolder(std::string_view name) override {
    std::shared_ptr<Node> child = node_->Child(name);
    if (!child || !child->folder || !child->children.empty() ||
        (child->attributes & FILE_ATTRIBUTE_READONLY)) {
      return false;
    }
    Remove(child);
    return true;
  }

  bool CreateFolder(std::string_view name) override {
    if (node_->Child(name)) return false;
    auto child = std::make_shared<Node>();
    child->name = std::string(name);
    child->folder = true;
    child->parent = node_.get();
    node_->children.push_back(child);
    return true;
  }

 private:
  void Remove(const std::shared_ptr<Node>& child) {
    std::erase(node_->children, child);
    child->parent = nullptr;
  }

  std::shared_ptr<Node> node_;
};

}  // namespace

MemoryFileSystem::MemoryFileSystem() : machine_(std::make_shared<Node>()) {
  machine_->folder = true;
}

MemoryFileSystem::~MemoryFileSystem() = default;

std::shared_ptr<Node> MemoryFileSystem::Find(std::string_view path) const {
  std::shared_ptr<Node> node = machine_;
  for (const std::string& part : Components(path)) {
    if (!node->folder) return nullptr;
    node = node->Child(part);
    if (!node) return nullptr;
  }
  return node == machine_ ? nullptr : node;
}

std::shared_ptr<Node> MemoryFileSystem::Make(std::string_view path, bool folder) {
  std::vector<std::string> parts = Components(path);
  if (parts.empty()) throw std::logic_error("no path");
  std::shared_ptr<Node> node = machine_;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::shared_ptr<Node> child = node->Child(parts[i]);
    if (!child) {
      child = std::make_shared<Node>();
      child->name = parts[i];
      child->folder = i + 1 < parts.size() || folder;
      child->parent = node.get();
      node->children.push_back(child);
    }
    node = child;
  }
  return node;
}

std::unique_ptr<Folder> MemoryFileSystem::OpenFolder(std::string_view path) {
  std::shared_ptr<Node> node = Find(path);
  if (!node || !node->folder || node->denied) return nullptr;
  return std::make_unique<MemoryFolder>(node);
}

void MemoryFileSystem::AddFolder(std::string_view path, std::uint32_t attributes) {
  Make(path, true)->attributes = attributes & ~FILE_ATTRIBUTE_DIRECTORY;
}

void MemoryFileSystem::AddFile(std::string_view path, std::uint64_t size,
                               std::uint32_t attributes) {
  std::shared_ptr<Node> node = Make(path, false);
  node->size = size;
  node->attributes = attributes;
}

void MemoryFileSystem::AddLink(std::string_view path) {
  std::shared_ptr<Node> node = Make(path, false);
  node->link = true;
  node->attributes = FILE_ATTRIBUTE_ARCHIVE;
}

bool MemoryFileSystem::Exists(std::string_view path) const {
  return Find(path) != nullptr;
}

std::vector<std::string> MemoryFileSystem::Names(std::string_view folder) const {
  std::vector<std::string> names;
  if (std::shared_ptr<Node> node = Find(folder)) {
    for (const auto& child : node->children) names.push_back(child->name);
  }
  return names;
}

void MemoryFileSystem::Lock(std::string_view path) {
  if (std::shared_ptr<Node> node = Find(path)) node->locked = true;
}

void MemoryFileSystem::Deny(std::string_view folder) {
  if (std::shared_ptr<Node> node = Find(folder)) node->denied = true;
}

}  // namespace platform
