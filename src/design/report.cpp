// The report is built line by line with print zones and tab columns; a mix entry that was not
// part of the last design shows its name and departures with "-" in the result columns.
#include "design/report.h"

#include <cmath>
#include <string>

#include "basics/program_info.h"
#include "basics/unit_factors.h"
#include "design/aircraft_step.h"
#include "io/atomic_file.h"
#include "io/number_text.h"
#include "io/print_layout.h"

namespace korvant {
namespace {

constexpr const char* kIndent = "     ";
constexpr int kBannerWidth = 54;
constexpr int kTableWidth = 94;
constexpr double kUnlimitedCoverages = 1e8;

std::string Centred(std::string_view text, int width)
{
    const int left = (width - static_cast<int>(text.size())) / 2;
    std::string out(static_cast<std::size_t>(left), ' ');
    out += text;
    out.append(static_cast<std::size_t>(width - static_cast<int>(out.size())), ' ');
    return out;
}

// A title centred between the banner's two "*".
std::string BannerTitle(std::string_view title)
{
    std::string line(1, '*');
    line += Centred(title, kBannerWidth - 2);
    line += '*';
    return line;
}

void IndentedLine(PrintLayout& out, std::string_view text)
{
    out.text(kIndent).text(text).endLine();
}

void Rule(PrintLayout& out)
{
    IndentedLine(out, std::string(kBannerWidth, '='));
}

void ValueLine(PrintLayout& out, std::string_view label, double value, std::string_view unit)
{
    out.text(kIndent).text(label).zone().text(ReportNumberText(value));
    if (!unit.empty())
        out.zone().text(unit);
    out.endLine();
}

void FieldLine(PrintLayout& out, const DesignModel& model, std::string_view label, InputField field,
    bool metric, std::string_view englishUnit, std::string_view metricUnit)
{
    ValueLine(out, label, NumberOfText(model.field(field)), metric ? metricUnit : englishUnit);
}

void Banner(PrintLayout& out)
{
    out.emptyLines(3);
    IndentedLine(out, std::string(kBannerWidth, '*'));
    IndentedLine(out, BannerTitle(kBannerTitleLine1));
    IndentedLine(out, BannerTitle(kBannerTitleLine2));
    IndentedLine(out, "*                KORVANT Detial Report               *");
    IndentedLine(out, std::string(kBannerWidth, '*'));
}

void BottomLayer(PrintLayout& out, const DesignModel& model, bool metric)
{
    const bool unbonded = model.layerMode == kTwoLayerUnbonded;
    out.endLine();
    if (!metric && unbonded)
        IndentedLine(out, std::string("            ") + "Unbonded " + "Subbase Layer Properties");
    else
        IndentedLine(out,
            std::string("            Bottom ") + (unbonded ? "Unonded" : "Bonded")
                + " Layer Properties");
    Rule(out);
    FieldLine(out, model,
        metric ? "Elastic Modulus of Bottom Layer" : "Elastic Modulus of Subbase Layer",
        InputField::E2, metric, "psi", "kPa");
    FieldLine(out, model, metric ? "Thickness  of Bottom Layer" : "Thickness  of Subbase Layer",
        InputField::h2, metric, "in", "cm");
}

void FatigueRow(PrintLayout& out, const DesignModel& model, int record, bool metric)
{
    const AircraftRecord& aircraft = model.database.record(record);
    const AircraftResult& r = model.result.aircraft[static_cast<std::size_t>(record)];
    out.text(kIndent).text(aircraft.name);
    out.tab(25).text(FormatText(aircraft.annualDepartures, "0.00E+00"));
    if (!r.fromLastDesign) {
        for (int column : { 35, 48, 55, 61, 75, 86 })
            out.tab(column).text("-");
        out.endLine();
        return;
    }
    double stress = r.edgeStress * r.gearFactor * static_cast<double>(r.sizeLayerFactor)
        + static_cast<double>(model.result.curlingStress) * static_cast<double>(r.curlFactor);
    if (metric)
        stress *= kKilopascalPerPsi;
    const double coverages
        = NumberOfText(aircraft.annualDepartures) * 20 / static_cast<double>(r.passToCoverage);
    out.tab(35).text(FormatNumber(stress, "000"));
    out.tab(48).text(FormatSingle(r.passToCoverage, "0.00"));
    out.tab(55).text(FormatSingle(r.F3, "0.00"));
    out.tab(61).text(FormatNumber(coverages, "0.00E+00"));
    out.tab(75).text(r.allowableCoverages >= kUnlimitedCoverages
            ? std::string(kUnlimitedText)
            : FormatNumber(r.allowableCoverages, "0.00E+00"));
    // The last column: a damage beyond the range of numbers is written out in words.
    out.tab(86).text(std::isinf(r.damageRatio)
            ? std::string(kBeyondAnyNumberText)
            : FormatText(FormatSingle(r.damageRatio, "0.00"), "@@@@@"));
    out.endLine();
}

void FatigueTable(PrintLayout& out, const DesignModel& model, bool metric)
{
    out.emptyLines(2);
    IndentedLine(out, "                    Fatigue Analysis");
    IndentedLine(out, std::string(kTableWidth, '='));
    out.text(kIndent).text("Aircraft").tab(25).text("Pass/Year").tab(35).text("Max. Stress");
    out.tab(48).text("P/C").tab(55).text("F3").tab(61).text("Total Actual");
    out.tab(75).text("Allow").tab(86).text("Fatigue").endLine();
    out.tab(35).text("of Edge").tab(61).text("Coverages").tab(75).text("Coverages");
    out.tab(86).text("Damage Ratio").endLine();
    out.tab(35).text(metric ? "kPa" : "psi").tab(86).text("%").endLine();
    IndentedLine(out, std::string(kTableWidth, '-'));
    for (int slot = 1; slot <= model.mix.count(); ++slot)
        FatigueRow(out, model, model.mix.record(slot), metric);
}

} // namespace

std::string ReportText(const DesignModel& model)
{
    const bool metric = model.units == UnitSystem::Metric;
    PrintLayout out;
    Banner(out);

    out.emptyLines(2);
    IndentedLine(out, "            Airfield Climate Properties");
    Rule(out);
    FieldLine(
        out, model, "Annual Mean Precipitation", InputField::Precipitation, metric, "inch", "mm");
    FieldLine(out, model, "Annual Mean Temperature", InputField::Temperature, metric, "'F", "'C");
    FieldLine(
        out, model, "Annual Mean Wind Speed  ", InputField::WindSpeed, metric, "mph", "m/sec");

    out.emptyLines(2);
    IndentedLine(out, "            Pavement Material Properties");
    Rule(out);
    FieldLine(out, model, "Elastic Modulus of Concrete", InputField::E, metric, "psi", "kPa");
    FieldLine(out, model, "Concrete Flexural Strength", InputField::Sc, metric, "psi", "kPa");
    ValueLine(out, "Poisson Ratio of Concrete", 0.15, "");
    FieldLine(out, model, "Modulus of Subgrade Reaction,k", InputField::k, metric, "pci", "kPa/mm");
    if (model.layerMode > 0)
        BottomLayer(out, model, metric);

    Rule(out);
    IndentedLine(out, "Concrete Slab Size:");
    FieldLine(out, model,
        metric ? "Length :                        " : "Length :                      ",
        InputField::SlabLength, metric, "ft", "m");
    FieldLine(out, model,
        metric ? "Width  :                        " : "Width  :                      ",
        InputField::SlabWidth, metric, "ft", "m");

    out.emptyLines(2);
    IndentedLine(out, "         Pavement Thickness Design Results");
    Rule(out);
    out.endLine();
    out.text(kIndent).text("Design Thickness :").zone().text("          ").zone();
    out.text(FormatText(model.lbh, "0.0")).text(metric ? " cm" : " inches").endLine();

    FatigueTable(out, model, metric);
    return out.str();
}

void PrintToFile(const DesignModel& model, const std::filesystem::path& path)
{
    WriteFileAtomically(path, ReportText(model));
}

} // namespace korvant
