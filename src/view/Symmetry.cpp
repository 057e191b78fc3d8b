#include "view/Symmetry.h"

#include <cmath>

namespace {

struct Polar
{
    double radius;
    double angle;
};

Polar ToPolar(QPoint centre, QPoint p)
{
    const int dx = p.x() - centre.x();
    const int dy = p.y() - centre.y();
    const long double squared = (long double)dx * dx + (long double)dy * dy;
    Polar out;
    out.radius = double(std::sqrt(squared));
    // A vertical offset still gets a direction: dx 0 is taken as 0.001.
    out.angle = std::atan2(double(float(dy)), dx == 0 ? 0.001 : double(dx));
    return out;
}

QPoint PolarCopy(const Polar& polar, QPoint centre, int k, int count)
{
    const double step = 6.28318 / count;
    const double t = polar.angle + k * step;
    return QPoint(int(std::cos(t) * polar.radius + centre.x()), int(std::sin(t) * polar.radius + centre.y()));
}

QPoint MirrorX(QPoint centre, QPoint p) { return QPoint(2 * centre.x() - p.x(), p.y()); }
QPoint MirrorY(QPoint centre, QPoint p) { return QPoint(p.x(), 2 * centre.y() - p.y()); }
QPoint MirrorXY(QPoint centre, QPoint p) { return MirrorY(centre, MirrorX(centre, p)); }

} // namespace

void AppendSymmetricSet(const SymmetrySettings& s, QPoint centre, QPoint p, std::vector<QPoint>& out)
{
    if (!s.polar)
        out.push_back(p);
    if (s.mirrorHorizontal || s.mirrorBoth)
        out.push_back(MirrorX(centre, p));
    if (s.mirrorVertical || s.mirrorBoth)
        out.push_back(MirrorY(centre, p));
    if (s.mirrorBoth)
        out.push_back(MirrorXY(centre, p));
    if (s.polar) {
        const Polar polar = ToPolar(centre, p);
        for (int k = 0; k < s.polarCount; ++k)
            out.push_back(PolarCopy(polar, centre, k, s.polarCount));
    }
}

std::vector<QLine> SymmetricLines(const SymmetrySettings& s, QPoint centre, QPoint start, QPoint end)
{
    std::vector<QLine> lines;
    if (!s.polar)
        lines.emplace_back(start, end);
    if (s.mirrorHorizontal || s.mirrorBoth)
        lines.emplace_back(MirrorX(centre, start), MirrorX(centre, end));
    if (s.mirrorVertical || s.mirrorBoth)
        lines.emplace_back(MirrorY(centre, start), MirrorY(centre, end));
    if (s.mirrorBoth)
        lines.emplace_back(MirrorXY(centre, start), MirrorXY(centre, end));
    if (s.polar) {
        const Polar a = ToPolar(centre, start);
        const Polar b = ToPolar(centre, end);
        for (int k = 0; k < s.polarCount; ++k)
            lines.emplace_back(PolarCopy(a, centre, k, s.polarCount), PolarCopy(b, centre, k, s.polarCount));
    }
    return lines;
}

QPoint ResetCentre(int width, int height)
{
    return QPoint((width - 1) / 2 - 2, (height - 1) / 2 - 1);
}
