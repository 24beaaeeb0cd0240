#include "support/registry_snapshot.h"

#include <cstdio>

#include "platform/text.h"

namespace testing_support {

namespace {

using platform::RegistryRoot;

const char* RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::HKEY_CLASSES_ROOT:
      return "hkcr";
    case RegistryRoot::HKEY_CURRENT_USER:
      return "hkcu";
    case RegistryRoot::HKEY_LOCAL_MACHINE:
      return "hklm";
    case RegistryRoot::HKEY_USERS:
      return "hku";
    case RegistryRoot::HKEY_CURRENT_CONFIG:
      return "hkcc";
  }
  return "?";
}

std::string Describe(std::uint32_t type, const std::string& data) {
  std::string text = std::to_string(type) + ":";
  for (unsigned char c : data) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", c);
    text += hex;
  }
  return text;
}

void AddKeys(const platform::MemoryRegistry& registry, RegistryRoot root, const std::string& path,
             RegistrySnapshot& into) {
  for (const std::string& name : registry.SubKeyNames(root, path)) {
    const std::string child = path.empty() ? name : path + "\\" + name;
    auto& values = into[platform::ToLowerAscii(std::string(RootName(root)) + "\\" + child)];
    for (const std::string& value : registry.ValueNames(root, child)) {
      const platform::RegValue stored = *registry.Value(root, child, value);
      values[platform::ToLowerAscii(value)] = Describe(stored.type, stored.data);
    }
    AddKeys(registry, root, child, into);
  }
}

// The key with every key above it, as opening with creation leaves them.
std::map<std::string, std::string>& EnsureKey(RegistrySnapshot& snapshot, RegistryRoot root,
                                              const std::string& key) {
  std::string path = RootName(root);
  std::map<std::string, std::string>* values = nullptr;
  std::size_t start = 0;
  while (start <= key.size()) {
    std::size_t end = key.find('\\', start);
    if (end == std::string::npos) end = key.size();
    path += "\\" + platform::ToLowerAscii(key.substr(start, end - start));
    values = &snapshot[path];
    start = end + 1;
  }
  return *values;
}

}  // namespace

RegistrySnapshot TakeSnapshot(const platform::MemoryRegistry& registry) {
  RegistrySnapshot snapshot;
  for (RegistryRoot root : {RegistryRoot::HKEY_CLASSES_ROOT, RegistryRoot::HKEY_CURRENT_USER,
                            RegistryRoot::HKEY_LOCAL_MACHINE, RegistryRoot::HKEY_USERS,
                            RegistryRoot::HKEY_CURRENT_CONFIG}) {
    AddKeys(registry, root, "", snapshot);
  }
  return snapshot;
}

std::string DescribeDword(std::uint32_t number) {
  std::string data;
  for (int i = 0; i < 4; ++i) data += static_cast<char>((number >> (8 * i)) & 0xff);
  return Describe(4, data);
}

std::string DescribeString(const std::string& text) {
  return Describe(1, text + '\0');
}

void ApplyChange(RegistrySnapshot& snapshot, const RegistryChange& change) {
  switch (change.effect) {
    case RegistryChange::SetValue:
      EnsureKey(snapshot, change.root, change.key)[platform::ToLowerAscii(change.name)] =
          change.value;
      break;
    case RegistryChange::RemoveValue:
      EnsureKey(snapshot, change.root, change.key).erase(platform::ToLowerAscii(change.name));
      break;
    case RegistryChange::RemoveKey: {
      const std::string path =
          platform::ToLowerAscii(std::string(RootName(change.root)) + "\\" + change.key);
      std::erase_if(snapshot, [&path](const auto& entry) {
        return entry.first == path || entry.first.starts_with(path + "\\");
      });
      break;
    }
  }
}

}  // namespace testing_support
