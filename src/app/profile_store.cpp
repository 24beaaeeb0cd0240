#include "app/profile_store.h"

namespace app {

ProfileStore::ProfileStore(platform::FileService& files, std::string executableFolder)
    : files_(files), path_(std::move(executableFolder) + "spvProfile.dat") {}

bool ProfileStore::FileExists() const {
  return files_.FileExists(path_);
}

platform::PrivateProfile ProfileStore::Open() const {
  return platform::PrivateProfile(files_, path_);
}

std::string ItemKey(int number) {
  return "Item" + std::to_string(number);
}

}  // namespace app
