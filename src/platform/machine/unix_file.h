#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace platform {

// An open Unix file descriptor, closed when it goes out of scope.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { Reset(); }
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  explicit operator bool() const { return valid(); }
  void Reset();
  // Closes now and tells whether the close succeeded: it reports late write errors.
  bool Close();

 private:
  int fd_ = -1;
};

// Writes all the bytes, going on after interruptions.
bool WriteAll(int fd, std::string_view bytes);
// The folder part of a Unix path ("/a/b" -> "/a", "b" -> ".").
std::string FolderOf(const std::string& path);

}  // namespace platform
