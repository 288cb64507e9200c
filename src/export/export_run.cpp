#include "export_run.h"

#include <limits>

#include "base/error.h"
#include "dbx/status_text.h"
#include "dbx/trim_null.h"
#include "design_names.h"
#include "distinct_net_names.h"
#include "file_system_path.h"
#include "layer_list.h"
#include "layer_positions.h"
#include "net_order.h"
#include "netlist_file.h"
#include "netlist_lines.h"
#include "offset_text.h"
#include "pad_records.h"
#include "plain_text.h"
#include "record_context.h"
#include "settings_file.h"
#include "short_text.h"
#include "tie_net.h"
#include "output_units.h"
#include "via_records.h"
#include "warnings.h"

namespace nodewick::exporter {
namespace {

// Closes the DBX conversation on every way out of the run, failures included;
// the normal end closes it earlier, before the end record is written.
class Conversation {
public:
    Conversation(dbx::Dbx& dbx, dbx::DbxContext& context) : dbx_(dbx), context_(context) { }
    ~Conversation() { close(); }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    void close()
    {
        if (open_)
            dbx_.TCloseDesign(context_, "");
        open_ = false;
    }

private:
    dbx::Dbx& dbx_;
    dbx::DbxContext& context_;
    bool open_ = true;
};

// An offset text in database units. One that does not fit a 32-bit signed
// integer would wrap every location it is added to, so it is refused before
// any file is written.
std::int32_t OffsetInDatabaseUnits(const std::string& text, char axis, Units units)
{
    if (const std::optional<std::int32_t> value = OffsetDatabaseUnits(text, units))
        return *value;
    const double perUnit = static_cast<double>(DatabaseUnitsPerTypedUnit(units));
    throw ExportError(std::string("The ") + axis + " offset \"" + text + "\" is out of range: in " +
                      (units == Units::Mils ? "mils" : "millimetres") + " an offset must lie between " +
                      FormatOffset(std::numeric_limits<std::int32_t>::min() / perUnit, units) + " and " +
                      FormatOffset(std::numeric_limits<std::int32_t>::max() / perUnit, units) +
                      ", or the locations would overflow");
}

// An offset as the header shows it, in the unit it was typed in.
std::string OffsetShown(std::int32_t offset, Units units)
{
    return FormatOffset(offset / static_cast<double>(DatabaseUnitsPerTypedUnit(units)), units);
}

// The texts of the header and the layer lines, checked before any file is
// written.
void RequirePlainDesignTexts(const DesignNames& names, const dbx::DesignInfo& info,
                             const std::vector<std::string>& layerList)
{
    const std::pair<std::string_view, const dbx::TextField*> fields[] = {
        {"the drawing number", &info.drawingNumber},
        {"the title", &info.title},
        {"the revision", &info.revision},
        {"the engineer", &info.engineer},
    };
    RequirePlainText(names.file, [] { return std::string("The design information: the design file name"); });
    for (const auto& [what, field] : fields)
        RequirePlainText(dbx::TrimNullView(field->field()),
                         [what] { return "The design information: " + std::string(what); });
    for (std::size_t i = 0; i < layerList.size(); ++i)
        RequirePlainText(layerList[i], [i] { return "The layer list: entry " + std::to_string(i + 1); });
}

// The layer, component and pad counts of the header.
struct DesignCounts {
    Count layers;
    Count components;
    std::int64_t padTotal = 0;
    std::int64_t padTop = 0;
    std::int64_t padBottom = 0;
};

DesignCounts CountDesign(dbx::Dbx& dbx, dbx::DbxContext& context)
{
    DesignCounts counts;
    dbx::LayerRecord layer;
    for (dbx::DbxStatus status = dbx.TGetFirstLayer(context, layer); status == dbx::status::kSuccess;
         status = dbx.TGetNextLayer(context, layer)) {
        if (IsListedLayerType(layer.layerType))
            counts.layers = counts.layers.value_or(0) + 1;
    }
    dbx::ComponentRecord component;
    for (dbx::DbxStatus status = dbx.TGetFirstComponent(context, component); status == dbx::status::kSuccess;
         status = dbx.TGetNextComponent(context, component)) {
        counts.components = counts.components.value_or(0) + 1;
        counts.padTotal += component.padCount;
        (component.side == 0 ? counts.padTop : counts.padBottom) += component.padCount;
    }
    return counts;
}

std::string NetStatusText(std::size_t index, const std::string& netName)
{
    std::string text = "Nodes ";
    text += Decimal(static_cast<std::int64_t>(index)).view();
    text += " Nets Name ";
    text += netName;
    return text;
}

class ExportRun {
public:
    ExportRun(dbx::Dbx& dbx, dbx::DbxContext& context, const ExportChoices& choices, const ExportHooks& hooks,
              const ExportFiles& files, ExportResult& result)
        : dbx_(dbx),
          context_(context),
          choices_(choices),
          hooks_(hooks),
          files_(files),
          result_(result),
          conversation_(dbx, context)
    {
    }

