#include "design/pcad/pins.h"

namespace nodewick::design::pcad {

const AttachedPattern* ChoosePinMap(const CompDef& compDef, const PatternDef& pattern) noexcept
{
    for (const AttachedPattern& attached : compDef.attachedPatterns) {
        if (attached.patternName == pattern.originalName || attached.patternName == pattern.name)
            return &attached;
    }
    return compDef.attachedPatterns.empty() ? nullptr : &compDef.attachedPatterns.front();
}

std::string PinOfPad(const PatternPad& pad, const AttachedPattern* pinMap)
{
    if (pinMap && pad.padNum) {
        const auto mapped = pinMap->pinOfPad.find(*pad.padNum);
        if (mapped != pinMap->pinOfPad.end())
            return mapped->second;
    }
    if (pad.defaultPinDes)
        return *pad.defaultPinDes;
    if (!pad.padNum)
        return {};
    return Decimal(*pad.padNum);
}

}  // namespace nodewick::design::pcad
