#include "offered_bands.h"

#include "clashes.h"
#include "ladder/words.h"
#include "next_step.h"
#include "puzzle_check.h"

std::vector<OfferedBand> offeredBands()
{
    const std::span<const GradeBand> grades = gradeBands();
    std::vector<OfferedBand> offered;
    for (const GradeBand& grade : grades.first(grades.size() - 1)) {
        offered.push_back({capitalised(grade.grade), {grade.low, grade.high}});
    }
    const GradeBand& diabolical = grades.back();
    const std::string name = capitalised(diabolical.grade);
    offered.push_back({name, {diabolical.low, 64}});
    offered.push_back({name + ", chains", {65, 74}});
    offered.push_back({name + ", forcing chains", {75, 84}});
    offered.push_back({name + ", dynamic chains", {85, diabolical.high}});
    return offered;
}

std::string bandText(RatingBand band)
{
    return band.high == noCeiling ? ratingText(band.low) + " and up"
                                  : ratingText(band.low) + " \u2013 " + ratingText(band.high);
}
