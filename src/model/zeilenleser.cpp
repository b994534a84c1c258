#include "model/zeilenleser.h"

namespace wyk {

ZeilenLeser::ZeilenLeser(QIODevice& device) : device_(device), buffer_(64 * 1024) {}

bool ZeilenLeser::fill() {
    if (pos_ < len_) {
        return true;
    }
    if (failed_) {
        return false;
    }
    const qint64 got = device_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
    if (got < 0) {
        failed_ = true;
    }
    pos_ = 0;
    len_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    return len_ > 0;
}

bool ZeilenLeser::atEnd() {
    return !fill();
}

bool ZeilenLeser::readLine(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    ++lineNumber_;
    while (fill()) {
        const char c = buffer_[pos_++];
        if (c == '\n') {
            return true;
        }
        if (c == '\r') {
            if (fill() && buffer_[pos_] == '\n') {
                ++pos_;
            }
            return !failed_;
        }
        if (c == ' ' && !line.empty() && line.back() == ' ') {
            continue;
        }
        if (line.size() < kLaengsteZeile) {
            line.push_back(c);
        } else {
            tooLong = true;
        }
    }
    return !failed_;
}

} // namespace wyk
