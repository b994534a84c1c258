#pragma once

#include <QByteArray>
#include <QImage>
#include <map>
#include <optional>

namespace wyk {

// The application's own resources: texts of type "TEXT" and pictures, each by number.
// Each resource is read at most once; later requests return the kept copy.
class Resources {
public:
    // Nothing when the application carries no such text.
    [[nodiscard]] std::optional<QByteArray> text(int number);

    // A null image when the application carries no such picture.
    [[nodiscard]] QImage picture(int number);

    // How often the resource files were opened; one read per resource and run.
    int reads() const { return reads_; }

private:
    std::map<int, std::optional<QByteArray>> texts_;
    std::map<int, QImage> pictures_;
    int reads_ = 0;
};

} // namespace wyk
