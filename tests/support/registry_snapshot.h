#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/memory/memory_registry.h"

namespace testing_support {

// Every key of a registry (lower case, from its root, as "hkcu\software\...") with its values
// (lower-case names) as "type:hex bytes". Two snapshots compare equal when the registries hold
// the same keys and values, whatever the letter case of their names.
using RegistrySnapshot = std::map<std::string, std::map<std::string, std::string>>;

RegistrySnapshot TakeSnapshot(const platform::MemoryRegistry& registry);

// A value as the snapshot describes it.
std::string DescribeDword(std::uint32_t number);
std::string DescribeString(const std::string& text);

// What a repair does to one key, applied to an expected snapshot the way the registry
// functions do it: a write or a value removal opens the key with creation (so its key and
// every key above it exist afterwards); a key removal takes the key and all below it.
struct RegistryChange {
  enum Effect { SetValue, RemoveValue, RemoveKey } effect;
  platform::RegistryRoot root;
  std::string key;
  std::string name = {};
  std::string value = {};  // for SetValue: as DescribeDword or DescribeString give it
};

void ApplyChange(RegistrySnapshot& snapshot, const RegistryChange& change);

}  // namespace testing_support
