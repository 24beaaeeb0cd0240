#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_service.h"

// The program's registry functions: each call opens its key, does one thing and closes it again.
// Missing or refused keys are reported through the result; the errors below are raised as
// platform::Error:
//   "'%s' is not a valid integer value"  RegWriteValue kind 1 with data that is not decimal
//   "Failed to set data for '%s'"        the service refused to set a value
//   "Invalid data type for '%s'"         a value of another type than the kind read
//   "Failed to get data for '%s'"        the service failed to return an existing value's data
//   "Failed to create key %s"            RegMoveSubKey could not create the new key
namespace platform {

enum ValueKind : int { vkString = 0, vkInteger = 1 };

using TextList = std::vector<std::string>;

bool RegWriteValue(RegistryService& registry, int kind, RegistryRoot root, std::string_view key,
                   std::string_view name, std::string_view data);
std::string RegReadValue(RegistryService& registry, int kind, RegistryRoot root,
                         std::string_view key, std::string_view name);
bool RegRemoveValue(RegistryService& registry, RegistryRoot root, std::string_view key,
                    std::string_view name);
// Either list may be absent (null): then nothing is done.
void RegReadValueList(RegistryService& registry, RegistryRoot root, std::string_view key,
                      TextList* data, TextList* names);
bool RegReadSubKeyNames(RegistryService& registry, RegistryRoot root, std::string_view key,
                        TextList* list);
bool RegRemoveKey(RegistryService& registry, RegistryRoot root, std::string_view key);
bool RegMoveSubKey(RegistryService& registry, RegistryRoot root, std::string_view parentKey,
                   std::string_view oldName, std::string_view newName);

}  // namespace platform
