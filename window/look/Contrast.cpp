#include "look/Contrast.h"

#include <QPalette>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kalvado {

namespace {

// Text must reach 4.5 : 1; a shade made for it aims a little higher, since
// smoothed glyph edges never quite show the colour they are drawn in.
constexpr double TEXT = 4.5 * 1.06;
constexpr double GRAPHIC = 3.0;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor& from, const QColor& to, double t)
{
    auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// The least mix of `colour` towards `towards` that reaches `least`, if
// any does. Contrast grows steadily along the way once past the
// background's own luminance, so halving the interval finds it.
std::optional<double> leastMix(const QColor& colour, const QColor& towards, const QColor& background, double least)
{
    if (ContrastRatio(mixed(colour, towards, 1.0), background) < least)
        return std::nullopt;
    double lo = 0.0, hi = 1.0;
    for (int i = 0; i < 20; ++i) {
        const double mid = (lo + hi) / 2;
        (ContrastRatio(mixed(colour, towards, mid), background) >= least ? hi : lo) = mid;
    }
    // Rounding to whole channels may land a hair short; step on until it
    // does not.
    while (hi < 1.0 && ContrastRatio(mixed(colour, towards, hi), background) < least)
        hi = std::min(1.0, hi + 1.0 / 512);
    return hi;
}

} // namespace

double Luminance(const QColor& colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableShade(const QColor& colour, const QColor& background, double least)
{
    if (ContrastRatio(colour, background) >= least)
        return colour;
    // Away from the background first: lighter on a darker one, darker on a
    // lighter one. Only where that cannot reach it (a colour just lighter
    // than a mid grey) does the shade cross to the other side.
    const bool lighter = Luminance(colour) >= Luminance(background);
    for (const QColor towards : {QColor(lighter ? Qt::white : Qt::black), QColor(lighter ? Qt::black : Qt::white)})
        if (const std::optional<double> t = leastMix(colour, towards, background, least))
            return mixed(colour, towards, *t);
    // Only a grey near the middle keeps both black and white under the
    // target; the one that comes nearer serves (each is past 4.5 : 1).
    return ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background) ? QColor(Qt::white)
                                                                                         : QColor(Qt::black);
}

QColor ScoreColour(const QColor& own, const QColor& background)
{
    return ContrastRatio(own, background) >= GRAPHIC ? own : ReadableShade(own, background, TEXT);
}

QPalette ReadablePalette(const QPalette& palette)
{
    QPalette readable = palette;
    const struct {
        QPalette::ColorRole text;
        QPalette::ColorRole background;
    } pairs[] = {{QPalette::WindowText, QPalette::Window},
                 {QPalette::ButtonText, QPalette::Button},
                 {QPalette::Text, QPalette::Base},
                 {QPalette::ToolTipText, QPalette::ToolTipBase}};
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& pair : pairs) {
            const QColor text = palette.color(group, pair.text);
            const QColor shade = ReadableShade(text, palette.color(group, pair.background), TEXT);
            if (shade != text)
                readable.setColor(group, pair.text, shade);
        }
        // A selection's text is usually plain white or black, which has no
        // hue to keep; the selection's colour gives way instead.
        const QColor text = palette.color(group, QPalette::HighlightedText);
        const QColor highlight = palette.color(group, QPalette::Highlight);
        const QColor shade = ReadableShade(highlight, text, TEXT);
        if (shade != highlight)
            readable.setColor(group, QPalette::Highlight, shade);
    }
    return readable;
}

} // namespace kalvado