    void run(dbx::DbxStatus status)
    {
        const Units units = choices_.units;
        const std::int32_t offsetX = OffsetInDatabaseUnits(choices_.offsetXText, 'X', units);
        const std::int32_t offsetY = OffsetInDatabaseUnits(choices_.offsetYText, 'Y', units);

        hooks_.showStatus(dbx::StatusText(status));
        if (status != dbx::status::kSuccess)
            throw ExportError("No design is open (" + dbx::StatusText(status) + "); nothing was written");

        dbx::DesignInfo info;
        dbx_.TGetDesignInfo(context_, info);
        const DesignNames names = DeriveDesignNames(dbx::TrimNull(info.designFile.field()));
        hooks_.showFile(names.file);
        RequirePlainDesignTexts(names, info, choices_.layerList);
        const std::string folder = FileSystemPath(names.folder);
        const std::string netlistPath = files_.outputPath.value_or(folder + FileSystemPath(names.outputFile));

        const NetCollection nets = CollectNets(dbx_, context_);
        const DesignCounts counts = CountDesign(dbx_, context_);

        NetlistFile file(netlistPath);
        writeHeader(file, info, names.file, nets, counts, offsetX, offsetY);
        WriteLayerLines(file, choices_.layerList);
        WriteParameterLines(file, names.file, units);

        const LayerPositions layers(choices_.layerList);
        RecordContext records{.dbx = dbx_,
                              .context = context_,
                              .units = units,
                              .unitDivisor = UnitDivisor(units),
                              .offsetX = offsetX,
                              .offsetY = offsetY,
                              .layers = layers,
                              .sink = file,
                              .warnings = warnings_};
        writeNets(records, nets);

        conversation_.close();
        WriteEndRecord(file);
        file.commit();

        result_.written = true;
        result_.netlistPath = file.finalPath();
        result_.netCount = static_cast<std::int64_t>(nets.netIds.size());
        if (files_.saveSettings)
            saveLayerOrder(folder);
        hooks_.showStatus("Written to ." + (files_.outputPath ? *files_.outputPath : names.outputFile));
    }

    void collectWarnings()
    {
        result_.warnings = warnings_.list();
        result_.warningCount = warnings_.count();
    }

private:
    // The netlist is in place by now; a layer order that cannot be saved
    // costs the next start its order, not this run its netlist.
    void saveLayerOrder(const std::string& folder)
    {
        try {
            result_.settingsPath = WriteSettingsFile(folder, choices_.layerList);
        } catch (const SettingsFileError& error) {
            warnings_.add(std::string(error.what()) + "; the layer order is not saved");
        }
    }

    void writeHeader(LineSink& out, const dbx::DesignInfo& info, const std::string& designFile,
                     const NetCollection& nets, const DesignCounts& counts, std::int32_t offsetX, std::int32_t offsetY)
    {
        const Units units = choices_.units;
        WriteHeader(out,
                    HeaderFields{
                        .designFile = designFile,
                        .drawingNumber = dbx::TrimNull(info.drawingNumber.field()),
                        .title = dbx::TrimNull(info.title.field()),
                        .revision = dbx::TrimNull(info.revision.field()),
                        .engineer = dbx::TrimNull(info.engineer.field()),
                        .dateTime = hooks_.dateTimeText(),
                        .components = counts.components,
                        .nets = static_cast<std::int64_t>(nets.netIds.size()),
                        .padTotal = counts.padTotal,
                        .padTop = counts.padTop,
                        .padBottom = counts.padBottom,
                        .connectedPins = nets.connectedPins,
                        .layers = counts.layers,
                        .offsetX = OffsetShown(offsetX, units),
                        .offsetY = OffsetShown(offsetY, units),
                    });
    }

    void writeNets(RecordContext& records, const NetCollection& nets)
    {
        const std::vector<std::int32_t>& netIds = nets.netIds;
        DistinctNetNames untiedNames;
        std::int64_t& aliases = result_.aliases;
        dbx::NetRecord net;
        dbx::ItemRecord firstNode;
        for (std::size_t i = 0; i < netIds.size(); ++i) {
            const std::int32_t netId = netIds[i];
            dbx_.TGetNetById(context_, netId, net);
            const dbx::DbxStatus nodeStatus = dbx_.TGetFirstNetNode(context_, netId, firstNode);

            std::string name = dbx::TrimNull(net.netName.field());
            RequirePlainText(name, [netId] { return "Net id " + std::to_string(netId) + ": the net name"; });
            if (choices_.tie) {
                TieAttribute tie = TieAttribut(dbx_, context_, net.netId);
                if (tie.isTieNet()) {
                    RequirePlainText(tie.value, [&name, netId] {
                        return "Net " + name + " (id " + std::to_string(netId) + "): the TieNet value";
                    });
                    name = std::move(tie.value);
                }
            }
            if (!nets.tied[i])
                untiedNames.add(name, netId);
            hooks_.showStatus(NetStatusText(i, name));

            std::string alias;
            std::string_view recordName = name;
            if (NeedsAlias(name)) {
                alias = AliasName(++aliases);
                recordName = alias;
                WriteAliasLine(records.sink, recordName, name);
            }
            const CurrentNet current{.id = netId, .recordName = recordName, .fullName = name};
            result_.padRecords += padsxy(records, current, firstNode, nodeStatus);
            result_.viaRecords += viasxy(records, current);
        }
    }

    dbx::Dbx& dbx_;
    dbx::DbxContext& context_;
    const ExportChoices& choices_;
    const ExportHooks& hooks_;
    const ExportFiles& files_;
    ExportResult& result_;
    Conversation conversation_;
    Warnings warnings_;
};

}  // namespace

ExportResult RunExport(dbx::Dbx& dbx, dbx::DbxContext& context, dbx::DbxStatus status, const ExportChoices& choices,
                       const ExportHooks& hooks, const ExportFiles& files)
{
    ExportResult result;
    {
        ExportRun run(dbx, context, choices, hooks, files, result);
        try {
            run.run(status);
        } catch (const std::exception& error) {
            result = ExportResult{};
            result.error = error.what();
        }
        run.collectWarnings();
    }
    if (result.written && choices.view)
        hooks.openInViewer(result.netlistPath);
    return result;
}

}  // namespace nodewick::exporter
