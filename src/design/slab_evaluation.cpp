// A given slab is evaluated as one trial of the design: the same mix damage at the thickness
// rounded to 32 bits, so that at the design thickness it gives the design's last total exactly.
#include "design/slab_evaluation.h"

#include <cmath>

#include "basics/rounding.h"
#include "basics/unit_factors.h"

#include "io/data_text.h"
#include "io/number_text.h"
#include "io/quoted_text.h"

namespace korvant {
namespace {

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string RightAligned(const std::string& text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string YearsText(const SlabEvaluation& result)
{
    return result.years ? SignificantText(*result.years, 4) : std::string("unlimited");
}

} // namespace

const char* SlabThicknessUnit(UnitSystem units)
{
    return units == UnitSystem::Metric ? "cm" : "in";
}

double ShownThickness(float inches, UnitSystem units)
{
    const double value = static_cast<double>(inches);
    return units == UnitSystem::Metric ? value * kCentimetrePerInch : value;
}

std::string WithThicknessUnit(const std::string& heading, UnitSystem units)
{
    return heading + " (" + SlabThicknessUnit(units) + ")";
}

float SlabThicknessOfText(std::string_view text, UnitSystem units)
{
    const std::string quoted = QuotedText(text);
    if (!IsNumberText(text))
        throw EvaluationRefused("The slab thickness " + quoted + " is not a number.");
    double inches = NumberOfText(text);
    if (units == UnitSystem::Metric)
        inches /= kCentimetrePerInch;
    if (!(inches > 0))
        throw EvaluationRefused("The slab thickness " + quoted + " must be greater than 0.");
    if (!FitsF32(inches))
        throw EvaluationRefused("The slab thickness " + quoted + " exceeds the range of numbers.");
    const float thickness = f32(inches);
    if (!(thickness > 0))
        throw EvaluationRefused("The slab thickness " + quoted + " is too small to be evaluated.");
    return thickness;
}

SlabEvaluation EvaluateSlab(const DesignBasis& basis, float thickness, UnitSystem units)
{
    SlabEvaluation result;
    result.thickness = thickness;
    const double shown = units == UnitSystem::Metric
        ? static_cast<double>(thickness) * kCentimetrePerInch
        : static_cast<double>(thickness);
    result.thicknessText = GeneralNumberText(shown) + " " + SlabThicknessUnit(units);
    result.totalDamage = MixDamage(basis, thickness, units, result.steps, "slab thickness");
    if (result.totalDamage > 0)
        result.years = kDesignYears / static_cast<double>(result.totalDamage);
    return result;
}

SlabEvaluation EvaluateSlabText(const DesignBasis& basis, std::string_view text, UnitSystem units)
{
    SlabEvaluation result = EvaluateSlab(basis, SlabThicknessOfText(text, units), units);
    result.thicknessText = GeneralNumberText(NumberOfText(text)) + " " + SlabThicknessUnit(units);
    return result;
}

std::vector<EvaluationRow> EvaluationRows(const DesignBasis& basis, const SlabEvaluation& result)
{
    std::vector<EvaluationRow> rows;
    for (std::size_t i = 0; i < result.steps.size() && i < basis.mix.size(); ++i)
        rows.push_back({ basis.mix[i].label, DamageRatioText(result.steps[i], "0.00") });
    return rows;
}

std::string EvaluationSummary(const SlabEvaluation& result)
{
    if (!result.years)
        return "No damage: the slab carries the traffic for unlimited years";
    if (std::isinf(result.totalDamage))
        return std::string("Total damage ") + kBeyondAnyNumberText + ": the slab fails at once";
    return "Total damage " + SignificantText(static_cast<double>(result.totalDamage), 4) + ", "
        + YearsText(result) + " years of traffic";
}

std::string EvaluationText(const DesignBasis& basis, const SlabEvaluation& result)
{
    constexpr std::size_t kNameWidth = 24;
    constexpr std::size_t kValueWidth = 14;
    std::string out = "Evaluation of a slab of " + result.thicknessText + "\n";
    out += Padded("Aircraft", kNameWidth) + RightAligned("Damage ratio %", kValueWidth) + "\n";
    for (const EvaluationRow& row : EvaluationRows(basis, result))
        out += Padded(row.aircraft, kNameWidth) + RightAligned(row.damageRatio, kValueWidth) + "\n";
    out += Padded("Total damage", kNameWidth)
        + RightAligned(TotalDamageText(result.totalDamage, 6), kValueWidth) + "\n";
    out += Padded("Years to a damage of 1", kNameWidth)
        + RightAligned(YearsText(result), kValueWidth) + "\n";
    return out;
}

} // namespace korvant
