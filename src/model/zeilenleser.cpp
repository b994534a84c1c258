#include "model/zeilenleser.h"

namespace wyk {

ZeilenLeser::ZeilenLeser(QIODevice& device) : device_(device), buffer_(64 * 1024) {}

// Reads the next raw piece into buffer_; the first piece holds at least the four bytes a
// byte-order mark may take, unless the stream is shorter.
std::size_t ZeilenLeser::readPiece() {
    std::size_t got = 0;
    do {
        const qint64 more =
            device_.read(buffer_.data() + got, static_cast<qint64>(buffer_.size() - got));
        if (more < 0) {
            failed_ = true;
        }
        if (more <= 0) {
            break;
        }
        got += static_cast<std::size_t>(more);
    } while (!started_ && got < 4);
    return got;
}

// Recognises the byte-order mark at the start of the first piece of got bytes and gives the
// number of bytes to pass over. UTF-8 stays as it is; for UTF-16 and UTF-32 a decoder is set,
// which drops the mark itself.
std::size_t ZeilenLeser::skipByteOrderMark(std::size_t got) {
    started_ = true;
    const auto encoding = QStringConverter::encodingForData(
        QByteArrayView(buffer_.data(), static_cast<qsizetype>(got)));
    if (!encoding) {
        return 0;
    }
    if (*encoding == QStringConverter::Utf8) {
        return 3;
    }
    decoder_.emplace(*encoding);
    return 0;
}

bool ZeilenLeser::fill() {
    while (pos_ >= len_) {
        if (failed_) {
            return false;
        }
        const std::size_t got = readPiece();
        if (got == 0) {
            return false;
        }
        pos_ = started_ ? 0 : skipByteOrderMark(got);
        if (decoder_) {
            // The decoder keeps a code unit or surrogate pair cut by the piece's end for the
            // next piece.
            const QString text = decoder_->decode(
                QByteArrayView(buffer_.data() + pos_, static_cast<qsizetype>(got - pos_)));
            decoded_ = text.toUtf8();
            data_ = decoded_.constData();
            pos_ = 0;
            len_ = static_cast<std::size_t>(decoded_.size());
        } else {
            data_ = buffer_.data();
            len_ = got;
        }
    }
    return true;
}

bool ZeilenLeser::atEnd() {
    return !fill();
}

bool ZeilenLeser::readLine(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    ++lineNumber_;
    while (fill()) {
        const char c = data_[pos_++];
        if (c == '\n') {
            return true;
        }
        if (c == '\r') {
            if (fill() && data_[pos_] == '\n') {
                ++pos_;
            }
            return !failed_;
        }
        if (c == ' ' && !line.empty() && line.back() == ' ') {
            continue;
        }
        if (line.size() < kLaengsteZeile) {
            line.push_back(c);
        } else if (line.front() != '#') {
            tooLong = true; // what follows cannot make the line acceptable
            return true;
        }
    }
    return !failed_;
}

} // namespace wyk
