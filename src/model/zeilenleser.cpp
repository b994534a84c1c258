#include "model/zeilenleser.h"

namespace wyk {

ZeilenLeser::ZeilenLeser(QIODevice& device) : device_(device), buffer_(64 * 1024) {}

// Reads the next raw piece into buffer_; the first piece holds at least the three bytes a
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
    } while (!started_ && got < 3);
    return got;
}

// Recognises the byte-order mark at the start of the first piece of got bytes; the number of
// bytes it takes.
std::size_t ZeilenLeser::skipByteOrderMark(std::size_t got) {
    started_ = true;
    const QByteArrayView start(buffer_.data(), static_cast<qsizetype>(got));
    if (start.startsWith("\xEF\xBB\xBF")) {
        return 3;
    }
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF")) {
        decoder_.emplace(start.startsWith("\xFF") ? QStringConverter::Utf16LE
                                                  : QStringConverter::Utf16BE);
        return 2;
    }
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
        } else {
            tooLong = true;
        }
    }
    return !failed_;
}

} // namespace wyk
