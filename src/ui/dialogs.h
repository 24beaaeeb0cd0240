#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Message-box flags and results, numbered as Windows numbers them.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_TOPMOST = 0x40000;
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONMASK = 0xF0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The program's standard boxes.
constexpr unsigned kConfirmFlags = MB_YESNO | MB_ICONQUESTION | MB_TOPMOST;  // 0x40024
constexpr unsigned kHintFlags = MB_OK | MB_ICONINFORMATION | MB_TOPMOST;     // 0x40040
constexpr unsigned kErrorFlags = MB_OK | MB_ICONERROR | MB_TOPMOST;          // 0x40010

// Modal questions to the user. Texts use CR (and CR LF) as line breaks, as Windows does.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int MessageBox(std::string_view text, std::string_view caption, unsigned flags) = 0;
  // nullopt when cancelled.
  virtual std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                              std::string_view defaultText) = 0;
  // A picture file chosen by the user, as a Windows path; nullopt when cancelled.
  virtual std::optional<std::string> OpenPicture(std::string_view title) = 0;
};

// Lets pending window messages run while a long handler works.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void ProcessMessages() = 0;
};

}  // namespace ui
