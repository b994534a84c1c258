#include "cli/start.h"

#include <gtest/gtest.h>
#include <numbers>

namespace wyk {
namespace {

// --view, --frames and --frame-time: their values, what they go with, and their messages.
TEST(Kommandozeile, ViewFramesAndFrameTimeTakeOnlyWhatTheyDescribe) {
    const std::pair<QStringList, const char*> falsch[] = {
        {{"--export-picture", "a.gif", "--view", "vorn"}, "„vorn“ von --view"},
        {{"--export-picture", "a.gif", "--view", "top", "--turn", "1"}, "nicht zusammen mit --turn"},
        {{"--export-picture", "a.png", "--tilt", "0", "--view", "front"}, "nicht zusammen mit --turn"},
        {{"--export-picture", "a.gif", "--frames", "1"}, "„1“ von --frames"},
        {{"--export-picture", "a.gif", "--frames", "361"}, "„361“ von --frames"},
        {{"--export-picture", "a.gif", "--frame-time", "19"}, "„19“ von --frame-time"},
        {{"--export-picture", "a.gif", "--frame-time", "10001"}, "„10001“ von --frame-time"},
        {{"--export-picture", "a.png", "--frames", "12"}, "nur für eine GIF-Animation"},
        {{"--export-picture", "a.svg", "--frame-time", "50"}, "nur für eine GIF-Animation"},
        {{"--view", "top"}, "--view gilt nur"},
        {{"--export-off", "a.off", "--frames", "3"}, "--frames gilt nur"},
    };
    for (const auto& [argumente, genannt] : falsch) {
        const Plan plan = planAus(QStringList{"wyk-viewer"} + argumente + QStringList{"h.wyk"});
        EXPECT_TRUE(plan.modus == Modus::Fehler && plan.fehler.contains(QString::fromUtf8(genannt)))
            << argumente.join(' ').toStdString() << ": " << plan.fehler.toStdString();
        EXPECT_EQ(ohneFenster(plan), 2) << argumente.join(' ').toStdString();
    }
    const Plan gif = planAus({"wyk-viewer", "--export-picture", "a.GIF", "--view", "Right",
                              "--frames", "360", "--frame-time", "20", "h.wyk"});
    ASSERT_EQ(gif.modus, Modus::Export) << gif.fehler.toStdString();
    EXPECT_EQ(gif.ansicht.drehung, -std::numbers::pi / 2);
    EXPECT_EQ(gif.ansicht.neigung, 0.0);
    EXPECT_EQ(std::pair(gif.ansicht.umlauf.bilder, gif.ansicht.umlauf.dauer), std::pair(360, 20));
    const Plan start = planAus({"wyk-viewer", "--export-picture", "a.gif", "--view=start", "h"});
    EXPECT_EQ(std::pair(start.ansicht.umlauf.bilder, start.ansicht.umlauf.dauer), std::pair(36, 100));
    EXPECT_EQ(start.ansicht.drehung, -0.785);
    EXPECT_EQ(start.ansicht.neigung, 0.3925);
}

} // namespace
} // namespace wyk
