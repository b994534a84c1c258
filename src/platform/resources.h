#pragma once

#include <QByteArray>
#include <QImage>
#include <array>
#include <map>
#include <optional>

namespace wyk {

// A file the application carries, by the number it is read with and its name.
struct Ressource {
    int nummer;
    const char* datei;
};

// The applet's class files, texts of type "TEXT" kept in resources/applet/, in the order the
// web export writes them, the main class first. This is their only list: the build reads it
// (resources/CMakeLists.txt) to file each class under its number.
inline constexpr std::array<Ressource, 4> kAppletKlassen = {{
    {171, "Viewer41.class"},
    {168, "Face.class"},
    {169, "Matrix3D.class"},
    {170, "OOGL_OFF.class"},
}};

// The about window's pictures, of type "PICT", in resources/pictures/ under their numbers.
// Pictures are numbered apart from texts: 168 and 169 are also class files.
inline constexpr int kBildLogo = 168;        // the example house, 160 x 160
inline constexpr int kBildFarbfaecher = 169; // the colour fan from above, 100 x 50

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
