#pragma once

#include <string>

#include "ui/control.h"
#include "ui/image.h"

namespace ui {

// A picture: one the renderer draws itself (by its role), or an image the program loaded.
class PictureBox : public Control {
 public:
  enum class Role { Separator, Header, Image };

  PictureBox(std::string name, Role role) : Control(std::move(name)), role_(role) {}

  Role role() const { return role_; }
  // The image of an Image picture, shown stretched to the box; empty shows nothing.
  const Image& image() const { return image_; }
  void setImage(Image image) {
    if (image == image_) return;
    image_ = std::move(image);
    notify();
  }
  void clear() { setImage({}); }

 private:
  Role role_;
  Image image_;
};

}  // namespace ui
