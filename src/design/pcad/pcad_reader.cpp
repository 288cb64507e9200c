#include "design/pcad/pcad_reader.h"

#include <system_error>
#include <vector>

#include "base/error.h"
#include "base/file_text.h"
#include "design/design_path.h"
#include "design/field_text.h"
#include "design/pcad/board.h"
#include "design/pcad/design_builder.h"
#include "design/pcad/document.h"
#include "design/pcad/forms.h"
#include "design/pcad/library.h"
#include "design/pcad/netlist.h"
#include "design/pcad/reporter.h"
#include "design/pcad/values.h"

namespace nodewick::design {
namespace {

using namespace pcad;

struct TopLevelForms {
    std::optional<ListView> header;
    std::vector<ListView> libraries;
    std::vector<ListView> netlists;
    std::vector<ListView> designs;
    bool schematic = false;
};

TopLevelForms SortTopLevel(const Document& document, Reporter& reporter)
{
    TopLevelForms forms;
    const ListView root = document.root();
    for (auto it = root.begin(); it != root.end(); ++it) {
        if ((*it).kind != ElementKind::List) {
            reporter.fail((*it).line, "unexpected text " + Quoted((*it).text) + " outside any list");
        }
        const ListView form = root.child(it);
        if (form.is("asciiHeader")) {
            if (!forms.header)
                forms.header = form;
        } else if (form.is("library")) {
            forms.libraries.push_back(form);
        } else if (form.is("netlist")) {
            forms.netlists.push_back(form);
        } else if (form.is("pcbDesign")) {
            forms.designs.push_back(form);
        } else if (form.is("schematicDesign")) {
            forms.schematic = true;
        } else if (!IsSkippedForm(FormPlace::TopLevel, form.keyword())) {
            reporter.warnUnknownForm(form.line(), form.keyword());
        }
    }
    return forms;
}

// A file without a PCB design (a schematic, a library, a netlist) would give
// an empty netlist that looks like a board without nets: it is refused, and
// the message says what the file is.
void RequireBoard(const TopLevelForms& forms, const Reporter& reporter)
{
    if (!forms.designs.empty())
        return;
    std::string what;
    if (forms.schematic)
        what = "this is a P-CAD schematic (schematicDesign), not a PCB design";
    else if (!forms.libraries.empty() && forms.netlists.empty())
        what = "this is a P-CAD library file: it holds a library and no PCB design";
    else if (!forms.netlists.empty())
        what = "this is a P-CAD netlist file: it holds a netlist and no PCB design";
    else
        what = "the file holds no PCB design";
    reporter.fail(what + " (pcbDesign); Nodewick reads P-CAD ASCII PCB files");
}

// The unit of bare numbers, (fileUnits mm); mil when the header says none.
Unit FileUnit(const std::optional<ListView>& header, const Reporter& reporter)
{
    const std::optional<ListView> units = header ? header->find("fileUnits") : std::nullopt;
    if (!units)
        return Unit::Mil;
    const std::string_view word = WordOf(*units, reporter);
    const std::optional<Unit> unit = UnitFromWord(word);
    if (!unit)
        reporter.fail(units->line(), "unknown unit " + Quoted(word) + " in (fileUnits ...)");
    return *unit;
}

// What the file says, read out of its text: all the design is built from.
struct PcadSource {
    Library library;
    Netlist netlist;
    Board board;
};

void RequirePathFits(const std::string& fileName, const std::string& designPath)
{
    if (const std::optional<std::string> problem = FieldTextProblem(designPath, kWrittenText))
        throw DesignError(fileName + ": the design path " + Quoted(designPath) +
                          " cannot be design text 1: " + *problem);
}

// The text's tree lives only as long as this takes: what it returns holds no
// part of the text.
PcadSource ReadSource(std::string_view text, Reporter& reporter)
{
    const Document document = Document::Parse(text, reporter);
    const TopLevelForms forms = SortTopLevel(document, reporter);
    RequireBoard(forms, reporter);
    const Unit fileUnit = FileUnit(forms.header, reporter);
    PcadSource source;
    source.library = ReadLibrary(forms.libraries, fileUnit, reporter);
    source.netlist = ReadNetlist(forms.netlists, reporter);
    source.board = ReadBoard(forms.designs, source.library, fileUnit, reporter);
    return source;
}

LoadedDesign BuildLoaded(const PcadSource& source, const std::string& designPath, Reporter& reporter)
{
    LoadedDesign loaded;
    loaded.design = BuildDesign(source.library, source.netlist, source.board, reporter);
    loaded.design.path = designPath;
    loaded.warnings = reporter.takeWarnings();
    return loaded;
}

}  // namespace

bool IsPcadAsciiText(std::string_view firstBytes) noexcept
{
    return LooksLikePcadAscii(firstBytes);
}

LoadedDesign ReadPcadText(std::string_view text, const std::string& fileName, const std::string& designPath)
{
    Reporter reporter(fileName);
    RequirePathFits(fileName, designPath);
    return BuildLoaded(ReadSource(text, reporter), designPath, reporter);
}

LoadedDesign ReadPcadDesign(const std::filesystem::path& file)
{
    std::string text = ReadWholeFile(file);
    std::error_code error;
    const std::filesystem::path realPath = std::filesystem::canonical(file, error);
    if (error)
        throw FileError(file.string() + ": cannot find the file's full path: " + error.message());
    Reporter reporter(file.string());
    const std::string designPath = DesignPathText(realPath, file.string());
    const PcadSource source = ReadSource(text, reporter);
    // The text is read out: its memory goes back before the design takes its
    // own, so that a large file is not held twice over.
    std::string().swap(text);
    return BuildLoaded(source, designPath, reporter);
}

}  // namespace nodewick::design
