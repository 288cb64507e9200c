#include "netlist_lines.h"

#include "dbx/dbx.h"
#include "product.h"
#include "line_writer.h"
#include "output_units.h"
#include "short_text.h"

namespace nodewick::exporter {
namespace {

// Values of the header start at column 18; numbers at column 17, so that
// their first digit lines up under the texts.
constexpr int kValueColumn = 18;
constexpr int kNumberColumn = 17;

}  // namespace

void WriteHeader(LineSink& out, const HeaderFields& header)
{
    WriteRecord(out, {TextItem(1, "C P-CAD 2001 Version")});
    WriteRecord(out, {TextItem(1, "C DBX Version"), NumberItem(15, dbx::kDbxVersion)});
    WriteRecord(out, {TextItem(1, "C IPC-D-356A")});
    WriteRecord(out, {TextItem(1, "C mailto:", kContactAddress)});
    WriteRecord(out, {TextItem(1, "C Design Name"), TextItem(kValueColumn, header.designFile)});
    WriteRecord(out, {TextItem(1, "C Drawing Number"), TextItem(kValueColumn, header.drawingNumber)});
    WriteRecord(out, {TextItem(1, "C Title "), TextItem(kValueColumn, header.title)});
    WriteRecord(out, {TextItem(1, "C Revision"), TextItem(kValueColumn, header.revision)});
    WriteRecord(out, {TextItem(1, "C Engineer"), TextItem(kValueColumn, header.engineer)});
    WriteRecord(out, {TextItem(1, "C Date"), TextItem(kValueColumn, header.dateTime)});
    WriteRecord(out, {TextItem(1, "C Components"), NumberItem(kNumberColumn, header.components)});
    WriteRecord(out, {TextItem(1, "C Number of Nets"), NumberItem(kNumberColumn, header.nets)});
    WriteRecord(out,
                {TextItem(1, "C Total Pads"),
                 TextItem(kValueColumn, Decimal(header.padTotal), " Top Side= ", Decimal(header.padTop),
                          " Bottom Side= ", Decimal(header.padBottom))});
    WriteRecord(out, {TextItem(1, "C Connected Pins"), NumberItem(kNumberColumn, header.connectedPins)});
    WriteRecord(out, {TextItem(1, "C layers"), NumberItem(kNumberColumn, header.layers)});
    WriteRecord(
        out, {TextItem(1, "C Offset ="), TextItem(kValueColumn, "(X: ", header.offsetX, " Y: ", header.offsetY, ")")});
}

void WriteLayerLines(LineSink& out, const std::vector<std::string>& layerEntries)
{
    std::int64_t number = 0;
    for (const std::string& entry : layerEntries)
        WriteRecord(out, {TextItem(1, "C ************Layer ", Decimal(++number), " ", entry, "**********")});
}

void WriteParameterLines(LineSink& out, std::string_view designFile, Units units)
{
    WriteRecord(out, {TextItem(1, "P  VER IPC-D-356A")});
    WriteRecord(out, {TextItem(1, "P  JOB ", designFile)});
    WriteRecord(out, {TextItem(1, "P  UNITS ", UnitsParameter(units))});
    WriteRecord(out, {TextItem(1, "P  DIM   N")});
}

void WriteAliasLine(LineSink& out, std::string_view alias, std::string_view fullName)
{
    WriteRecord(out, {TextItem(1, "P"), TextItem(4, alias), TextItem(15, fullName)});
}

void WriteEndRecord(LineSink& out)
{
    WriteRecord(out, {TextItem(1, "999")});
}

}  // namespace nodewick::exporter
