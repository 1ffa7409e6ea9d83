#include "documents/textfit.h"

TextFit fitText(double designPoints, double leastPoints, int available,
                const std::function<int(double)>& widthAt) {
    if (leastPoints > designPoints) leastPoints = designPoints;
    for (double points = designPoints; points >= leastPoints; points -= TextFitStep)
        if (widthAt(points) <= available) return {points, false};
    return {leastPoints, widthAt(leastPoints) > available};
}
