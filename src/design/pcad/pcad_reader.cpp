#include "design/pcad/pcad_reader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

#include "dbx/fixed_text.h"
#include "design/pcad/board.h"
#include "design/pcad/design_builder.h"
#include "design/pcad/document.h"
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
        } else if (!form.is("schematicDesign")) {
            reporter.warnUnknownForm(form.line(), form.keyword());
        }
    }
    return forms;
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

std::string ReadWholeFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw DesignLoadError(file.string() + ": cannot open the file: " + std::strerror(errno));
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        throw DesignLoadError(file.string() + ": cannot read the file: " + error.message());
    std::string text;
    text.resize(static_cast<std::size_t>(size));
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        throw DesignLoadError(file.string() + ": cannot read the whole file");
    return text;
}

// What the file says, read out of its text: all the design is built from.
struct PcadSource {
    Library library;
    Netlist netlist;
    Board board;
};

void RequirePathFits(const std::string& fileName, const std::string& designPath)
{
    if (designPath.size() > dbx::kTextFieldSize) {
        throw DesignLoadError(fileName + ": the design's full path " + Quoted(designPath) + " is " +
                              Decimal(static_cast<std::int64_t>(designPath.size())) +
                              " bytes long; the design record holds at most " +
                              Decimal(static_cast<std::int64_t>(dbx::kTextFieldSize)) +
                              ", so move the file to a shorter path");
    }
}

// The text's tree lives only as long as this takes: what it returns holds no
// part of the text.
PcadSource ReadSource(std::string_view text, Reporter& reporter)
{
    const Document document = Document::Parse(text, reporter);
    const TopLevelForms forms = SortTopLevel(document, reporter);
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

} // namespace

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
        throw DesignLoadError(file.string() + ": cannot find the file's full path: " + error.message());
    Reporter reporter(file.string());
    RequirePathFits(file.string(), realPath.string());
    const PcadSource source = ReadSource(text, reporter);
    // The text is read out: its memory goes back before the design takes its
    // own, so that a large file is not held twice over.
    std::string().swap(text);
    return BuildLoaded(source, realPath.string(), reporter);
}

} // namespace nodewick::design
