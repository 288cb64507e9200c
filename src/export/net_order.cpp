#include "net_order.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/ascii.h"
#include "dbx/trim_null.h"
#include "short_text.h"
#include "tie_net.h"

namespace nodewick::exporter {
namespace {

constexpr std::string_view kSortLastPrefix = "zzz";

bool IsSupplyLike(std::string_view name)
{
    return name.starts_with('+') || name.starts_with('-') || name.starts_with("GND") || name.starts_with("VCC") ||
        name.starts_with("SHI");
}

// The digit 0 counts as a digit in neither test: A05 still gets its 0.
bool IsDigit1To9(char c)
{
    return c >= '1' && c <= '9';
}

unsigned char Folded(char c) noexcept
{
    return static_cast<unsigned char>(LowerAscii(c));
}

// How many bytes two texts share at their start, up to `common`, compared
// eight at a time: sorted neighbours share long starts (NET1267..., BACKPLANE_
// SLOT13_...), and equal bytes are equal when folded too.
std::size_t EqualStart(std::string_view a, std::string_view b, std::size_t common) noexcept
{
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= common; i += sizeof(std::uint64_t)) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a.data() + i, sizeof x);
        std::memcpy(&y, b.data() + i, sizeof y);
        if (x != y)
            break;
    }
    while (i < common && a[i] == b[i])
        ++i;
    return i;
}

bool BytesLess(std::string_view a, std::string_view b) noexcept
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

// A net's key as the sort moves it: small, and with the key's first eight
// bytes folded into a number that orders as KeyLess orders them (a key that
// ends early is padded with 0, below every byte a key holds), so that most
// comparisons never reach the key text.
struct SortEntry {
    std::uint64_t start = 0;
    std::size_t offset = 0;  // where the key lies in the collection's key text
    std::uint32_t length = 0;
    std::int32_t netId = 0;
    bool tied = false;
};

std::uint64_t FoldedStart(std::string_view key) noexcept
{
    std::uint64_t start = 0;
    for (std::size_t i = 0; i < sizeof start; ++i)
        start = (start << 8) | (i < key.size() ? Folded(key[i]) : 0U);
    return start;
}

// The keys of all nets, back to back, and their entries.
class SortKeys {
public:
    void add(std::string_view key, std::int32_t netId, bool tied)
    {
        entries_.push_back(SortEntry{.start = FoldedStart(key),
                                     .offset = text_.size(),
                                     .length = static_cast<std::uint32_t>(key.size()),
                                     .netId = netId,
                                     .tied = tied});
        text_ += key;
    }

    // The nets in key order, with whether each is tied.
    void sortInto(NetCollection& collection)
    {
        std::sort(entries_.begin(), entries_.end(), [this](const SortEntry& a, const SortEntry& b) {
            if (a.start != b.start)
                return a.start < b.start;
            return KeyLess(keyOf(a), keyOf(b));
        });
        collection.netIds.reserve(entries_.size());
        collection.tied.reserve(entries_.size());
        for (const SortEntry& entry : entries_) {
            collection.netIds.push_back(entry.netId);
            collection.tied.push_back(entry.tied);
        }
    }

private:
    std::string_view keyOf(const SortEntry& entry) const noexcept
    {
        return std::string_view(text_).substr(entry.offset, entry.length);
    }

    std::string text_;
    std::vector<SortEntry> entries_;
};

}  // namespace

std::string SortName(std::string_view netName)
{
    std::string name(netName);
    if (IsSupplyLike(name))
        name.insert(0, kSortLastPrefix);
    // A single trailing digit gets a leading 0, so that NET2 sorts before
    // NET10. A one-character name has nothing before its digit: "5" sorts as
    // "05". An empty name stays empty.
    const std::size_t length = name.size();
    if (length > 0 && IsDigit1To9(name[length - 1]) && (length == 1 || !IsDigit1To9(name[length - 2])))
        name.insert(length - 1, "0");
    return name;
}

std::string OrderKey(std::string_view sortName, std::int32_t netId)
{
    std::string key(sortName);
    key += '.';
    key += Decimal(netId).view();
    return key;
}

bool KeyLess(std::string_view a, std::string_view b) noexcept
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = EqualStart(a, b, common); i < common; ++i) {
        if (Folded(a[i]) != Folded(b[i]))
            return Folded(a[i]) < Folded(b[i]);
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return BytesLess(a, b);
}

NetCollection CollectNets(dbx::Dbx& dbx, dbx::DbxContext& context)
{
    NetCollection collection;
    dbx::NetRecord net;
    dbx::DbxStatus status = dbx.TGetFirstNet(context, net);
    if (status != dbx::status::kSuccess)
        return collection;
    // Every net is collected once the first one is delivered. (A design whose
    // net ids do not start at 1, or whose net 1 has no node, must not come out
    // as a netlist without nets that looks complete.)
    SortKeys keys;
    for (; status == dbx::status::kSuccess; status = dbx.TGetNextNet(context, net)) {
        const TieAttribute tie = TieAttribut(dbx, context, net.netId);
        const std::string sortName = tie.isTieNet() ? tie.value : SortName(dbx::TrimNull(net.netName.field()));
        keys.add(OrderKey(sortName, net.netId), net.netId, tie.isTieNet());
        collection.connectedPins = collection.connectedPins.value_or(0) + net.nodeCount;
    }
    keys.sortInto(collection);
    return collection;
}

std::string AliasName(std::int64_t aliasNumber)
{
    std::string alias = "NNAME";
    alias += Decimal(aliasNumber).view();
    return alias;
}

}  // namespace nodewick::exporter
