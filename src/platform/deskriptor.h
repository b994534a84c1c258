#pragma once

#include <cerrno>
#include <unistd.h>
#include <utility>

// A part of the writer behind writeBinaryFile (platform/dateischreiben.h), for its files only.
namespace wyk::schreiben {

// A descriptor that is closed when it goes out of scope.
class Deskriptor {
public:
    Deskriptor() = default;
    explicit Deskriptor(int fd) : fd_(fd) {}
    Deskriptor(Deskriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Deskriptor& operator=(Deskriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    ~Deskriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool offen() const { return fd_ >= 0; }
    // Closes the descriptor; 0 or the error number of close.
    int schliessen() { return fd_ >= 0 && ::close(std::exchange(fd_, -1)) != 0 ? errno : 0; }

private:
    int fd_ = -1;
};

} // namespace wyk::schreiben
