#pragma once
// The outcome of one of the compiler's steps: done, or failed with a message that
// names what failed and where ("cannot open /usr/share/trans/de-en").

#include <string>
#include <utility>

namespace lexavo::mkdict {

class [[nodiscard]] Status {
  public:
    Status() = default;  // done
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    const std::string& message() const { return message_; }

  private:
    explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

    bool failed_ = false;
    std::string message_;
};

}  // namespace lexavo::mkdict
