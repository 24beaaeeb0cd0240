#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

// A picture: one the renderer draws itself (by its role), or a picture file.
class PictureBox : public Control {
 public:
  enum class Role { Separator, Header, File };

  PictureBox(std::string name, Role role) : Control(std::move(name)), role_(role) {}

  Role role() const { return role_; }
  // The picture file (a Windows path) of a File picture; empty shows nothing.
  const std::string& file() const { return file_; }
  void setFile(std::string file) {
    if (file == file_) return;
    file_ = std::move(file);
    notify();
  }

 private:
  Role role_;
  std::string file_;
};

}  // namespace ui
