#include "grid/ReadableColors.h"

#include <cmath>

namespace {

constexpr int blendSteps = 20;

double linear(double component)
{
    return component <= 0.04045 ? component / 12.92 : std::pow((component + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &color)
{
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

QColor blended(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(mix(from.redF(), to.redF())), float(mix(from.greenF(), to.greenF())),
                            float(mix(from.blueF(), to.blueF())));
}

QColor drawnOver(const QColor &color, const QColor &background)
{
    QColor opaque = background;
    opaque.setAlpha(255);
    return blended(opaque, color, color.alphaF());
}

// What a background shows on a window that lets it through: white.
QColor onWhite(const QColor &background)
{
    return drawnOver(background, Qt::white);
}

} // namespace

namespace ReadableColors {

double contrastRatio(const QColor &text, const QColor &background)
{
    const QColor base = onWhite(background);
    const double first = luminance(drawnOver(text, base));
    const double second = luminance(base);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor strongestOn(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QColor readableText(const QColor &text, const QColor &background)
{
    if (contrastRatio(text, background) >= MinimumTextContrast)
        return text;
    const QColor target = strongestOn(background);
    const QColor start = drawnOver(text, onWhite(background));
    for (int step = 1; step < blendSteps; ++step) {
        const QColor candidate = blended(start, target, double(step) / blendSteps);
        if (contrastRatio(candidate, background) >= MinimumTextContrast)
            return candidate;
    }
    return target;
}

} // namespace ReadableColors
