#pragma once

#include <map>
#include <string>

#include "platform/error.h"
#include "platform/text.h"
#include "ui/image.h"

namespace testing_support {

// Pictures a test puts in place by path; any other path is not a picture.
class MemoryPictures : public ui::Pictures {
 public:
  void Put(const std::string& path, ui::Image image) {
    pictures_[platform::ToLowerAscii(path)] = std::move(image);
  }

  ui::Image Load(const std::string& path) override {
    auto found = pictures_.find(platform::ToLowerAscii(path));
    if (found == pictures_.end()) throw platform::Error("Bitmap image is not valid");
    return found->second;
  }

 private:
  std::map<std::string, ui::Image> pictures_;
};

}  // namespace testing_support
