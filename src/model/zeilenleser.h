#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QStringDecoder>
#include <optional>
#include <string>
#include <vector>

namespace wyk {

// Reads a text stream line by line. A line ends at LF, CR LF or CR alike; the terminator is
// not part of the line, and a terminator at the very end of the stream starts no further
// line. Runs of blanks are folded into one blank as the line is read, which changes neither
// the fields of a data line nor the number at the start of a count line and keeps lines of
// millions of blanks small. A line longer than kLaengsteZeile after folding is reported as too
// long: a comment line (first character "#") is read to its end, any other line only up to the
// limit, so a hopeless file is refused at once and memory stays bounded whatever it holds.
// A leading UTF-8 byte-order mark is passed over; a stream that starts with the UTF-16 or
// UTF-32 mark of either byte order is decoded as it is read and its lines are delivered in
// UTF-8.
class ZeilenLeser {
public:
    static constexpr std::size_t kLaengsteZeile = 1 << 20;

    explicit ZeilenLeser(QIODevice& device);

    // True when no further line can be read.
    [[nodiscard]] bool atEnd();

    // Reads the next line into line. False when the device failed. A line that is too long
    // and no comment holds its first kLaengsteZeile characters; the rest stays unread.
    [[nodiscard]] bool readLine(std::string& line, bool& tooLong);

    // Number of the line read last, counted from 1.
    long long lineNumber() const { return lineNumber_; }

private:
    bool fill();
    std::size_t readPiece();
    std::size_t skipByteOrderMark(std::size_t got);

    QIODevice& device_;
    std::vector<char> buffer_;
    std::optional<QStringDecoder> decoder_; // set for a UTF-16 or UTF-32 stream
    QByteArray decoded_;
    const char* data_ = nullptr; // the piece being read: buffer_ or decoded_
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool started_ = false;
    bool failed_ = false;
    long long lineNumber_ = 0;
};

} // namespace wyk
