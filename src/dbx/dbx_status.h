#pragma once

#include <cstdint>

namespace nodewick::dbx {

// Result of one DBX call: 0 is success, anything else a DBX status code.
using DbxStatus = std::int32_t;

namespace status {
inline constexpr DbxStatus kSuccess = 0;
inline constexpr DbxStatus kConnectionError = 32001;
inline constexpr DbxStatus kVersionIncompatible = 32006;
inline constexpr DbxStatus kClientError = 32007;
inline constexpr DbxStatus kAlreadyConnected = 32104;
inline constexpr DbxStatus kNoConnection = 32105;
inline constexpr DbxStatus kBadInput = 32122;
inline constexpr DbxStatus kItemNotFound = 32141;
inline constexpr DbxStatus kShapeNotDefined = 32144;
inline constexpr DbxStatus kGetFirstNotCalled = 32145;
inline constexpr DbxStatus kNoMoreLayers = 32161;
inline constexpr DbxStatus kNoMoreNets = 32162;
inline constexpr DbxStatus kNoMoreItems = 32163;
inline constexpr DbxStatus kNoMoreComponents = 32168;
inline constexpr DbxStatus kInvalidNetId = 32176;
inline constexpr DbxStatus kInvalidPadstyle = 32178;
}  // namespace status

}  // namespace nodewick::dbx
